// PrintTool: the print panel with its size slider. The printing itself comes with the printer.
#pragma once

#include "workshop/PanelKnobs.h"

class PrintTool final : public SizeSliderTool {
public:
    PrintTool() : SizeSliderTool(2, 8) {}
    [[nodiscard]] Tool Kind() const override { return Tool::print; }
    void Release(ToolContext& c, int32_t x, int32_t y) override;
    [[nodiscard]] std::span<const TipRow> PanelTips() const override;
};
