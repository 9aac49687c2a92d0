// FakePrinter: a page of a chosen size in pixels; keeps every row the page printer sends.
#pragma once

#include <string>
#include <vector>

#include "platform/Printer.h"

class FakePrinter final : public Printer, public PrintRows {
public:
    bool HasPrinter() override { return installed; }
    PrintOutcome Print(const std::string& name,
                       const std::function<void(PrintRows&, int32_t, int32_t)>& drawPage) override {
        names.push_back(name);
        rows.clear();
        drawPage(*this, pageWidth, pageHeight);
        return PrintOutcome::printed;
    }
    void DrawRow(int32_t y, std::span<const uint8_t> bgr) override {
        ys.push_back(y);
        rows.emplace_back(bgr.begin(), bgr.end());
    }
    bool CancelRequested() override { return cancelAfter >= 0 && int(rows.size()) > cancelAfter; }

    // The width of the sheet printed last, in pixels.
    [[nodiscard]] int32_t PrintedWidth() const { return rows.empty() ? 0 : int32_t(rows[0].size() / 3); }

    bool installed = true;
    int cancelAfter = -1;  // Cancel is pressed while row k is sent
    int32_t pageWidth = 1000;
    int32_t pageHeight = 1000;
    std::vector<std::string> names;
    std::vector<int32_t> ys;
    std::vector<std::vector<uint8_t>> rows;
};
