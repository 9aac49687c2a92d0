// The print button of the print panel: the airplane sheet as the child painted it.
#include "graphics/View3D.h"
#include "platform/Printer.h"
#include "print/PrintSheets.h"
#include "workshop/PaintWorkshop.h"

void PaintWorkshop::PrintSheet() {
    Printer* printer = host.Printing();
    if (printer == nullptr) return;
    // A missing skin cancels the print without a word.
    const Dib sheet = MakeAirplaneSheet(host.Paths().modelDir, host.ModelNumber(), host.View().texture);
    if (sheet.IsEmpty()) return;
    const ScreenLayout& l = host.Layout();
    printing = true;
    previewRefresh = false;
    host.Invalidate(l.canvas);
    host.Invalidate(l.view);
    PrintJob(*printer, sheet, std::min(host.PrintSize(), kLargestSheet), [this] {
        host.Tell("noprinter", "Aucune imprimante disponible !");
    });
    printing = false;
    host.Invalidate(l.canvas);
    host.Invalidate(l.view);
}
