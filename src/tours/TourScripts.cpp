// The tours' rows. Each step leads to the next number; a row without a cue ends its tour.
#include "tours/TourScripts.h"

namespace {

using enum TourExtra;

constexpr TourStep workshopSteps[] = {
    // The long tour, after the greeting "c205".
    {1, 1, nullptr, false, "c206", quiet, nullptr},
    {2, 2, "diy", false, "c207", repaintPointer, nullptr},
    {3, 2, "mov", false, "c208", repaintPointer, nullptr},
    {4, 5, "languageLabel", false, "c209", repaintPointer, nullptr},
    {5, 2, "ModelPick2", false, "c210", repaintPointer, nullptr},
    {6, 2, "docout", false, "c211", repaintPointer, nullptr},
    {7, 2, "docin", false, "c212", repaintPointer, nullptr},
    {8, 2, "vol", false, "c213", repaintPointer, nullptr},
    {9, 3, "zoom", false, "c214", repaintPointer, nullptr},
    {10, 3, "move", false, "c215", repaintPointer, nullptr},
    {11, 3, "rote", false, "c216", repaintPointer, nullptr},
    {12, 3, "undo", false, "c217", repaintPointer, nullptr},
    {13, 3, "change", false, "c218", repaintPointer, nullptr},
    {14, 4, "pencil", false, "c219", repaintPointer, nullptr},
    {15, 4, "gush", false, "c220", chooseStamp, nullptr},
    {16, 4, "picture", false, "c221", openStampChooser, nullptr},
    {17, 2, "roleqt", true, "c222", closeStampChooser, nullptr},
    {18, 4, "erase", false, "c223", repaintPointer, nullptr},
    {19, 4, "adjust", false, "c224", repaintPointer, nullptr},
    {20, 4, "print", false, "c225", repaintPointer, nullptr},
    {21, 1, "exit", false, "c226", repaintPointer, nullptr},
    {22, 1, nullptr, false, nullptr, repaintPointer, "exit"},
    // The short tour, after "c250".
    {31, 1, nullptr, false, "c227", quiet, nullptr},
    {32, 1, "diy", false, "c228", repaintPointer, nullptr},
    {33, 1, "mov", false, "c229", repaintPointer, nullptr},
    {34, 1, "languageLabel", false, "c230", repaintPointer, nullptr},
    {35, 1, "ModelPick2", false, "c231", repaintPointer, nullptr},
    {36, 1, "docout", false, "c232", repaintPointer, nullptr},
    {37, 1, "docin", false, "c233", repaintPointer, nullptr},
    {38, 1, "vol", false, "c234", repaintPointer, nullptr},
    {39, 1, "zoom", false, "c235", repaintPointer, nullptr},
    {40, 1, "move", false, "c236", repaintPointer, nullptr},
    {41, 1, "rote", false, "c237", repaintPointer, nullptr},
    {42, 1, "undo", false, "c238", repaintPointer, nullptr},
    {43, 1, "change", false, "c239", repaintPointer, nullptr},
    {44, 1, "pencil", false, "c240", repaintPointer, nullptr},
    {45, 1, "gush", false, "c241", chooseStampAndLabel, nullptr},
    {46, 1, "picture", false, "c242", openStampChooser, nullptr},
    {47, 1, "chooserUp", false, "c243", repaintPointer, nullptr},
    {48, 1, "chooserDown", false, "c244", repaintPointer, nullptr},
    {49, 1, "roleqt", true, "c245", closeStampChooser, nullptr},
    {50, 1, "erase", false, "c246", repaintPointer, nullptr},
    {51, 1, "adjust", false, "c247", repaintPointer, nullptr},
    {52, 1, "print", false, "c248", repaintPointer, nullptr},
    {53, 1, "exit", false, "c249", repaintPointer, nullptr},
    {54, 1, "help", false, nullptr, repaintPointer, "help"},
};

constexpr TourStep flightSteps[] = {
    // The long tour, after "c251".
    {61, 1, nullptr, false, "c252", quiet, nullptr},
    {62, 2, "MovieArea", false, "c253", repaintPointer, nullptr},
    {63, 3, "stepButton1", false, "c254", repaintPointer, nullptr},
    {64, 5, "first", false, "c255", repaintPointer, nullptr},
    {65, 5, "pre", false, "c256", repaintPointer, nullptr},
    {66, 5, "play", false, "c257", repaintPointer, nullptr},
    {67, 5, "stop", false, "c258", repaintPointer, nullptr},
    {68, 5, "next", false, "c259", repaintPointer, nullptr},
    {69, 5, "last", false, "c260", repaintPointer, nullptr},
    {70, 4, "steppri", false, nullptr, repaintPointer, nullptr},
    // The short tour, after "c261".
    {82, 1, "MovieArea", false, "c262", repaintPointer, nullptr},
    {83, 1, "stepButton1", false, "c263", repaintPointer, nullptr},
    {84, 1, "first", false, "c264", repaintPointer, nullptr},
    {85, 1, "pre", false, "c265", repaintPointer, nullptr},
    {86, 1, "play", false, "c266", repaintPointer, nullptr},
    {87, 1, "stop", false, "c267", repaintPointer, nullptr},
    {88, 5, "next", false, "c268", repaintPointer, nullptr},
    {89, 5, "last", false, "c269", repaintPointer, nullptr},
    {90, 4, "steppri", false, nullptr, repaintPointer, nullptr},
};

}  // namespace

std::span<const TourStep> WorkshopTourSteps() { return workshopSteps; }

std::span<const TourStep> FlightTourSteps() { return flightSteps; }

const TourStep* FindTourStep(std::span<const TourStep> steps, int32_t step) {
    for (const TourStep& row : steps) {
        if (row.step == step) return &row;
    }
    return nullptr;
}
