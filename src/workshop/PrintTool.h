// PrintTool: the print panel, with the print-size slider the flight screen's steps share and
// the print button.
#pragma once

#include "workshop/PanelKnobs.h"

class PrintTool final : public SizeSliderTool {
public:
    explicit PrintTool(int32_t& printSize) : SizeSliderTool(&WorkshopPictures::printPanel, &WorkshopPictures::sizeKnob, printSize) {}
    [[nodiscard]] Tool Kind() const override { return Tool::print; }
    void Release(ToolContext& c, int32_t x, int32_t y) override;
    [[nodiscard]] std::span<const TipRow> PanelTips() const override;
};
