// The workshop's works: saving, keeping a painting that is about to be replaced, and the routing
// of the works box's presses and releases.
#include <cstring>

#include "graphics/View3D.h"
#include "workshop/PaintWorkshop.h"

bool PaintWorkshop::PaintingChanged() const {
    const Dib& texture = host.View().texture;
    if (!texture.IsUsable()) return false;
    return !kept.IsUsable() || kept.Width() != texture.Width() ||
           kept.Height() != texture.Height() ||
           std::memcmp(kept.PixelBytes(), texture.PixelBytes(),
                       size_t(texture.Stride()) * size_t(texture.Height())) != 0;
}

void PaintWorkshop::PaintingLoaded() { kept = host.View().texture.Clone(); }

bool PaintWorkshop::KeepPainting(bool mayStay) {
    if (!PaintingChanged()) return true;
    if (shelf.Save(host.ModelNumber(), host.View().texture) == SaveOutcome::saved) {
        PaintingLoaded();
        return true;
    }
    if (!mayStay) {
        host.Tell("keepfail", "Your painting could not be kept.");
        return true;
    }
    if (!host.AskYesNo(host.Text("keepask", "Your painting could not be kept. Throw it away?")))
        return false;
    PaintingLoaded();  // let go: nothing is left to keep
    return true;
}

SaveOutcome PaintWorkshop::SaveWork() {
    const SaveOutcome outcome = shelf.Save(host.ModelNumber(), host.View().texture);
    switch (outcome) {
        case SaveOutcome::saved:
            PaintingLoaded();
            // The child hears that the work is in the box.
            host.PlayEffect("B100");
            break;
        case SaveOutcome::full:
            host.Tell("full", "The works box is full. Delete a work first.");
            break;
        case SaveOutcome::failed:
            host.Tell("savefail", "Your work could not be saved.");
            break;
    }
    return outcome;
}

void PaintWorkshop::PressWorks(int32_t x, int32_t y) {
    switch (works.Press(x, y)) {
        case WorksBox::Request::close: CloseWorks(); break;
        case WorksBox::Request::loadWork:
            if (!LoadWork(works.ChosenFile())) works.LoadRefused();
            break;
        case WorksBox::Request::none: break;
    }
}

void PaintWorkshop::ReleaseWorks() {
    if (const int32_t model = works.Release(); model != 0) LoadModel(model);
}

void PaintWorkshop::CloseWorks() {
    works.Close();
    SelectTool(Tool::pencil);
    flags.directPaint = false;
    flags.hold = Hold::none;
    const ScreenLayout& l = host.Layout();
    // The release of this click may ask for a direct paint before the paint runs; the
    // backdrop over the box comes back all the same.
    RestoreBackdrop(l.worksBox);
    host.Invalidate(l.canvas);
    host.Invalidate(l.view);
    // The tool buttons and the pencil's panel come back.
    for (int32_t k = 1; k <= kToolCount; ++k) host.Invalidate(ToolButton(l, static_cast<Tool>(k)));
    host.Invalidate(l.toolPanel);
}

// The chosen work replaces the painting in both panes; a file that is not a usable picture
// changes nothing, and so does a painting that could not be kept.
bool PaintWorkshop::LoadWork(const PathString& file) {
    if (!Dib::LoadFromFile(file).IsUsable() || !KeepPainting()) return false;
    EndStrokes();
    if (!host.View().LoadSkin(file)) return false;
    PaintingLoaded();
    ShowNewPainting();
    return true;
}
