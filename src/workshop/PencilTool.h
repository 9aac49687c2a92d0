// PencilTool: a soft stroke from the press to the release, drawn with the raster library's brush
// into the texture, on the flat pane or across the 3D model.
#pragma once

#include "raster/PencilBrush.h"
#include "workshop/PenTool.h"

class PencilTool final : public PenTool {
public:
    explicit PencilTool(PenSettings& pen) : PenTool(pen) {}
    ~PencilTool() override;

    [[nodiscard]] Tool Kind() const override { return Tool::pencil; }
    void Press(ToolContext& c, int32_t tx, int32_t ty, bool onModel) override;
    [[nodiscard]] bool FollowsPointer() const override { return true; }
    void Drag(ToolContext& c, int32_t tx, int32_t ty, bool onModel) override;
    void Release(ToolContext& c, int32_t x, int32_t y) override;
    void PutDown(ToolContext& c) override;
    [[nodiscard]] CursorId PaneCursor() const override { return CursorId::pencil; }

private:
    void DropBrush() override;
    void StrokeTo(ToolContext& c, int32_t tx, int32_t ty, int32_t inflate);

    PencilBrush brush;
    bool stroking = false;
    int32_t lastX = 0;  // the stroke's last texel
    int32_t lastY = 0;
};
