// The Controller's calls into the sound engine, its prompts and the guided tours, and into the
// parts that arrive with later work: the movie player, the colour adjustment and the 3D
// preview. Until then each of those is the designed "missing part" behaviour: no movie is open.
#include "shell/Controller.h"

#include "platform/Window.h"
#include "raster/ColourAdjust.h"
#include "sound/SoundEngine.h"

void Controller::StartSound() {
    volumeLevel = 3;
    prompts.SetFolders(language, chineseDir, englishDir, effectDir);
    // Without a device, or when the engine cannot start, `sound` stays none and every request
    // below is skipped.
    if (platform.audio != nullptr) sound = StartSoundEngine(*platform.audio, platform.messageBoxes);
    prompts.SetEngine(sound.get());
    if (!sound) return;
    prompts.StartBackgroundTune();
    (void)sound->SetOutputVolume(SoundEngine::OutputVolumeForLevel(volumeLevel));
}

void Controller::ShutSound() {
    prompts.SetEngine(nullptr);
    if (sound) sound->Shutdown();
    sound.reset();
}

void Controller::PlayCue(const std::string& name) { prompts.PlayCue(name); }

void Controller::PlayEffect(const std::string& name) { prompts.PlayEffect(name); }

bool Controller::IsCueFinished() const { return prompts.IsCueFinished(); }

void Controller::StopCue() { prompts.StopCue(); }

bool Controller::MovieIsOpen() const { return false; }

int32_t Controller::MovieFrame() const { return 0; }

void Controller::StepMovie(const Rect& /*area*/, int32_t /*target*/) {}

int Controller::ApplyAdjustment(int component, int32_t amount) {
    if (!view3d) return 0;
    return AdjustHsv(view3d->texture.Block(), component == 0 ? amount : 0,
                     component == 1 ? amount : 0, component == 2 ? amount : 0);
}

void Controller::DrawBackdropIntoGl() {
    if (glSurface && !backdrop.IsEmpty())
        (void)glSurface->DrawPicture(BgrRowsOf(backdrop), layout->Screen, 0, 0);
}

// Only the pane is ever rendered: clearing the whole screen-sized buffer would cost more than
// the render itself.
void Controller::ClearGlDepth() {
    if (glSurface) glSurface->ClearDepth(layout->view);
}

void Controller::RenderPreview() {
    if (!glSurface || !view3d) return;
    view3d->Render(*glSurface, layout->viewGl);
    // The partial redraw covers what was painted since the last render; start collecting anew.
    view3d->paintTarget.dirtyRect = {};
    const Rect& pane = layout->view;
    // Drawn outside painting: marked so that the window presents it.
    if (glSurface->CopyToWindow(pane.left, pane.top, pane, clientDc) == 1) clientDc.Touch(pane);
}

// Set-up's view: the model and skin of `modelNumber`, with the panes as the layout has them now.
void Controller::LoadView() {
    view3d = std::make_unique<View3D>(window.Width(), window.Height());
    const ModelFileNames names = BuildModelFileNames(modelDir, modelNumber);
    (void)view3d->LoadModel(names.model, &platform.messageBoxes);
    // A skin that cannot be read leaves a black texture: the child can still paint.
    (void)view3d->LoadSkin(names.texture);
    // The panes may have been swapped: picking must use the rectangles shown.
    view3d->layout.canvas = layout->canvas;
    view3d->layout.view = layout->view;
    view3d->layout.canvasGl = layout->canvasGl;
    view3d->layout.viewGl = layout->viewGl;
}

void Controller::ReloadModel() {
    // A held stroke's brush points into the texture about to go: end it first.
    (void)PencilRelease(pencilBrush);
    (void)SprayRelease(sprayBrush);
    dragActive = 0;
    undoAvailable = 0;
    LoadView();
    DrawBackdropIntoGl();
    view3d->paintTarget.fullRedraw = 1;
    ClearGlDepth();
    hueShift = saturationShift = lightnessShift = 0;
    // The previous values go too, or a pending re-colour would shift the new skin.
    prevHueShift = prevSaturationShift = prevLightnessShift = 0;
    recolourPending = 0;
    previewRefresh = 1;
}

void Controller::StepWorkshopTour() { demo.RunWorkshopTour(); }

void Controller::StepFlightTour() { demo.RunFlightTour(); }
