// The page printer's arithmetic and the two sheets, on a fake printer's page.
#include <gtest/gtest.h>

#include <array>
#include <filesystem>
#include <utility>

#include "fakes/FakePrinter.h"
#include "graphics/Canvas.h"
#include "graphics/Dib.h"
#include "print/PagePrinter.h"
#include "print/PrintSheets.h"
#include "support/TempDir.h"
#include "support/TestPictures.h"

namespace {

// The red byte of pixel x of a printed row.
int Red(const std::vector<uint8_t>& row, int32_t x) { return row[size_t(x) * 3 + 2]; }

}  // namespace

TEST(PagePrinterTest, FitsByTheSideThatRunsOut) {
    const auto fit = [](int32_t w, int32_t h, int32_t percentage) {
        const PrintArea area = FitOnPage(w, h, 3000, 2000, percentage);
        return std::pair{area.width, area.height};
    };
    EXPECT_EQ(fit(1000, 500, 100), std::pair(3000, 1500));
    EXPECT_EQ(fit(1000, 500, 50), std::pair(1500, 750));
    EXPECT_EQ(fit(500, 1000, 100), std::pair(1000, 2000));
}

TEST(PagePrinterTest, RowsComeTheSameWayUpAndStayInsideThePicture) {
    // Two rows: red above, black below; the left column dark, the right bright.
    Dib picture = Dib::CreateBlank(2, 2);
    picture.PixelAt(0, 0)[2] = 100;
    picture.PixelAt(1, 0)[2] = 200;
    FakePrinter bottomUp;
    bottomUp.pageWidth = 8;
    bottomUp.pageHeight = 8;
    ASSERT_EQ(PrintPicture(RowsOf(picture), 100, bottomUp, 8, 8), 8);
    EXPECT_EQ(Red(bottomUp.rows[0], 0), 100);
    EXPECT_EQ(Red(bottomUp.rows[0], 4), 200);
    // Past the last source pixel the blend turns back to the one before it, never past the
    // picture: 200 + 0.75 x (100 - 200), and in the last row 0 + 0.75 x (100 - 0).
    EXPECT_EQ(Red(bottomUp.rows[0], 7), 125);
    EXPECT_EQ(Red(bottomUp.rows[7], 0), 75);

    // The same picture stored top-down.
    std::vector<uint8_t> stored(16, 0);
    stored[2] = 100;
    stored[5] = 200;  // row 0 (the top) first
    FakePrinter topDown;
    ASSERT_EQ(PrintPicture({stored.data(), 2, -2, 8, 24}, 100, topDown, 8, 8), 8);
    EXPECT_EQ(topDown.rows, bottomUp.rows);

    // A single pixel prints without a neighbour to blend with.
    const Dib dot = SolidDib(1, 1, 0x090909);
    FakePrinter one;
    EXPECT_EQ(PrintPicture(RowsOf(dot), 100, one, 4, 4), 4);
    EXPECT_EQ(Red(one.rows[3], 3), 9);
}

TEST(PagePrinterTest, CancelStopsAfterTheRowAndZeroStillPrints) {
    const Dib picture = SolidDib(100, 50, 0x0A141E);
    FakePrinter page;
    page.cancelAfter = 3;
    EXPECT_EQ(PrintPicture(RowsOf(picture), 100, page, 1000, 1000), 4);
    EXPECT_EQ(page.ys, (std::vector<int32_t>{0, 1, 2, 3}));

    FakePrinter smallest;
    EXPECT_EQ(PrintPicture(RowsOf(picture), 0, smallest, 1000, 1000), 50);
    EXPECT_EQ(smallest.PrintedWidth(), 100) << "the slider's left end prints at 10%";
}

// The painting under the skin's lines is proven by the end-to-end print case; here the sheet of
// a skin more than twice as wide as high (600 x 250), which prints turned.
TEST(PrintSheetsTest, ALongSheetIsScaledToTheSkinAndTurned) {
    TempDir dir;
    const std::string models = dir.Path() + "/";
    ASSERT_EQ(SolidDib(600, 250, 0xFFFFFF).SaveToFile(models + "Fly04.bmp"), 1);
    Dib wide = SolidDib(256, 256, 0x000000);
    wide.PixelAt(255, 0)[2] = 255;  // the top-right corner goes to the top-left
    const Dib turned = MakeAirplaneSheet(models, 4, wide);
    ASSERT_EQ(turned.Width(), 250);
    ASSERT_EQ(turned.Height(), 600);
    EXPECT_GT(turned.PixelAt(0, 0)[2], 0);
    EXPECT_EQ(turned.PixelAt(249, 599)[2], 0);

    EXPECT_TRUE(MakeAirplaneSheet(models, 5, wide).IsEmpty()) << "no skin, no sheet";
}

