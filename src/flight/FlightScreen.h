// FlightScreen: the mode-4 screen. It plays the chosen airplane's folding-and-flight movie step
// by step: step marks from the frame file, a narration for each step that the movie waits for
// at the next mark, step thumbnails that jump to their step, transport buttons, its own model
// column, the print-size slider, and `diy` back to the workshop.
#pragma once

#include <array>
#include <cstdint>

#include "flight/FlightPictures.h"
#include "flight/MoviePlayer.h"
#include "flight/StepMarks.h"
#include "screen/ScreenHost.h"

class MovieSource;

class FlightScreen final : public Screen {
public:
    // `movies` none: no movie is ever shown, the rest of the screen works.
    FlightScreen(ScreenHost& host, MovieSource* movies);

    void Paint(const Rect& update) override;
    void ButtonDown(int32_t x, int32_t y) override;
    void MouseMove(int32_t x, int32_t y) override;
    void ButtonUp(int32_t x, int32_t y) override;
    void Tick(int id, bool touring) override;
    void Enter() override;
    [[nodiscard]] uint32_t MarginColour() const override;
    [[nodiscard]] CursorId CursorAt(int32_t x, int32_t y, bool touring) const override;

    // What tests look at.
    [[nodiscard]] int32_t Model() const { return modelNumber; }
    [[nodiscard]] const StepMarks& Marks() const { return marks; }
    [[nodiscard]] const MoviePlayer& Player() const { return player; }
    [[nodiscard]] bool Playing() const { return moviePlaying; }
    [[nodiscard]] bool WantsFastTicks(bool touring) const override {
        return !touring && moviePlaying && player.IsLoaded();
    }
    [[nodiscard]] int32_t StepPage() const { return stepPage; }
    [[nodiscard]] int32_t ModelListTop() const { return modelListTop; }
    [[nodiscard]] int32_t PrintSize() const { return host.PrintSize(); }
    [[nodiscard]] Pressed PressedControl() const { return pressed; }
    [[nodiscard]] bool Armed() const { return armed; }

private:
    void LoadMarks();
    void OpenMovie();
    void CloseMovie();
    void ChooseModel(int32_t model);
    void StepMovie();
    [[nodiscard]] bool StepShown(int32_t k) const { return stepPage * 4 + k <= marks.count; }
    [[nodiscard]] const Rect& StepButton(int32_t k) const;

    // Painting.
    void DrawControls(const Rect& update);
    void DrawTransport(const Rect& update);
    void DrawPanel(const Rect& update);
    void DrawThumbnails(const Rect& update);

    // Button-down and button-up steps.
    void Arm(Pressed control, const Rect& button);
    void PressTransport(int32_t x, int32_t y);
    void PressModelColumn(int32_t x, int32_t y);
    void PressSteps(int32_t x, int32_t y);
    void FollowSlider(int32_t x);
    void PrintStepsSheet();
    void ReleaseTransport();
    void ReleasePages();
    void LeaveForWorkshop();

    ScreenHost& host;
    FlightPictures pictures;
    MoviePlayer player;
    StepMarks marks;
    int32_t modelNumber = 1;   // the model shown; the workshop's is the host's
    int32_t modelListTop = 0;  // the model column's page, 0 to 8
    int32_t stepPage = 0;      // the step buttons show marks stepPage * 4 + 0 to + 3
    bool moviePlaying = false;
    Pressed pressed = Pressed::none;
    bool armed = false;      // the pressed button acts on its release
    bool dragActive = false;  // the print-size slider is held
    bool directPaint = false;  // the next paint leaves the backdrop as it is
    // The model's movie could not be opened: it is not tried again on every paint.
    bool movieUnavailable = false;
    // The step thumbnails, scaled into their buttons once for each movie.
    std::array<Surface, StepMarks::kCapacity> thumbnails;
};
