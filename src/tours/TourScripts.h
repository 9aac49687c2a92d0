// TourScripts: the rows of the four guided tours, one row per step.
#pragma once

#include <cstdint>
#include <span>

// What a step does after its cue has started, besides moving to the next step.
enum class TourExtra : uint8_t {
    repaintPointer,     // invalidate the pointer's last area
    quiet,              // invalidate nothing
    // The spray step ends by choosing the stamp for the stamp step that follows: the stamp
    // tool and its label page 3; repaint gush, picture and toolPanel.
    chooseStamp,
    chooseStampAndLabel,  // the same, and toolLabel
    openStampChooser,   // repaint picture; open the chooser, label page 4; repaint stampBox
    closeStampChooser,  // the pencil, chooser closed, label page 1; repaint stampBox,
                        // toolPanel and pencil
};

struct TourStep {
    int32_t step;
    int32_t animation;   // guide animation 1 to 5
    const char* target;  // layout entry the pointer shows; null: none
    bool corner;         // point at the target's left and top instead of its centre
    const char* cue;     // started when the previous cue has finished; null on a last step
    TourExtra extra;
    const char* lastRepaint;  // last step: the layout entry repainted; null: the pointer's area
};

// Workshop: the long tour 1 to 22 and the short tour 31 to 54.
[[nodiscard]] std::span<const TourStep> WorkshopTourSteps();
// Flight screen: the long tour 61 to 70 and the short tour 82 to 90.
[[nodiscard]] std::span<const TourStep> FlightTourSteps();
// The row of a step, or null.
[[nodiscard]] const TourStep* FindTourStep(std::span<const TourStep> steps, int32_t step);
