// StampTool: the chosen picture, scaled and turned, laid into the texture through its mask,
// centred on the press. Its panel turns and sizes the stamp; a press on its picture opens the
// stamp chooser over the panes.
#pragma once

#include "graphics/Dib.h"
#include "workshop/PaintTool.h"
#include "workshop/StampChooser.h"

class StampTool final : public PaintTool {
public:
    // Takes stamp 1 of the picture library (none when it cannot be read: nothing is laid).
    void LoadFirstStamp(const PathString& picLibDir);

    [[nodiscard]] Tool Kind() const override { return Tool::stamp; }
    [[nodiscard]] bool Paints() const override { return true; }
    void Press(ToolContext& c, int32_t tx, int32_t ty, bool onModel) override;
    void DrawPanel(ToolContext& c, const Rect& update) override;
    void PressPanel(ToolContext& c, int32_t x, int32_t y) override;
    void DragPanel(ToolContext& c, int32_t x, int32_t y) override;
    void Release(ToolContext& c, int32_t x, int32_t y) override;
    void PutDown(ToolContext& c) override { CloseChooser(c); }
    [[nodiscard]] CursorId PaneCursor() const override { return CursorId::stamp; }
    [[nodiscard]] bool SliderAt(const ScreenLayout& l, int32_t x, int32_t y) const override {
        return l.rolerotate.Contains(x, y) || l.rolesize.Contains(x, y);
    }
    [[nodiscard]] std::span<const TipRow> PanelTips() const override;

    // The chooser: it covers the panes while open; whenever it closes, its area is redrawn.
    [[nodiscard]] bool ChooserOpen() const { return chooserOpen; }
    void OpenChooser(ToolContext& c);
    void CloseChooser(ToolContext& c);
    void PaintChooser(ToolContext& c, const Rect& update);

    [[nodiscard]] int32_t ChooserPage() const { return chooser.Page(); }
    [[nodiscard]] float Angle() const { return angle; }
    [[nodiscard]] float Scale() const { return scale; }
    [[nodiscard]] const Dib& Image() const { return image; }

private:
    void PressChooserButtons(ToolContext& c, int32_t x, int32_t y);
    void ReleaseChooser(ToolContext& c, int32_t x, int32_t y);
    void DrawPreview(ToolContext& c, const Rect& update);

    Dib image, mask;
    float angle = 0.0f;
    float scale = 0.5f;
    bool chooserOpen = false;
    StampChooser chooser;
};
