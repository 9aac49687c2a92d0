// WorkshopPictures: the face-folder pictures the workshop draws its controls with, loaded once
// at set-up and named by what they show. A picture that cannot be read stays empty and is simply
// not drawn.
#pragma once

#include <array>

#include "base/PathString.h"
#include "graphics/Dib.h"
#include "platform/Surface.h"
#include "workshop/PaintTool.h"

// One picture a tool.
struct ToolPictures {
    std::array<Dib, kToolCount> pictures;
    [[nodiscard]] Dib& operator[](Tool t) { return pictures[size_t(NumberOf(t) - 1)]; }
    [[nodiscard]] const Dib& operator[](Tool t) const { return pictures[size_t(NumberOf(t) - 1)]; }
};

struct WorkshopPictures {
    void Load(const PathString& faceDir);

    ToolPictures toolButtons, toolButtonsPressed;
    // The view modes' buttons, and each as it shows while pressed.
    Dib zoom, zoomInPressed, zoomOutPressed;
    Dib move, movePressed;
    Dib rotate, rotatePressed;
    Dib undo, undoPressed;
    // The pane swaps show only while pressed.
    Dib docOutPressed, docInPressed;
    Dib diy, flight;  // the workshop's own button and the one to the flight screen
    // The tool panels' backgrounds; the pencil and the spray share the pen's.
    Dib penPanel, printPanel, stampPanel, adjustPanel, eraserPanel;
    // The sliders' knobs; the eraser and the print panel share the size knob.
    Dib penKnob, sizeKnob, stampKnob, adjustKnob;
    std::array<Dib, 8> pic;            // stamp chooser, index 1 to 7
    std::array<Dib, 10> column;        // the model column's slots, index 1 to 9
    std::array<Dib, 5> columnButtons;  // the column's up and down, index 1 to 4
    std::array<Dib, 7> toolLabels;     // index 1 to 6
    Dib chineseLabel, englishLabel;
    Surface marker;                    // the colour chart's marker, drawn by inverting
};
