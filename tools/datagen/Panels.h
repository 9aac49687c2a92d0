// Panels: the tool panels and their knobs, the stamp chooser, the works box and the other
// pictures that are more than one button.
#pragma once

#include <cairo.h>

#include <map>
#include <string>

#include "Scenes.h"

// Key = value texts of the pictures (labels.txt): the words children read on them.
using Labels = std::map<std::string, std::string>;

// Panels in design coordinates at toolPanel: 1 pencil and spray, 2 print, 3 stamp, 4 adjust,
// 10 eraser (the numbers of their tc pictures).
void DrawToolPanel(cairo_t* cr, int picture);
// Knobs and the chart marker at the origin: tc0 and tc5 to tc9.
void DrawKnob(cairo_t* cr, int picture, int width, int height);
// The stamp chooser at stampBox with its buttons released.
void DrawStampChooser(cairo_t* cr);
// The works box at worksBox; models without an airplane picture show their number.
void DrawWorksBox(cairo_t* cr, const std::string& planesDir);
// One model cell of the works box (50 by 50) at the origin, marked as chosen.
void DrawChosenModelCell(cairo_t* cr);
// The loading picture at the origin, in language 'c' or 'e'.
void DrawLoading(cairo_t* cr, char language, int width, int height, const Labels& labels);
void DrawLanguageLabel(cairo_t* cr, char language, const Labels& labels);
// The tool picture of panelPage `tool`, with the tool buttons it overlaps.
void DrawToolLabel(cairo_t* cr, int tool);
void DrawVolumeKnob(cairo_t* cr, int width, int height);
// The movie area before a movie shows, and an empty step frame.
void DrawMovieWaiting(cairo_t* cr);
void DrawStepFrame(cairo_t* cr);
// A model column page (page 0 to 8) at modelColumn from the airplane pictures NN.png of
// planesDir; false when a picture of the page is missing.
[[nodiscard]] bool DrawModelColumn(cairo_t* cr, int page, const std::string& planesDir);
