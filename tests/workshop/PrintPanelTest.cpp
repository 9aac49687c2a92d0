// The print panel: its button prints the painted sheet at the shared print size, capped.
#include <gtest/gtest.h>

#include "WorkshopRig.h"

TEST(PrintPanelTest, TheButtonPrintsThePaintedSheetAtTheSharedSize) {
    WorkshopRig r;
    const ScreenLayout& l = r.L();
    r.Click(l.print.CentreX(), l.print.CentreY());
    // Painting on the skin: the sheet carries it.
    r.V().texture.PixelAt(0, 0)[2] = 255;
    r.Click(l.steppri.CentreX(), l.steppri.CentreY());
    FakePrinter& printer = r.f.printer;
    ASSERT_EQ(printer.names.size(), 1u);
    EXPECT_EQ(printer.PrintedWidth(), 980) << "the sheet is capped at 98%";
    EXPECT_EQ(printer.rows[0][2], 255);
    EXPECT_TRUE(r.f.boxes.shown.empty());

    // Half way along the slider: the flight screen's steps get the same size.
    r.Click(l.erasesize.left + l.erasesize.Width() / 2, l.erasesize.CentreY());
    EXPECT_EQ(r.c->PrintSize(), 49);
    printer.installed = false;
    r.Click(l.steppri.CentreX(), l.steppri.CentreY());
    ASSERT_EQ(r.f.boxes.shown.size(), 1u);
    EXPECT_EQ(r.f.boxes.shown[0].second, "Aucune imprimante disponible !");
    EXPECT_EQ(printer.PrintedWidth(), 490) << "printed all the same, to a file if need be";
}
