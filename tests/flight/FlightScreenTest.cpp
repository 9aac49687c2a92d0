// The flight screen as the child uses it, through the Controller on the fake ports: entering,
// playing with its waits and narrations, the transport and step buttons, step pages, the model
// column, broken data, and the way back to the workshop.
#include <gtest/gtest.h>

#include <filesystem>

#include "FlightRig.h"
#include "graphics/View3D.h"
#include "workshop/PaintWorkshop.h"

namespace {

uint32_t Picture(int32_t t) { return FakeMovieSource::ColourOf(t); }

// Plays on, a timer tick at a time, until the movie's current time reaches `time`.
void PlayUntil(FlightRig& r, int32_t time) {
    for (int i = 0; i < 100000 && r.F().Player().CurrentTime() < time; ++i) r.Tick();
}

TEST(FlightScreenTest, EnteringShowsTheFirstPictureAndTheStepsStopped) {
    FlightRig r;
    r.EnterFlight();
    EXPECT_EQ(r.c->CurrentMode(), Mode::flight);
    EXPECT_FALSE(r.F().Playing());
    EXPECT_EQ(r.F().StepPage(), 0);
    ASSERT_FALSE(r.movies.opened.empty());
    EXPECT_EQ(r.movies.opened.back(), r.paths.movieDir + "Fly01.mov");
    EXPECT_EQ(r.ColourIn(r.L().MovieArea), Picture(0));
    // Three marks: three thumbnails, each the picture at its mark; the fourth shows the backdrop.
    EXPECT_EQ(r.ColourIn(r.L().stepButton1), Picture(0));
    EXPECT_EQ(r.ColourIn(r.L().stepButton2), Picture(40));
    EXPECT_EQ(r.ColourIn(r.L().stepButton3), Picture(90));
    EXPECT_EQ(r.ColourIn(r.L().stepButton4), FlightRig::kFlightBackdrop);
    // The movie stands still until play.
    for (int i = 0; i < 20; ++i) r.Tick();
    EXPECT_EQ(r.F().Player().CurrentTime(), 0);
}

// Which mark `pre` and `next` find is StepMarksTest's, and FlightNextAndPreviousMoveBetweenMarks
// steps through them end to end.
TEST(FlightScreenTest, TransportButtonsShowTheirPictureOnAStoppedMovie) {
    FlightRig r;
    r.EnterFlight();
    r.Click(r.L().stepButton2);  // to mark 40, playing
    PlayUntil(r, 50);
    r.ClickAndPaint(r.L().stop);
    EXPECT_FALSE(r.F().Playing());
    EXPECT_EQ(r.F().Player().CurrentTime(), 50);
    r.ClickAndPaint(r.L().pre);
    EXPECT_EQ(r.F().Player().CurrentTime(), 40);
    EXPECT_EQ(r.ColourIn(r.L().MovieArea), Picture(40)) << "a stopped movie shows the mark";
    r.ClickAndPaint(r.L().last);
    EXPECT_EQ(r.ColourIn(r.L().MovieArea), Picture(100));
    r.ClickAndPaint(r.L().first);
    EXPECT_EQ(r.ColourIn(r.L().MovieArea), Picture(0));
}

TEST(FlightScreenTest, PlayWaitsAtEachMarkForTheNarrationAndStartsEachNarrationOnce) {
    FlightRig r;
    r.EnterFlight();
    r.ChooseModel9();  // which speaks its first narration
    r.PaintPending();
    ASSERT_EQ(r.F().Model(), 9);
    EXPECT_EQ(r.movies.opened.back(), r.paths.movieDir + "Fly09.mov");
    EXPECT_EQ(r.Starts("9-01"), 1);
    r.Tick();
    r.Tick();
    EXPECT_TRUE(r.f.window.resting.contains(1)) << "a stopped movie lets the 10 ms timer rest";
    r.Click(r.L().play);
    // At mark 0 the movie waits while the narration speaks.
    for (int i = 0; i < 50; ++i) r.Tick();
    EXPECT_FALSE(r.f.window.resting.contains(1)) << "a playing movie keeps it awake";
    EXPECT_EQ(r.F().Player().CurrentTime(), 0);
    EXPECT_EQ(r.ColourIn(r.L().MovieArea), Picture(0));
    r.audio.FinishAll();
    // On the frame after the mark the next narration starts, once, however many ticks the
    // frame stays due.
    PlayUntil(r, 5);
    EXPECT_EQ(r.Starts("9-02"), 1);
    PlayUntil(r, 30);
    for (int i = 0; i < 50; ++i) r.Tick();
    EXPECT_EQ(r.F().Player().CurrentTime(), 30) << "waits at mark 30 for 9-02";
    EXPECT_EQ(r.ColourIn(r.L().MovieArea), Picture(30));
    EXPECT_EQ(r.Starts("9-03"), 0);
    r.audio.FinishAll();
    PlayUntil(r, 40);
    EXPECT_EQ(r.Starts("9-02"), 1);
    EXPECT_EQ(r.Starts("9-03"), 1);
}

TEST(FlightScreenTest, TheModelColumnChoosesTheMovieAndTheFirstNarration) {
    FlightRig r;
    r.EnterFlight();
    const size_t sounds = r.audio.sounds.size(), opened = r.movies.opened.size();
    r.Click(r.L().ModelPick1);  // the current model: nothing happens
    EXPECT_EQ(r.audio.sounds.size(), sounds) << "no effect, no narration";
    EXPECT_EQ(r.movies.opened.size(), opened);
    r.Click(r.L().stepButton3);
    PlayUntil(r, 95);
    for (int k = 0; k < 3; ++k) r.Click(r.L().modelUp);
    EXPECT_EQ(r.F().ModelListTop(), 3);
    r.ClickAndPaint(r.L().ModelPick1);
    EXPECT_EQ(r.F().Model(), 10);
    EXPECT_EQ(r.movies.opened.back(), r.paths.movieDir + "Fly10.mov");
    EXPECT_EQ(r.Starts("10-01"), 1);
    EXPECT_EQ(r.F().Marks().count, 2);
    EXPECT_EQ(r.F().Marks().marks[1], 20);
    EXPECT_EQ(r.F().Player().CurrentTime(), 0);
    EXPECT_EQ(r.ColourIn(r.L().stepButton2), Picture(20));
    EXPECT_EQ(r.ColourIn(r.L().stepButton3), FlightRig::kFlightBackdrop);
}

TEST(FlightScreenTest, StepPagesTurnOnlyWhileMoreMarksFollow) {
    FlightRig r("Frame1=6,0,10,20,30,40,50\n");
    r.EnterFlight();
    const Rect down = r.L().stepPageDown;
    r.c->ButtonDown(down.CentreX(), down.CentreY());
    EXPECT_TRUE(r.F().Armed());
    r.c->ButtonUp(down.CentreX(), down.CentreY());
    r.PaintPending();
    EXPECT_EQ(r.F().StepPage(), 1);
    EXPECT_EQ(r.ColourIn(r.L().stepButton1), Picture(40));
    EXPECT_EQ(r.ColourIn(r.L().stepButton2), Picture(50));
    EXPECT_EQ(r.ColourIn(r.L().stepButton3), FlightRig::kFlightBackdrop);
    r.c->ButtonDown(down.CentreX(), down.CentreY());
    EXPECT_FALSE(r.F().Armed()) << "no marks after page 1";
    r.c->ButtonUp(down.CentreX(), down.CentreY());
    EXPECT_EQ(r.F().StepPage(), 1);
    r.Click(r.L().stepButton2);
    EXPECT_EQ(r.F().Player().CurrentTime(), 50);
    r.Click(r.L().stepPageUp);
    EXPECT_EQ(r.F().StepPage(), 0);
}

TEST(FlightScreenTest, AMissingMovieLeavesTheBackdropAndTheButtonsWorking) {
    FlightRig r;
    r.movies.movies.clear();
    r.EnterFlight();
    EXPECT_EQ(r.ColourIn(r.L().MovieArea), FlightRig::kFlightBackdrop);
    r.Click(r.L().play);
    for (int i = 0; i < 30; ++i) r.Tick();
    r.Click(r.L().stepButton2);
    EXPECT_EQ(r.F().Player().CurrentTime(), 40);
    r.ClickAndPaint(r.L().first);
    r.c->InvalidateAll();
    r.PaintPending();
    EXPECT_EQ(r.F().Player().CurrentTime(), 0);
    EXPECT_EQ(r.ColourIn(r.L().MovieArea), FlightRig::kFlightBackdrop);
    EXPECT_TRUE(r.movies.fetched.empty());
    EXPECT_EQ(r.movies.opened.size(), 1u) << "not tried again on every paint";
}

TEST(FlightScreenTest, AMissingFrameFileSaysSoAndTheScreenStillWorks) {
    FlightRig r(nullptr);
    r.EnterFlight();
    ASSERT_EQ(r.f.boxes.shown.size(), 1u);
    EXPECT_EQ(r.f.boxes.shown[0].first, "Load Error");
    EXPECT_EQ(r.f.boxes.shown[0].second, r.paths.movieDir + "frame.ini");
    EXPECT_EQ(r.F().Marks().count, 0);
    r.Click(r.L().play);
    PlayUntil(r, 10);
    EXPECT_EQ(r.ColourIn(r.L().MovieArea), Picture(9));
}

TEST(FlightScreenTest, DiyGoesBackToTheSamePaintingOrLoadsTheModelChosenOnTheFlightScreen) {
    FlightRig r;
    View3D& before = r.c->View();
    r.EnterFlight();
    EXPECT_EQ(r.c->BackBuffer().PixelAt(400, 300), FlightRig::kFlightBackdrop);
    r.Click(r.L().play);
    PlayUntil(r, 20);
    r.Click(r.L().diy);
    EXPECT_EQ(r.c->CurrentMode(), Mode::workshop);
    EXPECT_FALSE(r.F().Player().IsLoaded()) << "the movie is closed on leaving";
    EXPECT_EQ(&r.c->View(), &before) << "the painting is kept: FlightDiyKeepsTheWorkshopPainting";
    EXPECT_EQ(r.c->BackBuffer().PixelAt(400, 300), FlightRig::kWorkshopBackdrop);
    EXPECT_EQ(r.f.tips.tools.count(7), 1u) << "the workshop's tips are back";
    const auto& workshop = static_cast<PaintWorkshop&>(r.c->WorkshopScreen());
    r.Click(r.L().canvas);  // a dab that undo could take back
    ASSERT_TRUE(workshop.UndoAvailable());
    // The next visit starts stopped at the beginning.
    r.EnterFlight();
    EXPECT_FALSE(r.F().Playing());
    EXPECT_EQ(r.F().Player().CurrentTime(), 0);
    EXPECT_EQ(r.ColourIn(r.L().MovieArea), Picture(0));

    r.ChooseModel9();
    EXPECT_EQ(r.c->ModelNumber(), 1) << "the workshop's model stays until diy";
    r.Click(r.L().diy);
    EXPECT_EQ(r.c->ModelNumber(), 9);
    EXPECT_FALSE(workshop.UndoAvailable()) << "no undo into another model's skin";
    r.EnterFlight();
    EXPECT_EQ(r.F().Model(), 9);
    EXPECT_EQ(r.movies.opened.back(), r.paths.movieDir + "Fly09.mov");
}

TEST(FlightScreenTest, StopSilencesTheNarrationAndTheSliderSetsThePrintSize) {
    FlightRig r;
    r.EnterFlight();
    r.ChooseModel9();  // model 9 speaks its first narration
    EXPECT_FALSE(r.c->IsCueFinished());
    r.Click(r.L().stop);
    EXPECT_TRUE(r.c->IsCueFinished());
    const Rect& slider = r.L().erasesize;
    r.c->ButtonDown(slider.left + 50, slider.CentreY());
    EXPECT_EQ(r.F().PrintSize(), 50 * 100 / slider.Width());
    r.c->MouseMove(slider.left + 100, slider.CentreY());
    EXPECT_EQ(r.F().PrintSize(), 100 * 100 / slider.Width());
    r.c->ButtonUp(slider.right + 50, slider.CentreY());
    r.c->MouseMove(slider.left, slider.CentreY());
    EXPECT_EQ(r.F().PrintSize(), 100 * 100 / slider.Width()) << "the slider let go";
    EXPECT_EQ(r.c->PrintSize(), r.F().PrintSize()) << "one size for the sheet and the steps";

    // The print button prints the shown model's steps at that size, not capped.
    std::filesystem::create_directories(r.paths.movieDir);
    ASSERT_EQ(Dib::CreateBlank(100, 100).SaveToFile(r.paths.movieDir + "Step09.bmp"), 1);
    r.Click(r.L().steppri);
    ASSERT_EQ(r.f.printer.names.size(), 1u);
    EXPECT_EQ(r.f.printer.PrintedWidth(), 10 * r.F().PrintSize());
}

TEST(FlightScreenTest, HelpStartsTheFlightTourAndTheMovieHoldsWhileItRuns) {
    FlightRig r;
    r.EnterFlight();
    r.Click(r.L().play);
    PlayUntil(r, 3);
    r.Click(r.L().help);
    EXPECT_EQ(r.c->Tours().State().demoStep, 61);
    for (int i = 0; i < 30; ++i) r.Tick();
    EXPECT_EQ(r.F().Player().CurrentTime(), 3) << "the movie holds while the guide talks";
    r.Click(r.L().MovieArea);  // any press ends the tour and does nothing else
    EXPECT_FALSE(r.c->Tours().IsRunning());
    PlayUntil(r, 5);
    EXPECT_EQ(r.F().Player().CurrentTime(), 5);
}

}  // namespace
