// The two printed sheets: the airplane sheet (the model's unfolded skin as the child painted it,
// under the model's cut and fold lines) and the folding-steps sheet, each one print job.
#pragma once

#include <cstdint>
#include <functional>

#include "base/PathString.h"
#include "graphics/Dib.h"
#include "platform/Printer.h"

inline constexpr const char* kDocumentName = "du modele";
// The airplane sheet never fills the page to its edge.
inline constexpr int32_t kLargestSheet = 98;

// The sheet of `model`: the line overlay's size (the skin file's without one), the 256 x 256
// painted texture stretched onto it, the overlay's non-white pixels over that, turned a quarter
// counter-clockwise when more than twice as wide as high. Empty when the skin cannot be loaded.
[[nodiscard]] Dib MakeAirplaneSheet(const PathString& modelDir, int32_t model,
                                    const Dib& texture);
// The picture turned a quarter counter-clockwise.
[[nodiscard]] Dib TurnQuarter(const Dib& picture);

// One job of the picture at the percentage. With no printer installed the child is told first;
// the dialog still opens, as it can print to a file.
PrintOutcome PrintJob(Printer& printer, const Dib& picture, int32_t percentage,
                      const std::function<void()>& sayNoPrinter);
// The folding-steps picture of `model` from the movie folder (24-bit or paletted), at the print
// size; failed, with nothing printed, when it cannot be loaded.
PrintOutcome PrintSteps(Printer& printer, const PathString& movieDir, int32_t model,
                        int32_t printSize, const std::function<void()>& sayNoPrinter);
