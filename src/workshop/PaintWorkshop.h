// PaintWorkshop: the mode-3 screen. It owns the workshop's state and its tools, paints its
// controls and panes, and routes every press, move, release and timer tick to the view modes,
// the tools, their panels and the model column.
#pragma once

#include <array>
#include <cstdint>
#include <memory>

#include "graphics/Dib.h"
#include "screen/ScreenHost.h"
#include "workshop/AdjustTool.h"
#include "workshop/EraserTool.h"
#include "workshop/PaintTool.h"
#include "workshop/PencilTool.h"
#include "workshop/PrintTool.h"
#include "workshop/SprayTool.h"
#include "workshop/StampTool.h"
#include "workshop/WorkShelf.h"
#include "workshop/WorkshopPictures.h"
#include "workshop/WorksBox.h"

class PaintWorkshop final : public Screen {
public:
    explicit PaintWorkshop(ScreenHost& host);
    ~PaintWorkshop() override;

    void Paint(const Rect& update) override;
    void ButtonDown(int32_t x, int32_t y) override;
    void MouseMove(int32_t x, int32_t y) override;
    void ButtonUp(int32_t x, int32_t y) override;
    void Tick(int id, bool touring) override;
    void Enter() override;
    [[nodiscard]] uint32_t MarginColour() const override { return marginColour; }
    [[nodiscard]] Rect CoveredArea() const override;
    [[nodiscard]] CursorId CursorAt(int32_t x, int32_t y, bool touring) const override;

    // What the tours show.
    void ShowTool(Tool kind) override { SelectTool(kind); }
    void ShowToolLabel(int32_t page) override;
    void OpenStampChooser() override;
    void CloseStampChooser() override;
    void RestoreBackdrop(const Rect& area) override;

    // A painting about to be replaced (another model, a work from the box, the end) is saved
    // first as a new work of its model when it changed since it was loaded or last saved. True
    // when the painting may go. When it cannot be saved (a full disk) the child is asked whether
    // to let it go; no keeps it on the easel, to be saved later. At the very end (`mayStay`
    // false) the child can only be told.
    bool KeepPainting(bool mayStay = true);
    // The view holds a freshly loaded painting: it counts as kept.
    void PaintingLoaded();

    // What tests look at.
    [[nodiscard]] Tool CurrentTool() const { return tool->Kind(); }
    [[nodiscard]] const WorksBox& Works() const { return works; }
    [[nodiscard]] bool PaintingChanged() const;
    [[nodiscard]] Pressed PressedControl() const { return pressed; }
    [[nodiscard]] bool ChooserShown() const;
    [[nodiscard]] bool PreviewPending() const { return previewRefresh; }
    [[nodiscard]] const PenSettings& Pen() const { return pen; }
    [[nodiscard]] const AdjustTool& Adjust() const { return adjust; }
    [[nodiscard]] const StampTool& Stamp() const { return stamp; }
    [[nodiscard]] const PaintFlags& Flags() const { return flags; }
    [[nodiscard]] const EraserTool& Eraser() const { return eraser; }
    [[nodiscard]] const PrintTool& PrintPanel() const { return print; }
    [[nodiscard]] bool UndoAvailable() const { return undoAvailable; }
    [[nodiscard]] bool Armed() const { return armed; }
    [[nodiscard]] int32_t LabelPage() const { return labelPage; }
    [[nodiscard]] int32_t ModelListTop() const { return modelListTop; }

private:
    [[nodiscard]] PaintTool& ToolOf(Tool kind);
    void SelectTool(Tool kind);
    // Every press of a control goes through here: a new pressed control closes the stamp
    // chooser, whose picture would otherwise stay over the panes.
    void SetPressed(Pressed next);
    [[nodiscard]] bool ViewModeActive() const;
    [[nodiscard]] bool PaintingBlocked() const {
        return ViewModeActive() || ChooserShown() || works.IsOpen();
    }
    [[nodiscard]] bool HasPaintTarget();
    void DrawBackdropIntoGl();
    void ClearGlDepth();
    void RenderPreview();
    void ShowTips();

    // Painting.
    void DrawControls(const Rect& update);
    void DrawToolButtons(const Rect& update);
    void DrawModeButtons(const Rect& update);
    void DrawPanes(const Rect& update);

    // Button-down steps.
    void PressScreenButtons(int32_t x, int32_t y);
    void PressModelSlot(int32_t x, int32_t y);
    void PressToolButtons(int32_t x, int32_t y);
    void PressPanel(int32_t x, int32_t y);
    void PressViewModes(int32_t x, int32_t y);
    void PressPanes(int32_t x, int32_t y);
    void SwapPanes();
    // False when the painting on the easel stays (it could not be kept).
    bool LoadModel(int32_t model);
    // What every replacement of the painting does around the load: strokes end, undo and the
    // colour adjustment start afresh, and the 3D pane is drawn anew.
    void EndStrokes();
    void ShowNewPainting();
    void Undo();

    // The airplane sheet to the printer, with the panes suspended around the job.
    void PrintSheet();

    // The works box.
    SaveOutcome SaveWork();
    void PressWorks(int32_t x, int32_t y);
    void ReleaseWorks();
    void CloseWorks();
    bool LoadWork(const PathString& file);

    // Mouse-move and button-up steps.
    void DragViews(int32_t x, int32_t y);
    void DragPanes(int32_t x, int32_t y);
    void ReleaseButtons();
    void ReleaseViewModes(int32_t x, int32_t y);
    void EnterFlightScreen();
    // The texel under a point of the flat pane or of the 3D pane; false off the pane or model.
    bool SkinTexel(int32_t x, int32_t y);
    bool ModelTexel(int32_t x, int32_t y);

    // Timer steps.
    void StepZoom();
    void RefreshPreview();

    ScreenHost& host;
    WorkshopPictures pictures;
    Dib backdrop;  // paintbk.bmp, also the 3D pane's background
    uint32_t marginColour = kCalmMargin;
    PaintFlags flags;
    ToolContext context{host, pictures, flags};  // what the tools reach of the workshop
    PenSettings pen;
    PencilTool pencil{pen};
    SprayTool spray{pen};
    StampTool stamp;
    EraserTool eraser;
    AdjustTool adjust;
    PrintTool print{host.PrintSize()};
    PaintTool* tool = &pencil;
    WorkShelf shelf;
    WorksBox works{host, shelf};
    Dib kept;  // the texture as last loaded or saved

    Pressed pressed = Pressed::none;
    bool armed = false;  // the pressed button acts on its release
    int32_t pressX = 0;  // the last press, or the last point of a pan or turn
    int32_t pressY = 0;
    int32_t labelPage = 1;  // the tool label shown over the panel, 1 to 6
    int32_t modelListTop = 0;  // the model column's page, 0 to 8
    int32_t shownModel = 0;    // the model the workshop last took from the view
    bool undoAvailable = false;
    bool previewRefresh = false;  // the 3D pane waits for a render
    bool printing = false;        // a print job runs: the panes are not drawn
    int32_t renderTime = 0;       // the first full render's time in ms; 0 until measured
};

// One zoom step when the bound allows it; true when it stepped.
bool StepCanvasZoom(float& zoom, bool in);
