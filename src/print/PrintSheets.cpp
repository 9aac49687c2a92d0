// The airplane sheet and the folding-steps sheet.
#include "print/PrintSheets.h"

#include <algorithm>
#include <cstring>
#include <string>

#include "base/InstallPaths.h"
#include "print/PagePrinter.h"
#include "raster/StampScaling.h"

Dib MakeAirplaneSheet(const PathString& modelDir, int32_t model, const Dib& texture) {
    // No skin, no sheet: a model without one is broken, and its print is cancelled.
    const Dib skin = Dib::LoadFromFile(BuildModelFileNames(modelDir, model).texture);
    if (!skin.IsUsable()) return {};
    // The lines are drawn at print resolution, so they give the sheet its size; the painting is
    // stretched to it. Without its lines the sheet still prints, at the skin's size.
    const Dib lines = Dib::LoadFromFile(modelDir + ModelStem(model) + "m.bmp");
    const Dib& shape = lines.IsEmpty() ? skin : lines;
    Dib sheet = Dib::CreateBlank(shape.Width(), shape.Height());
    if (sheet.IsEmpty()) return {};
    const Dib& painting = texture.IsUsable() ? texture : skin;
    if (StretchCopy(sheet.Block(), 0, 0, sheet.Width(), sheet.Height(), painting.Block(), 0, 0,
                    painting.Width(), painting.Height()) != 1)
        return {};
    lines.OverlayNonWhiteOnto(&sheet);
    if (2 * sheet.Height() < sheet.Width()) return TurnQuarter(sheet);
    return sheet;
}

Dib TurnQuarter(const Dib& picture) {
    const int32_t w = picture.Width(), h = picture.Height();
    Dib turned = Dib::CreateBlank(h, w);
    if (turned.IsEmpty() || !picture.IsUsable()) return {};
    // Row r of the turned picture is column w - 1 - r of the original, read downwards.
    for (int32_t r = 0; r < w; ++r)
        for (int32_t c = 0; c < h; ++c)
            std::memcpy(turned.PixelAt(c, r), picture.PixelAt(w - 1 - r, c), 3);
    return turned;
}

PrintOutcome PrintJob(Printer& printer, const Dib& picture, int32_t percentage,
                      const std::function<void()>& sayNoPrinter) {
    if (!picture.IsUsable()) return PrintOutcome::failed;
    if (!printer.HasPrinter() && sayNoPrinter) sayNoPrinter();
    const PictureRows rows = RowsOf(picture);
    return printer.Print(kDocumentName, [&](PrintRows& page, int32_t width, int32_t height) {
        PrintPicture(rows, percentage, page, width, height);
    });
}

PrintOutcome PrintSteps(Printer& printer, const PathString& movieDir, int32_t model,
                        int32_t printSize, const std::function<void()>& sayNoPrinter) {
    const std::string stem = (model < 10 ? "Step0" : "Step") + std::to_string(model);
    // Installed with a colour table of the drawing's own colours.
    const Dib steps = Dib::LoadFromFile(movieDir + stem + ".bmp").TwentyFourBit();
    if (!steps.IsUsable()) return PrintOutcome::failed;
    return PrintJob(printer, steps, printSize, sayNoPrinter);
}
