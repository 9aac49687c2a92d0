// PrintTool: the print panel with its size slider. The printing itself comes with the printer.
#pragma once

#include "workshop/PaintTool.h"

class PrintTool final : public PaintTool {
public:
    [[nodiscard]] Tool Kind() const override { return Tool::print; }
    void DrawPanel(ToolContext& c, const Rect& update) override;
    void PressPanel(ToolContext& c, int32_t x, int32_t y) override;
    void DragPanel(ToolContext& c, int32_t x, int32_t y) override;
    void Release(ToolContext& c, int32_t x, int32_t y) override;
    [[nodiscard]] bool SliderAt(const ScreenLayout& l, int32_t x, int32_t y) const override {
        return l.erasesize.Contains(x, y);
    }
    [[nodiscard]] std::span<const TipRow> PanelTips() const override;
    [[nodiscard]] int32_t PrintSize() const { return printSize; }

private:
    int32_t printSize = 100;  // percent
};
