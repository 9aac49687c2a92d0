// WorksBox: the box over the panes in which the child picks a model from a grid of 25, browses
// its works eight a page (each a small render of the model wearing it), chooses one to paint on,
// deletes one after a question, or goes back. The workshop routes to it while it is open and
// carries out what a press or release asks for (closing, loading a work, changing the model).
#pragma once

#include <array>
#include <cstdint>
#include <span>

#include "graphics/Dib.h"
#include "graphics/View3D.h"
#include "screen/ScreenHost.h"
#include "workshop/WorkShelf.h"

class WorksBox {
public:
    WorksBox(ScreenHost& host, WorkShelf& shelf);
    void LoadPictures(const PathString& faceDir);

    [[nodiscard]] bool IsOpen() const { return open; }
    // Opens on the first page of the current model.
    void Open();
    void Close();

    // What a press asks of the workshop.
    enum class Request { none, close, loadWork };
    Request Press(int32_t x, int32_t y);
    // The work a `loadWork` request names.
    [[nodiscard]] PathString ChosenFile() const;
    // The chosen work was not loaded (the painting on the easel stays): a press may ask again.
    void LoadRefused() { loaded = -1; }
    // The release of a held control; a model number when the model is to change, else 0.
    int32_t Release();
    // Draws the box where it meets `update`; the thumbnails are rendered through the off-screen
    // 3D surface, which is given back holding `backdrop` and a clear depth buffer.
    void Paint(const Rect& update, const Dib& backdrop);

    [[nodiscard]] static std::span<const TipRow> Tips();
    // Thumbnail cell c (0 to 7) and model cell i (0 to 24) on the screen.
    [[nodiscard]] Rect ThumbnailCell(int32_t c) const;
    [[nodiscard]] Rect ModelCell(int32_t i) const;

    // What tests look at.
    [[nodiscard]] int32_t Page() const { return page; }
    [[nodiscard]] int32_t Selected() const { return selected; }
    [[nodiscard]] Pressed PressedControl() const { return pressed; }
    [[nodiscard]] int32_t ThumbnailsShown() const { return shown; }

private:
    [[nodiscard]] int32_t ShownModel() const;
    [[nodiscard]] int32_t FirstWork() const { return 8 * page; }
    void PressModelGrid(int32_t x, int32_t y, Request& request);
    void PressThumbnail(int32_t x, int32_t y, Request& request);
    void AskToDelete();
    void PaintThumbnails();
    // Renders work `work` of the shown model into thumbnail cell c; false when it cannot be read.
    bool RenderThumbnail(GlSurface& gl, int32_t c, int32_t work);
    void Frame(int32_t c, uint32_t colour);

    ScreenHost& host;
    WorkShelf& shelf;
    // save01.bmp the box, save03.bmp the mark on the model, save04 to save07 the page buttons.
    std::array<Dib, 8> pictures;
    // The thumbnails' own view: rendering them never touches the workshop's skin or texture.
    View3D thumbnails;

    bool open = false;
    int32_t page = 0;
    int32_t selected = -1;   // 0 to 7 on the page, or -1
    int32_t loaded = -1;     // the work last loaded into the workshop, or -1
    int32_t chosenModel = 0; // the model cell pressed, until its release loads it
    Pressed pressed = Pressed::none;
    bool armed = false;
    int32_t shown = 0;  // thumbnails drawn by the last paint
};