// The installed forms: a 256-px skin, a 4-bit overlay at print size, an 8-bit steps sheet.
TEST(PrintSheetsTest, TheOverlaySizesTheSheetAndPalettedFilesPrintAsTheir24BitForms) {
    TempDir paletted, full;
    // Lines of three colours and a soft edge, on white, 1448 x 1024.
    Canvas lines(1448, 1024, {255, 255, 255});
    lines.FillRect(700, 0, 3, 1024, {0, 0, 0});
    lines.FillRect(0, 500, 1448, 2, {40, 80, 200});
    lines.FillRect(0, 900, 1448, 2, {200, 40, 60});
    lines.FillRect(0, 902, 1448, 1, {230, 180, 190});
    for (const TempDir* dir : {&paletted, &full}) {
        const std::string models = dir->Path() + "/";
        ASSERT_EQ(SolidDib(256, 181, 0x00FF00).SaveToFile(models + "Fly03.bmp"), 1);
    }
    ASSERT_EQ(lines.SavePalettedBmp(paletted.Path() + "/Fly03m.bmp", 4), 1);
    ASSERT_EQ(lines.SaveBmp(full.Path() + "/Fly03m.bmp"), 1);
    const Dib red = SolidDib(256, 256, 0xFF0000);
    const Dib sheet = MakeAirplaneSheet(paletted.Path() + "/", 3, red);
    ASSERT_EQ(sheet.Width(), 1448);
    ASSERT_EQ(sheet.Height(), 1024);
    int lined = 0;
    for (int32_t y = 0; y < 1024; ++y)
        for (int32_t x = 0; x < 1448; ++x) {
            const RgbPixel want = lines.Get(x, y);
            const uint8_t* got = sheet.PixelAt(x, y);
            const bool line = want.r != 255 || want.g != 255 || want.b != 255;
            lined += line ? 1 : 0;
            // The line where the overlay has one, else the painting: never the skin's green.
            const RgbPixel expect = line ? want : RgbPixel{255, 0, 0};
            ASSERT_EQ((std::array<int, 3>{got[2], got[1], got[0]}),
                      (std::array<int, 3>{expect.r, expect.g, expect.b})) << x << "," << y;
        }
    EXPECT_GT(lined, 1024 * 3 + 1448 * 4);
    const Dib same = MakeAirplaneSheet(full.Path() + "/", 3, red);
    EXPECT_EQ(same.FileBytes(), sheet.FileBytes());

    // A steps sheet of an 8-bit file prints what its 24-bit form prints.
    ASSERT_EQ(lines.SavePalettedBmp(paletted.Path() + "/Step03.bmp", 8), 1);
    ASSERT_EQ(lines.SaveBmp(full.Path() + "/Step03.bmp"), 1);
    FakePrinter fromPalette, fromFull;
    EXPECT_EQ(PrintSteps(fromPalette, paletted.Path() + "/", 3, 20, nullptr), PrintOutcome::printed);
    EXPECT_EQ(PrintSteps(fromFull, full.Path() + "/", 3, 20, nullptr), PrintOutcome::printed);
    EXPECT_FALSE(fromFull.rows.empty());
    EXPECT_EQ(fromPalette.rows, fromFull.rows);
}

TEST(PrintSheetsTest, TheJobsGetTheirSizesAndTellWhenThereIsNoPrinter) {
    TempDir dir;
    const Dib square = SolidDib(100, 100, 0x010203);
    FakePrinter printer;
    int told = 0;
    const auto tell = [&] { ++told; };
    EXPECT_EQ(PrintJob(printer, square, 50, tell), PrintOutcome::printed);
    EXPECT_EQ(printer.PrintedWidth(), 500);
    EXPECT_EQ(printer.names.back(), "du modele");
    EXPECT_EQ(told, 0);

    ASSERT_EQ(square.SaveToFile(dir.Path() + "/Step09.bmp"), 1);
    printer.installed = false;
    EXPECT_EQ(PrintSteps(printer, dir.Path() + "/", 9, 100, tell), PrintOutcome::printed);
    EXPECT_EQ(printer.PrintedWidth(), 1000) << "the steps are not capped";
    EXPECT_EQ(told, 1) << "told, and the dialog opened all the same";
    EXPECT_EQ(PrintSteps(printer, dir.Path() + "/", 10, 100, tell), PrintOutcome::failed);
    EXPECT_EQ(printer.names.size(), 2u);
}
