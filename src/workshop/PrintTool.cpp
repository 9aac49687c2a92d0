// The print panel.
#include "workshop/PrintTool.h"

#include "workshop/PanelKnobs.h"
#include "workshop/WorkshopPictures.h"

namespace {
constexpr TipRow kPrintTips[] = {{21, "steppri", "steppri"}, {22, "printsize", "erasesize"}};
}  // namespace

void PrintTool::DrawPanel(ToolContext& c, const Rect& update) {
    DrawPanelBackground(c, 2, update);
    DrawSizeSlider(c, c.pictures.tc[8], printSize);
}

void PrintTool::PressPanel(ToolContext& c, int32_t x, int32_t y) {
    PressSizeSlider(c, printSize, x, y);
}

void PrintTool::DragPanel(ToolContext& c, int32_t x, int32_t y) {
    DragSizeSlider(c, printSize, x, y);
}

void PrintTool::Release(ToolContext& c, int32_t /*x*/, int32_t /*y*/) {
    if (c.flags.dragActive == 1) c.flags.dragActive = 0;
}

std::span<const TipRow> PrintTool::PanelTips() const { return kPrintTips; }
