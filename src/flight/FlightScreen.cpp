// The flight screen's set-up and entry, its painting, the movie's timer step with the
// narrations, and its cursors.
#include "flight/FlightScreen.h"

#include <algorithm>

#include "graphics/DibDrawing.h"
#include "graphics/SectionFile.h"
#include "tours/GuidedDemo.h"

namespace {

constexpr TipRow kFlightTips[] = {
    {1, "diy", "diy"},       {2, "mov", "mov"},         {6, "vol", "vol"},
    {12, "first", "first"},  {13, "pre", "pre"},        {14, "play", "play"},
    {15, "stop", "stop"},    {16, "next", "next"},      {17, "last", "last"},
    {18, "help", "help"},    {19, "exit", "exit"},      {20, "steppri", "steppri"},
    {21, "printsize", "erasesize"}, {22, "roleup", "stepPageUp"}, {23, "roledn", "stepPageDown"},
    {31, "sprite", "ModelPick1"}, {32, "sprite", "ModelPick2"}, {33, "sprite", "ModelPick3"},
    {34, "roleup", "modelUp"}, {35, "roledn", "modelDown"},
};

}  // namespace

FlightScreen::FlightScreen(ScreenHost& h, MovieSource* movies) : host(h), player(movies) {
    pictures.Load(host.Paths().faceDir);
}

// Every visit starts stopped at the movie's beginning, on the first step page, with the model
// the workshop shows.
uint32_t FlightScreen::MarginColour() const { return EdgeColour(pictures.backdrop, kCalmMargin); }

void FlightScreen::Enter() {
    pressed = Pressed::none;
    armed = false;
    moviePlaying = false;
    stepPage = 0;
    dragActive = false;
    directPaint = false;
    if (!pictures.backdrop.IsEmpty())
        DrawAt(pictures.backdrop, host.BackBuffer(), host.Layout().DesignScreen, false,
                     host.DisplayWidth(), host.DisplayHeight());
    modelNumber = host.ModelNumber();
    modelListTop = std::clamp((modelNumber - 1) / 3, 0, 8);
    CloseMovie();
    LoadMarks();
    host.ShowTips(kFlightTips);
}

// A frame file that cannot be read keeps the marks there were.
void FlightScreen::LoadMarks() {
    const PathString path = host.Paths().movieDir + "frame.ini";
    SectionFile file;
    if (!file.Open(path)) {
        host.ShowMessage("Load Error", path);
        return;
    }
    marks.ReadList(file.Value("FRAME", "Frame", modelNumber).value_or(""));
}

void FlightScreen::OpenMovie() {
    if (movieUnavailable) return;
    // The child's painting of this very airplane is folded and flown; another airplane's movie,
    // or one before anything is painted, plays as it was made.
    player.UseTexture(modelNumber == host.ModelNumber() ? host.PaintedTexture() : BgrRows{});
    movieUnavailable = !player.Open(MovieFileName(host.Paths().movieDir, modelNumber));
}

// The next movie starts at time 0, and is tried again even if this one could not be opened.
void FlightScreen::CloseMovie() {
    player.Close();
    player.SetCurrentTime(0);
    movieUnavailable = false;
    for (Surface& thumbnail : thumbnails) thumbnail = Surface();
}

const Rect& FlightScreen::StepButton(int32_t k) const {
    const ScreenLayout& l = host.Layout();
    const Rect* buttons[4] = {&l.stepButton1, &l.stepButton2, &l.stepButton3, &l.stepButton4};
    return *buttons[std::clamp(k, 1, 4) - 1];
}

void FlightScreen::Paint(const Rect& update) {
    const ScreenLayout& l = host.Layout();
    Rect part;
    if (!dragActive && !directPaint) {
        // The back buffer is in design coordinates: take the part from there, unscaled.
        if (Intersect(update, l.Screen, part))
            host.WindowDevice().BitBlt(part.left, part.top, part.Width(), part.Height(),
                                             host.BackBuffer(), part.left - l.Screen.left,
                                             part.top - l.Screen.top);
    } else {
        directPaint = false;
    }
    DrawControls(update);
    if (!player.IsLoaded()) OpenMovie();
    // Past the end the last picture stays.
    if (player.IsLoaded() && Meets(update, l.MovieArea))
        player.Draw(host.WindowDevice(), l.MovieArea,
                          std::min(player.CurrentTime(), player.EndTime()), host.Ticks());
    DrawThumbnails(update);
}

