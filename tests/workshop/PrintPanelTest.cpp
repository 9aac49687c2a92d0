// The print panel: its button prints the painted sheet, capped at 98%, with or without a
// printer. (The printed page and its sizes are PrintSheetWritesTheSheetToAPdf end to end.)
#include <gtest/gtest.h>

#include "WorkshopRig.h"

TEST(PrintPanelTest, TheButtonPrintsThePaintedSheetAndSaysWhenThereIsNoPrinter) {
    WorkshopRig r;
    r.Click(r.L().print);
    r.V().texture.PixelAt(0, 0)[2] = 255;
    r.f.printer.installed = false;
    r.Click(r.L().steppri);
    ASSERT_EQ(r.f.boxes.shown.size(), 1u);
    EXPECT_EQ(r.f.boxes.shown[0].second, "Aucune imprimante disponible !");
    ASSERT_EQ(r.f.printer.names.size(), 1u) << "printed all the same, to a file if need be";
    EXPECT_EQ(r.f.printer.PrintedWidth(), 980) << "the sheet is capped at 98%";
    EXPECT_EQ(r.f.printer.rows[0][2], 255) << "the sheet carries the painting";
}
