// The Controller's shared services: sound and prompts, the model and its view.
#include <cstring>

#include "platform/Clock.h"
#include "platform/MessageBoxes.h"
#include "shell/Controller.h"
#include "sound/SoundEngine.h"

void Controller::StartSound() {
    prompts.SetFolders(language, paths.chineseDir, paths.englishDir, paths.effectDir);
    // Without a device, or when the engine cannot start, `sound` stays none and every request
    // below is skipped.
    if (platform.audio != nullptr) sound = StartSoundEngine(*platform.audio, platform.messageBoxes);
    prompts.SetEngine(sound.get());
    if (!sound) return;
    prompts.StartBackgroundTune();
    sound->SetOutputVolume(SoundEngine::OutputVolumeForLevel(volumeBar.Level()));
}

void Controller::ShutSound() {
    prompts.SetEngine(nullptr);
    if (sound) sound->Shutdown();
    sound.reset();
}

void Controller::ShowMessage(const std::string& caption, const std::string& text) {
    platform.messageBoxes.Show(caption, text);
}

void Controller::PlayCue(const std::string& name) { prompts.PlayCue(name); }

void Controller::PlayEffect(const std::string& name) { prompts.PlayEffect(name); }

bool Controller::IsCueFinished() const { return prompts.IsCueFinished(); }

void Controller::StopCue() { prompts.StopCue(); }

uint32_t Controller::Ticks() const { return platform.clock.Ticks(); }

// The view of `modelNumber`: its model and its skin.
void Controller::LoadView() {
    view3d = std::make_unique<View3D>();
    const ModelFileNames names = BuildModelFileNames(paths.modelDir, modelNumber);
    if (!view3d->LoadModel(names.model)) platform.messageBoxes.Show("Load Error", names.model);
    // A skin that cannot be read leaves a black texture: the child can still paint.
    view3d->LoadSkin(names.texture);
    unpaintedTexture = view3d->texture.Clone();
}

BgrRows Controller::PaintedTexture() const {
    const Dib& texture = view3d->texture;
    if (!texture.IsUsable()) return {};
    const size_t size = size_t(texture.Stride()) * size_t(texture.Height());
    const bool painted = !unpaintedTexture.IsUsable() || unpaintedTexture.Width() != texture.Width() ||
                         unpaintedTexture.Height() != texture.Height() ||
                         std::memcmp(unpaintedTexture.PixelBytes(), texture.PixelBytes(), size) != 0;
    return painted ? BgrRowsOf(texture) : BgrRows{};
}

void Controller::ReloadModel(int32_t model) {
    if (workshop) workshop->KeepPainting();
    modelNumber = model;
    LoadView();
    if (workshop) workshop->PaintingLoaded();
}

bool Controller::AskYesNo(const std::string& text) {
    return platform.messageBoxes.AskYesNo("Zephine", text);
}
