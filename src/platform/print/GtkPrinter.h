// GtkPrinter: the print job on the Linux desktop. GTK 3's print dialog (printer choice, paper,
// "Print to File" as PDF) over CUPS; the page is landscape, one page, named as the job. The page
// printer's rows are drawn into the operation's cairo context at the printer's resolution, and
// at least 300 dots an inch, so the cut and fold lines print sharp.
//
// While the dialog and the job run, the program's window keeps its timers and paints through
// `serve`, and a small status window with the designed texts and "Annuler" stops the page after
// the row in progress. With ZEPHINE_PRINT_TO=DIR every job is written to DIR/<name>.pdf with no
// dialog.
#pragma once

#include <functional>

#include "platform/Printer.h"

// What the printer needs of the program's window. (The window port cannot be named here: the X11
// headers this adapter uses take its name.)
struct PrintWindow {
    std::function<void()> serve;              // its timers and paints, while a dialog is open
    std::function<void(bool)> enable;         // input on or off
    std::function<unsigned long()> x11Window; // its X11 window, which the dialog is kept above
};

class GtkPrinter final : public Printer {
public:
    explicit GtkPrinter(PrintWindow window);

    [[nodiscard]] bool HasPrinter() override;
    PrintOutcome Print(
        const std::string& name,
        const std::function<void(PrintRows& rows, int32_t width, int32_t height)>& drawPage) override;

private:
    PrintWindow window;
};