void FlightScreen::DrawControls(const Rect& update) {
    const ScreenLayout& l = host.Layout();
    Surface& dc = host.WindowDevice();
    DrawControl(pictures.diy, dc, l.diy, update);
    DrawControl(pictures.mov, dc, l.mov, update);
    const auto& cb = pictures.columnButtons;
    DrawControl(armed && pressed == Pressed::modelUp ? cb[2] : cb[1], dc, l.modelUp, update);
    DrawControl(armed && pressed == Pressed::modelDown ? cb[4] : cb[3], dc, l.modelDown,
                      update);
    DrawTransport(update);
    DrawControl(pictures.column[size_t(modelListTop + 1)], dc, l.modelColumn, update);
    const auto& sp = pictures.stepPageButtons;
    DrawControl(armed && pressed == Pressed::stepUp ? sp[3] : sp[2], dc, l.stepPageUp,
                      update);
    DrawControl(armed && pressed == Pressed::stepDown ? sp[5] : sp[4], dc, l.stepPageDown,
                      update);
    DrawPanel(update);
    DrawControl(host.Tours().GuideFrame(1), dc, l.help, update);
    const bool chinese = host.ChildLanguage() == Language::chinese;
    DrawControl(chinese ? pictures.chineseLabel : pictures.englishLabel, dc, l.languageLabel,
                      update);
}

void FlightScreen::DrawTransport(const Rect& update) {
    const ScreenLayout& l = host.Layout();
    const Rect* buttons[6] = {&l.first, &l.pre, &l.play, &l.stop, &l.next, &l.last};
    for (int32_t k = 1; k <= 6; ++k) {
        const bool held = int32_t(pressed) == int32_t(Pressed::first) + k - 1;
        const Dib& picture = held ? pictures.transportPressed[size_t(k)]
                                  : pictures.transport[size_t(k)];
        DrawControl(picture, host.WindowDevice(), *buttons[k - 1], update);
    }
}

// The print panel: its background, then the size knob centred on the size's place.
void FlightScreen::DrawPanel(const Rect& update) {
    const ScreenLayout& l = host.Layout();
    if (!Meets(update, l.toolPanel)) return;
    DrawControl(pictures.panel, host.WindowDevice(), l.toolPanel, update);
    const Rect& slider = l.erasesize;
    const int32_t x = slider.left + slider.Width() * host.PrintSize() / 100;
    if (pictures.knob.IsUsable())
        DrawTransparent(pictures.knob, host.WindowDevice(), x - pictures.knob.Width() / 2,
                              slider.top);
}

// The picture at each shown step's mark, scaled into its button. They are made once a movie:
// each costs a jump in the movie.
void FlightScreen::DrawThumbnails(const Rect& update) {
    for (int32_t k = 1; k <= 4; ++k) {
        const Rect& button = StepButton(k);
        if (!Meets(update, button) || !StepShown(k)) continue;
        const size_t index = size_t(stepPage * 4 + k - 1);
        Surface& thumbnail = thumbnails[index];
        if (thumbnail.IsEmpty() && player.IsLoaded()) {
            Surface made(button.Width(), button.Height());
            if (player.DrawStill(made, made.Bounds(), marks.marks[index]))
                thumbnail = std::move(made);
        }
        if (!thumbnail.IsEmpty())
            host.WindowDevice().BitBlt(button.left, button.top, button.Width(),
                                             button.Height(), thumbnail, 0, 0);
    }
}

void FlightScreen::Tick(int id, bool touring) {
    if (id == 1 && !touring && moviePlaying && player.IsLoaded()) StepMovie();
}

// One step of play. The movie waits on a mark until the narration has finished; on the frame
// after a mark the next step's narration starts.
void FlightScreen::StepMovie() {
    Surface& dc = host.WindowDevice();
    const Rect& area = host.Layout().MovieArea;
    const int32_t now = player.CurrentTime();
    for (int32_t i = 0; i < marks.count; ++i) {
        const int32_t mark = marks.marks[size_t(i)];
        if (now == mark) {
            if (host.IsCueFinished()) {
                player.Draw(dc, area, -1, host.Ticks());
            } else if (player.ShownTime() != now) {
                player.Draw(dc, area, now, host.Ticks());
            }
            return;
        }
        if (now == mark + 1) {
            // Started on the step that draws the frame, once: the frame stays due for several
            // ticks, and starting the cue again on each would restart the sentence.
            if (player.Draw(dc, area, -1, host.Ticks()) == 1)
                host.PlayCue(NarrationName(modelNumber, i + 2));
            return;
        }
    }
    player.Draw(dc, area, -1, host.Ticks());
}

CursorId FlightScreen::CursorAt(int32_t x, int32_t y, bool touring) const {
    const ScreenLayout& l = host.Layout();
    if (!touring && l.erasesize.Contains(x, y)) return CursorId::slider;
    return CommonCursor(l, x, y, touring);
}
