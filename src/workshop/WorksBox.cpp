// The works box: its presses and releases, its painting and the thumbnails' renders.
#include "workshop/WorksBox.h"

#include "graphics/DibDrawing.h"
#include "platform/GlSurface.h"

namespace {

constexpr int32_t kModelCells = 25;
constexpr int32_t kCellsPerPage = 8;

constexpr TipRow kWorksTips[] = {
    {21, "roleup", "worksUp"},         {22, "roledn", "worksDown"}, {23, "saveboxall", "saveboxall"},
    {24, "saveash", "saveash"},        {25, "saveback", "saveback"},
};

constexpr uint32_t kBlack = 0x000000;
constexpr uint32_t kRed = 0xFF0000;

}  // namespace

WorksBox::WorksBox(ScreenHost& h, WorkShelf& s) : host(h), shelf(s) {}

void WorksBox::LoadPictures(const PathString& faceDir) {
    for (int k : {1, 3, 4, 5, 6, 7})
        pictures[size_t(k)] = Dib::LoadFromFile(faceDir + "save0" + std::to_string(k) + ".bmp");
}

std::span<const TipRow> WorksBox::Tips() { return kWorksTips; }

void WorksBox::Open() {
    open = true;
    page = 0;
    selected = -1;
    loaded = -1;
    pressed = Pressed::none;
    armed = false;
    host.Invalidate(host.Layout().worksBox);
}

void WorksBox::Close() {
    open = false;
    pressed = Pressed::none;
    armed = false;
    host.Invalidate(host.Layout().worksBox);
}

Rect WorksBox::ThumbnailCell(int32_t c) const {
    Rect r = host.Layout().worksCell;
    r.Offset(c % 2 == 1 ? r.Width() + 10 : 0, (r.Height() + 10) * (c / 2));
    return r;
}

Rect WorksBox::ModelCell(int32_t i) const {
    const Rect& grid = host.Layout().worksModelGrid;
    const int32_t left = grid.left + 50 * (i % 4), top = grid.top + 50 * (i / 4);
    return {left, top, left + 50, top + 50};
}

// A model cell held down shows its mark before the release loads the model.
int32_t WorksBox::ShownModel() const {
    return pressed == Pressed::worksModel ? chosenModel : host.ModelNumber();
}

PathString WorksBox::ChosenFile() const {
    return shelf.FileOf(host.ModelNumber(), FirstWork() + selected);
}

WorksBox::Request WorksBox::Press(int32_t x, int32_t y) {
    const ScreenLayout& l = host.Layout();
    Request request = Request::none;
    if (l.worksModelGrid.Contains(x, y)) PressModelGrid(x, y, request);
    if (request == Request::close) return request;
    if (l.worksUp.Contains(x, y) && page > 0) {
        pressed = Pressed::worksUp;
        armed = true;
        host.Invalidate(l.worksUp);
    }
    // Page down arms only when the next page has its first work.
    if (l.worksDown.Contains(x, y) && shelf.Has(host.ModelNumber(), FirstWork() + kCellsPerPage)) {
        pressed = Pressed::worksDown;
        armed = true;
        host.Invalidate(l.worksDown);
    }
    if (l.saveboxall.Contains(x, y)) PressThumbnail(x, y, request);
    if (l.saveash.Contains(x, y) && selected != -1) AskToDelete();
    return request;
}

void WorksBox::PressModelGrid(int32_t x, int32_t y, Request& request) {
    if (host.Layout().saveback.Contains(x, y)) {
        request = Request::close;
        return;
    }
    for (int32_t i = 0; i < kModelCells; ++i) {
        if (!ModelCell(i).Contains(x, y)) continue;
        if (i + 1 != host.ModelNumber()) {
            pressed = Pressed::worksModel;
            armed = true;
            chosenModel = i + 1;
            host.Invalidate(host.Layout().worksModelGrid);
        }
        return;
    }
}

// A press on a thumbnail selects it and loads its work into the workshop. The selection a
// repaint makes is only a selection: its work is loaded by a press of its own.
void WorksBox::PressThumbnail(int32_t x, int32_t y, Request& request) {
    for (int32_t c = 0; c < kCellsPerPage; ++c) {
        if (!ThumbnailCell(c).Contains(x, y)) continue;
        const int32_t work = FirstWork() + c;
        if ((c == selected && loaded == work) || !shelf.Has(host.ModelNumber(), work)) return;
        if (selected != -1) Frame(selected, kBlack);
        Frame(c, kRed);
        selected = c;
        loaded = work;
        request = Request::loadWork;
        return;
    }
}

