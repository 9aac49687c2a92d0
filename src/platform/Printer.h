// Printer port: the platform's print dialog and print job. A job prints one landscape page; the
// program's own page printer draws it row by row through PrintRows.
#pragma once

#include <cstdint>
#include <functional>
#include <span>
#include <string>

class PrintRows {
public:
    virtual ~PrintRows() = default;
    // Draws one row of pixels (3 bytes each: blue, green, red) at row y of the page, from its
    // left edge.
    virtual void DrawRow(int32_t y, std::span<const uint8_t> bgr) = 0;
    // True once the child has pressed Cancel in the progress dialog.
    [[nodiscard]] virtual bool CancelRequested() = 0;
};

enum class PrintOutcome { printed, cancelled, failed };

class Printer {
public:
    virtual ~Printer() = default;
    // False when the system knows no printer at all (the dialog can still print to a file).
    [[nodiscard]] virtual bool HasPrinter() = 0;
    // Runs a job named `name`: the print dialog (or, when so configured, an export to a file
    // without one), then `drawPage` with the page's rows and its size in pixels. Returns when the
    // job is over; `cancelled` when the dialog was cancelled.
    virtual PrintOutcome Print(
        const std::string& name,
        const std::function<void(PrintRows& rows, int32_t width, int32_t height)>& drawPage) = 0;
};
