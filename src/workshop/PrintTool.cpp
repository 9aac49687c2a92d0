// The print panel.
#include "workshop/PrintTool.h"

namespace {
constexpr TipRow kPrintTips[] = {{21, "steppri", "steppri"}, {22, "printsize", "erasesize"}};
}  // namespace

void PrintTool::Release(ToolContext& c, int32_t /*x*/, int32_t /*y*/) {
    if (c.flags.hold == Hold::drag) c.flags.hold = Hold::none;
}

std::span<const TipRow> PrintTool::PanelTips() const { return kPrintTips; }
