// ScreenLayout: the named rectangles of both screens, designed on an 800 by 600 grid and centred
// (never scaled) on the display. Two entries are also given flipped for OpenGL's upward window
// coordinates.
#pragma once

#include <cstdint>
#include <span>
#include <string_view>

#include "base/Rect.h"

class ScreenLayout {
public:
    // The offset is taken from the display size given here, once.
    ScreenLayout(int32_t displayWidth, int32_t displayHeight);

    // An entry by its name (the settings key of its button, or its role); null when unknown.
    [[nodiscard]] Rect* Find(std::string_view name);
    [[nodiscard]] const Rect* Find(std::string_view name) const;
    // The unplaced 800 by 600 design rectangle of an entry; null when unknown.
    [[nodiscard]] static const Rect* DesignRect(std::string_view name);
    // Every entry's name, in table order.
    [[nodiscard]] static std::span<const std::string_view> Names();

    // The centring offset added (ToScreen) or removed (ToDesign).
    [[nodiscard]] Rect ToScreen(Rect r) const;
    [[nodiscard]] Rect ToDesign(Rect r) const;
    // A centred rectangle in OpenGL's window coordinates: top holds the lower edge.
    [[nodiscard]] Rect FlipForGl(Rect r) const;

    Rect canvas;
    Rect view;
    Rect canvasGl;
    Rect viewGl;
    Rect DesignScreen;
    Rect Screen;
    Rect docout;
    Rect docin;
    Rect zoom;
    Rect move;
    Rect rote;
    Rect undo;
    Rect pencil;
    Rect gush;
    Rect picture;
    Rect erase;
    Rect adjust;
    Rect print;
    Rect toolPanel;
    Rect choosecolor;
    Rect thick;
    Rect colortrans;
    Rect colourSwatch;
    Rect adjusth;
    Rect adjusts;
    Rect adjustl;
    Rect rolepic;
    Rect rolerotate;
    Rect rolesize;
    Rect stampBox;
    Rect stampGrid;
    Rect chooserUp;
    Rect chooserDown;
    Rect roleqt;
    Rect stampCell;
    Rect erasesize;
    Rect steppri;
    Rect exit;
    Rect first;
    Rect pre;
    Rect play;
    Rect stop;
    Rect next;
    Rect last;
    Rect diy;
    Rect mov;
    Rect MovieArea;
    Rect stepButton1;
    Rect stepButton2;
    Rect stepButton3;
    Rect stepButton4;
    Rect stepPageUp;
    Rect stepPageDown;
    Rect modelColumn;
    Rect ModelPick1;
    Rect ModelPick2;
    Rect ModelPick3;
    Rect modelUp;
    Rect modelDown;
    Rect change;
    Rect worksBox;
    Rect worksModelGrid;
    Rect worksUp;
    Rect worksDown;
    Rect saveback;
    Rect saveash;
    Rect saveboxall;
    Rect worksCell;
    Rect help;
    Rect languageLabel;
    Rect vol;
    Rect toolLabel;
private:
    int32_t dx = 0;
    int32_t dy = 0;
    int32_t flipHeight = 0;
};
