// ScreenHost: what a screen may ask of the Controller, which owns what all screens share: the
// window and its devices, the layout, the paths, sound and the tours, the model and its view,
// the tooltips and the current mode.
#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <string_view>

#include "base/InstallPaths.h"
#include "base/ScreenLayout.h"
#include "platform/GlDevice.h"
#include "screen/Screen.h"
#include "tours/TourHost.h"

class GlSurface;
class GuidedDemo;
class View3D;
class WorkFiles;
class Printer;

// One tooltip: its id, its text's key in the language's section, and the layout entry it covers.
struct TipRow {
    int id;
    std::string_view key;
    std::string_view rect;
};

class ScreenHost : public TourHost {
public:
    // The 800 by 600 back buffer, in design coordinates.
    [[nodiscard]] virtual Surface& BackBuffer() = 0;
    [[nodiscard]] virtual int32_t DisplayWidth() const = 0;
    [[nodiscard]] virtual int32_t DisplayHeight() const = 0;
    // The pointer in window coordinates; false when it cannot be read.
    [[nodiscard]] virtual bool CursorPosition(int32_t& x, int32_t& y) const = 0;
    virtual void InvalidateAll() = 0;
    // The layout as the screens may change it (the workshop swaps its two panes).
    [[nodiscard]] virtual ScreenLayout& EditLayout() = 0;
    [[nodiscard]] virtual const InstallPaths& Paths() const = 0;
    // "c" or "e".
    [[nodiscard]] virtual Language ChildLanguage() const = 0;
    // A message box the child closes before going on ("Load Error" with the missing file).
    virtual void ShowMessage(const std::string& caption, const std::string& text) = 0;

    // Prompts and effects; skipped without sound. A missing engine counts as a finished cue.
    virtual void PlayCue(const std::string& name) = 0;
    virtual void PlayEffect(const std::string& name) = 0;
    virtual void StopCue() = 0;
    [[nodiscard]] virtual bool IsCueFinished() const = 0;
    [[nodiscard]] virtual GuidedDemo& Tours() = 0;

    // The model shown, its view (with the texture the tools paint on) and the off-screen 3D
    // surface (none when the platform gives none).
    [[nodiscard]] virtual int32_t ModelNumber() const = 0;
    // Makes `model` current and loads it with its skin; the old view and texture go.
    virtual void ReloadModel(int32_t model) = 0;
    [[nodiscard]] virtual View3D& View() = 0;
    [[nodiscard]] virtual GlSurface* Gl() = 0;
    // The view's texture when the child has painted it (it differs from the model's own skin),
    // else empty rows.
    [[nodiscard]] virtual BgrRows PaintedTexture() const = 0;

    // A text of the "String" section of Zephine.ini in the child's language (the key is "c" or
    // "e" followed by the name), or the fallback.
    [[nodiscard]] virtual std::string Text(std::string_view name,
                                           std::string_view fallback) const = 0;
    // A message captioned "Zephine": the text of that name, or the fallback.
    void Tell(std::string_view name, std::string_view fallback) {
        ShowMessage("Zephine", Text(name, fallback));
    }
    // A yes/no question captioned "Zephine": true for yes.
    [[nodiscard]] virtual bool AskYesNo(const std::string& text) = 0;
    // The save folder's file operations; none when the platform gives none.
    [[nodiscard]] virtual WorkFiles* Files() = 0;
    // The print service (none when the platform gives none) and the print size, 0 to 100, that
    // the workshop's sheet and the flight screen's steps share.
    [[nodiscard]] virtual Printer* Printing() = 0;
    [[nodiscard]] virtual int32_t& PrintSize() = 0;

    virtual void SwitchTo(Mode mode) = 0;
    // Replaces all tooltips with these rows, or only the panel's (ids 20 to 29).
    virtual void ShowTips(std::span<const TipRow> rows) = 0;
    virtual void ShowPanelTips(std::span<const TipRow> rows) = 0;
};

// The cursor rules both screens end with: the volume bar, the model choice and `help`.
[[nodiscard]] CursorId CommonCursor(const ScreenLayout& layout, int32_t x, int32_t y,
                                    bool touring);
