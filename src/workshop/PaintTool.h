// PaintTool: what every tool of the workshop is (pencil, spray, stamp, eraser, colour adjustment,
// print): its strokes on the texture in texels, its panel under the tool buttons, its cursor on
// the panes and its tooltips. ToolContext is what a tool reaches of the workshop.
#pragma once

#include <cstdint>
#include <span>

#include "base/Rect.h"
#include "platform/Cursors.h"
#include "screen/ScreenHost.h"
#include "tours/Tool.h"

class View3D;
struct WorkshopPictures;

// The tool's button in the layout.
[[nodiscard]] const Rect& ToolButton(const ScreenLayout& l, Tool tool);

// What a press holds.
enum class Hold : int32_t { none = 0, drag = 1 /* a stroke or a slider */, stampSize = 2 };

// The workshop's drawing flags, shared by its routing and its tools.
struct PaintFlags {
    Hold hold = Hold::none;
    // The next paint draws over the window without first copying the back buffer.
    bool directPaint = false;
    // The next paint copies the back buffer first even when painting directly: something drawn
    // over the backdrop has gone.
    bool restoreBackdrop = false;
    // Counts the changes to the texture by painting, erasing, stamping and undo.
    uint32_t textureEdits = 0;
};

class ToolContext {
public:
    ToolContext(ScreenHost& host, WorkshopPictures& pictures, PaintFlags& flags)
        : host(host), pictures(pictures), flags(flags) {}

    [[nodiscard]] const ScreenLayout& Layout() const { return host.Layout(); }
    [[nodiscard]] View3D& View() { return host.View(); }
    [[nodiscard]] Surface& Device() { return host.WindowDevice(); }
    void Invalidate(const Rect& r) { host.Invalidate(r); }
    // Marks a changed texture rectangle for the flat pane and the next 3D render.
    void ShowTexels(const Rect& texels);
    // Redraws a slider and the room its knob moves in, straight over the window.
    void ShowSlider(Rect slider, int32_t dx, int32_t dy);

    ScreenHost& host;
    WorkshopPictures& pictures;
    PaintFlags& flags;
};

class PaintTool {
public:
    virtual ~PaintTool() = default;
    [[nodiscard]] virtual Tool Kind() const = 0;

    // Painting, for the tools that paint: a press on either pane at texel (tx, ty), which may lie
    // outside the texture; `onModel` when it came through the 3D pane.
    [[nodiscard]] virtual bool Paints() const { return false; }
    virtual void Press(ToolContext& /*c*/, int32_t /*tx*/, int32_t /*ty*/, bool /*onModel*/) {}
    // A drag of the stroke begun by Press, for the tools that follow the pointer.
    [[nodiscard]] virtual bool FollowsPointer() const { return false; }
    virtual void Drag(ToolContext& /*c*/, int32_t /*tx*/, int32_t /*ty*/, bool /*onModel*/) {}

    // The panel: drawn where it meets `update`, and a press, a drag and the release of the
    // button on it. Release runs on every button-up, wherever it happens: it ends what the tool
    // holds (a stroke, a slider).
    virtual void DrawPanel(ToolContext& c, const Rect& update) = 0;
    virtual void PressPanel(ToolContext& /*c*/, int32_t /*x*/, int32_t /*y*/) {}
    virtual void DragPanel(ToolContext& /*c*/, int32_t /*x*/, int32_t /*y*/) {}
    virtual void Release(ToolContext& /*c*/, int32_t /*x*/, int32_t /*y*/) {}
    // Another tool is chosen, or the model goes: whatever the tool holds ends.
    virtual void PutDown(ToolContext& /*c*/) {}

    // The cursor over the panes (keep: the tool paints nothing), and whether (x, y) is on one
    // of its sliders.
    [[nodiscard]] virtual CursorId PaneCursor() const { return CursorId::keep; }
    [[nodiscard]] virtual bool SliderAt(const ScreenLayout& /*l*/, int32_t /*x*/,
                                        int32_t /*y*/) const {
        return false;
    }
    // The tooltips of the panel.
    [[nodiscard]] virtual std::span<const TipRow> PanelTips() const = 0;
};
