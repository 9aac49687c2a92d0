// SprayTool: one puff of the pen's colour per press, fading from the centre to the rim.
#pragma once

#include "raster/SprayBrush.h"
#include "workshop/PenTool.h"

class SprayTool final : public PenTool {
public:
    explicit SprayTool(PenSettings& pen) : PenTool(pen) {}
    ~SprayTool() override;

    [[nodiscard]] Tool Kind() const override { return Tool::spray; }
    void Press(ToolContext& c, int32_t tx, int32_t ty, bool onModel) override;
    void Release(ToolContext& c, int32_t x, int32_t y) override;
    void PutDown(ToolContext& c) override;
    [[nodiscard]] CursorId PaneCursor() const override { return CursorId::spray; }

private:
    void DropBrush() override;

    SprayBrush brush;
};