void WorksBox::AskToDelete() {
    const std::string question = host.Text("delete", "Are you sure?");
    if (!host.AskYesNo(question)) return;
    const int32_t work = FirstWork() + selected;
    if (shelf.Delete(host.ModelNumber(), work) != DeleteOutcome::deleted) {
        host.Tell("deletefail", "This work could not be deleted.");
        return;
    }
    // The works after it moved down one: what was loaded now has another number.
    if (loaded == work) loaded = -1;
    else if (loaded > work) --loaded;
    selected = -1;
    host.Invalidate(host.Layout().saveboxall);
}

int32_t WorksBox::Release() {
    const ScreenLayout& l = host.Layout();
    const Pressed was = pressed;
    const bool act = armed;
    pressed = Pressed::none;
    armed = false;
    if (!act) return 0;
    selected = -1;
    if (was == Pressed::worksModel) {
        page = 0;
        loaded = -1;
        host.Invalidate(l.worksModelGrid);
        host.Invalidate(l.saveboxall);
        return chosenModel;
    }
    if (was == Pressed::worksUp || was == Pressed::worksDown) {
        page += was == Pressed::worksUp ? -1 : 1;
        host.Invalidate(was == Pressed::worksUp ? l.worksUp : l.worksDown);
        host.Invalidate(l.saveboxall);
    }
    return 0;
}

void WorksBox::Paint(const Rect& update, const Dib& backdrop) {
    const ScreenLayout& l = host.Layout();
    Surface& device = host.WindowDevice();
    DrawControl(pictures[1], device, l.worksBox, update);
    const int32_t model = ShownModel();
    if (model >= 1 && model <= kModelCells)
        DrawControl(pictures[3], device, ModelCell(model - 1), update);
    if (Meets(update, l.saveboxall)) {
        PaintThumbnails();
        // The 3D surface goes back to what the workshop's pane expects.
        if (GlSurface* gl = host.Gl()) {
            if (!backdrop.IsEmpty())
                gl->DrawPicture(BgrRowsOf(backdrop), l.view, l.view.left - l.Screen.left,
                                      l.view.top - l.Screen.top);
            gl->ClearDepth(gl->Bounds());
        }
    }
    DrawControl(pressed == Pressed::worksUp ? pictures[5] : pictures[4], device, l.worksUp,
                      update);
    DrawControl(pressed == Pressed::worksDown ? pictures[7] : pictures[6], device,
                      l.worksDown, update);
}

// Every work of the page is drawn from its file. The last one drawn is selected unless the child
// chose one on this page: a repaint (a question box closing over it) keeps that choice.
void WorksBox::PaintThumbnails() {
    const ScreenLayout& l = host.Layout();
    const int32_t chosen = selected;
    selected = -1;
    shown = 0;
    GlSurface* gl = host.Gl();
    if (gl != nullptr) {
        gl->DrawPicture(BgrRowsOf(pictures[1]), l.worksBox, 0, 0);
        // The shown model's mesh, turned as the workshop shows it.
        const View3D& view = host.View();
        thumbnails.mesh = view.mesh;
        thumbnails.TurnLike(view);
    }
    for (int32_t c = 0; c < kCellsPerPage; ++c) {
        const int32_t work = FirstWork() + c;
        if (!shelf.Has(host.ModelNumber(), work)) continue;
        if (gl != nullptr && RenderThumbnail(*gl, c, work)) ++shown;
        selected = c;
    }
    if (chosen != -1 && shelf.Has(host.ModelNumber(), FirstWork() + chosen)) selected = chosen;
    if (gl != nullptr) gl->CopyToWindow(l.saveboxall.left, l.saveboxall.top, l.saveboxall,
                                             host.WindowDevice());
    if (selected != -1) Frame(selected, kRed);
    thumbnails.mesh = ModelMesh();
    thumbnails.texture = Dib();
    thumbnails.skin = Dib();
}

bool WorksBox::RenderThumbnail(GlSurface& gl, int32_t c, int32_t work) {
    // A file that is not a picture leaves its cell empty; one of another size is scaled.
    if (!thumbnails.LoadSkin(shelf.FileOf(host.ModelNumber(), work))) return false;
    const Rect cell = ThumbnailCell(c);
    thumbnails.paintTarget.fullRedraw = true;
    gl.ClearDepth(cell);
    thumbnails.Render(gl, host.Layout().FlipForGl(cell));
    return true;
}

void WorksBox::Frame(int32_t c, uint32_t colour) {
    const Rect r = ThumbnailCell(c);
    Surface& device = host.WindowDevice();
    device.Fill({r.left, r.top, r.right, r.top + 1}, colour);
    device.Fill({r.left, r.bottom - 1, r.right, r.bottom}, colour);
    device.Fill({r.left, r.top, r.left + 1, r.bottom}, colour);
    device.Fill({r.right - 1, r.top, r.right, r.bottom}, colour);
    device.Touch(r);
}
