// The painting tools on the skin: the entry points the workshop routes presses, drags and
// releases to, and each tool's own steps (one file per tool). Every tool works on the view's
// texture through its paint target; texels arrive from the flat pane's mapping or the 3D pick.
#pragma once

#include <cstdint>

#include "shell/Rect.h"

class Controller;

// What a stroke needs between its press and its release besides the Controller's fields.
struct StrokeState {
    bool active = false;   // a painting press started it and no release has ended it
    bool onModel = false;  // it started on the 3D pane
};

// True when the view has a texture to paint on.
[[nodiscard]] bool HasPaintTarget(const Controller& c);

// Routing of the workshop; each acts only when the point lies in its own pane.
void SkinPress(Controller& c, StrokeState& s, int32_t x, int32_t y);
void ModelPress(Controller& c, StrokeState& s, int32_t x, int32_t y);
void SkinDrag(Controller& c, StrokeState& s, int32_t x, int32_t y);
void ModelDrag(Controller& c, StrokeState& s, int32_t x, int32_t y);
// Ends the stroke, wherever the pointer is; calling both is harmless.
void SkinRelease(Controller& c, StrokeState& s);
void ModelRelease(Controller& c, StrokeState& s);
// Puts back the texture as it was before the last painting press.
void Undo(Controller& c);

// Shared steps of the tools.
void TakeUndoSnapshot(Controller& c);
// Marks a changed texture rectangle for the flat pane and the next 3D render.
void ShowTexels(Controller& c, const Rect& texels);

// The tools. (tx, ty) is the texel; it may lie outside the texture.
void PencilPress(Controller& c, int32_t tx, int32_t ty);
void PencilStroke(Controller& c, int32_t tx, int32_t ty, int32_t inflate);
void PencilFinish(Controller& c);
void SprayPress(Controller& c, int32_t tx, int32_t ty);
void SprayFinish(Controller& c);
// Restores the w x h rectangle centred on the texel from the unpainted copy.
void EraseAt(Controller& c, int32_t tx, int32_t ty, int32_t w, int32_t h);
// The eraser's size in texels on the flat pane and on the 3D pane.
void EraserSizeOnSkin(const Controller& c, int32_t& w, int32_t& h);
[[nodiscard]] int32_t EraserSizeOnModel(const Controller& c);
void StampAt(Controller& c, int32_t tx, int32_t ty);
