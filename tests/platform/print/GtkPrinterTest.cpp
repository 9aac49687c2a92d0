// The GTK print adapter: the dialog opens above the program and Cancel prints nothing; an export
// writes a PDF of the page's rows.
#include <gtk/gtk.h>
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <vector>

#include "platform/print/GtkPrinter.h"
#include "support/TempDir.h"

TEST(GtkPrinterTest, TheDialogOpensAndCancelPrintsNothing) {
    ::unsetenv("ZEPHINE_PRINT_TO");
    bool opened = false, drawn = false;
    int served = 0;
    // The program's window is served while the dialog is open: the test answers it from there.
    GtkPrinter printer({[&] {
                            ++served;
                            GList* windows = gtk_window_list_toplevels();
                            for (GList* w = windows; w != nullptr; w = w->next) {
                                if (GTK_IS_DIALOG(w->data) && gtk_widget_get_visible(GTK_WIDGET(w->data))) {
                                    opened = true;
                                    gtk_dialog_response(GTK_DIALOG(w->data), GTK_RESPONSE_CANCEL);
                                }
                            }
                            g_list_free(windows);
                        },
                        nullptr, nullptr});
    const PrintOutcome outcome =
        printer.Print("du modele", [&](PrintRows&, int32_t, int32_t) { drawn = true; });
    EXPECT_TRUE(opened);
    EXPECT_GT(served, 0);
    EXPECT_FALSE(drawn);
    EXPECT_EQ(outcome, PrintOutcome::cancelled);
}

TEST(GtkPrinterTest, AnExportWritesTheRowsToAPdfAtPrinterResolution) {
    TempDir dir;
    ::setenv("ZEPHINE_PRINT_TO", dir.Path().c_str(), 1);
    GtkPrinter printer({nullptr, nullptr, nullptr});
    EXPECT_TRUE(printer.HasPrinter()) << "files need no printer";
    int32_t pageWidth = 0, pageHeight = 0;
    const PrintOutcome outcome = printer.Print("du modele", [&](PrintRows& rows, int32_t w, int32_t h) {
        pageWidth = w;
        pageHeight = h;
        const std::vector<uint8_t> row(300, 0);
        for (int32_t y = 0; y < 100; ++y) rows.DrawRow(y, row);
    });
    ::unsetenv("ZEPHINE_PRINT_TO");
    EXPECT_EQ(outcome, PrintOutcome::printed);
    EXPECT_GT(std::filesystem::file_size(dir.Path() + "/du modele.pdf"), 0u);
    // A landscape page at 300 dots an inch or more.
    EXPECT_GT(pageWidth, pageHeight);
    EXPECT_GE(pageWidth, 3000);
}
