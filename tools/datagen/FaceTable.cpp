// FaceTable: the face pictures, each tied to the layout entry it is drawn in.
#include "FaceTable.h"

#include <cstdio>

#include "base/ScreenLayout.h"

namespace {

struct Row {
    const char* file;
    const char* entry;  // or null with a fixed size
    int width;
    int height;
    bool transparent;
};

// Series whose members share one rectangle are listed member by member: the names are the
// program's and read better spelled out than computed.
const Row kRows[] = {
    {"load-c.bmp", nullptr, 480, 320, false},
    {"load-e.bmp", nullptr, 480, 320, false},
    {"paintbk.bmp", "DesignScreen", 0, 0, false},
    {"moviebk.bmp", "DesignScreen", 0, 0, false},
    {"ia1.bmp", "docout", 0, 0, false},
    {"ia2.bmp", "docin", 0, 0, false},
    {"ia3.bmp", "zoom", 0, 0, false},
    {"ia4.bmp", "move", 0, 0, false},
    {"ia5.bmp", "rote", 0, 0, false},
    {"ia6.bmp", "undo", 0, 0, false},
    {"ia7.bmp", "diy", 0, 0, false},
    {"ia8.bmp", "mov", 0, 0, false},
    {"ia9.bmp", "zoom", 0, 0, false},
    {"ib1.bmp", "docout", 0, 0, false},
    {"ib2.bmp", "docin", 0, 0, false},
    {"ib3.bmp", "zoom", 0, 0, false},
    {"ib4.bmp", "move", 0, 0, false},
    {"ib5.bmp", "rote", 0, 0, false},
    {"ib6.bmp", "undo", 0, 0, false},
    {"ib7.bmp", "diy", 0, 0, false},
    {"ib8.bmp", "mov", 0, 0, false},
    {"ib9.bmp", "zoom", 0, 0, false},
    {"ta1.bmp", "pencil", 0, 0, false},
    {"ta2.bmp", "gush", 0, 0, false},
    {"ta3.bmp", "picture", 0, 0, false},
    {"ta4.bmp", "erase", 0, 0, false},
    {"ta5.bmp", "adjust", 0, 0, false},
    {"ta6.bmp", "print", 0, 0, false},
    {"tb1.bmp", "pencil", 0, 0, false},
    {"tb2.bmp", "gush", 0, 0, false},
    {"tb3.bmp", "picture", 0, 0, false},
    {"tb4.bmp", "erase", 0, 0, false},
    {"tb5.bmp", "adjust", 0, 0, false},
    {"tb6.bmp", "print", 0, 0, false},
    {"tc0.bmp", nullptr, 16, 16, false},  // drawn inverting: black leaves the chart unchanged
    {"tc1.bmp", "toolPanel", 0, 0, false},
    {"tc2.bmp", "toolPanel", 0, 0, false},
    {"tc3.bmp", "toolPanel", 0, 0, false},
    {"tc4.bmp", "toolPanel", 0, 0, false},
    {"tc5.bmp", nullptr, 20, 10, true},
    {"tc6.bmp", nullptr, 12, 26, false},
    {"tc7.bmp", nullptr, 24, 8, false},
    {"tc8.bmp", nullptr, 20, 10, true},
    {"tc9.bmp", nullptr, 12, 15, false},
    {"tc10.bmp", "toolPanel", 0, 0, false},
    {"pic1.bmp", "stampBox", 0, 0, false},
    {"pic2.bmp", "chooserUp", 0, 0, false},
    {"pic3.bmp", "chooserUp", 0, 0, false},
    {"pic4.bmp", "chooserDown", 0, 0, false},
    {"pic5.bmp", "chooserDown", 0, 0, false},
    {"pic6.bmp", "roleqt", 0, 0, false},
    {"pic7.bmp", "roleqt", 0, 0, false},
    {"out.bmp", "exit", 0, 0, false},
    {"mova0.bmp", "MovieArea", 0, 0, false},
    {"mova1.bmp", "first", 0, 0, false},
    {"mova2.bmp", "pre", 0, 0, false},
    {"mova3.bmp", "play", 0, 0, false},
    {"mova4.bmp", "stop", 0, 0, false},
    {"mova5.bmp", "next", 0, 0, false},
    {"mova6.bmp", "last", 0, 0, false},
    {"movb1.bmp", "first", 0, 0, false},
    {"movb2.bmp", "pre", 0, 0, false},
    {"movb3.bmp", "play", 0, 0, false},
    {"movb4.bmp", "stop", 0, 0, false},
    {"movb5.bmp", "next", 0, 0, false},
    {"movb6.bmp", "last", 0, 0, false},
    {"sp01.bmp", "modelUp", 0, 0, false},
    {"sp02.bmp", "modelUp", 0, 0, false},
    {"sp03.bmp", "modelDown", 0, 0, false},
    {"sp04.bmp", "modelDown", 0, 0, false},
    {"avi-A1.bmp", "stepButton1", 0, 0, false},
    {"avi-A2.bmp", "stepPageUp", 0, 0, false},
    {"avi-A3.bmp", "stepPageUp", 0, 0, false},
    {"avi-A4.bmp", "stepPageDown", 0, 0, false},
    {"avi-A5.bmp", "stepPageDown", 0, 0, false},
    {"save01.bmp", "worksBox", 0, 0, false},
    {"save02.bmp", "worksCell", 0, 0, false},
    {"save03.bmp", nullptr, 52, 50, false},  // one model cell of the works box
    {"save04.bmp", "worksUp", 0, 0, false},
    {"save05.bmp", "worksUp", 0, 0, false},
    {"save06.bmp", "worksDown", 0, 0, false},
    {"save07.bmp", "worksDown", 0, 0, false},
    {"save08.bmp", "saveback", 0, 0, false},
    {"save09.bmp", "saveash", 0, 0, false},
    {"sign01.bmp", nullptr, 20, 18, true},
    {"sign02.bmp", nullptr, 20, 18, true},
    {"l-sc.bmp", "languageLabel", 0, 0, false},
    {"l-se.bmp", "languageLabel", 0, 0, false},
    {"sound-s.bmp", nullptr, 16, 18, true},
    {"aim01.bmp", "toolLabel", 0, 0, false},
    {"aim02.bmp", "toolLabel", 0, 0, false},
    {"aim03.bmp", "toolLabel", 0, 0, false},
    {"aim04.bmp", "toolLabel", 0, 0, false},
    {"aim05.bmp", "toolLabel", 0, 0, false},
    {"aim06.bmp", "toolLabel", 0, 0, false},
};

int RoundUp4(int value) { return (value + 3) / 4 * 4; }

FacePicture FromRow(const Row& row) {
    FacePicture p;
    p.file = row.file;
    p.whiteTransparent = row.transparent;
    p.width = row.width;
    p.height = row.height;
    if (row.entry != nullptr) {
        p.entry = row.entry;
        if (const Rect* r = ScreenLayout::DesignRect(row.entry)) {
            p.width = RoundUp4(r->Width());
            p.height = r->Height();
        }
    }
    return p;
}

std::vector<FacePicture> Build() {
    std::vector<FacePicture> all;
    for (const Row& row : kRows) all.push_back(FromRow(row));
    for (int k = 1; k <= 15; ++k) {
        char name[16];
        std::snprintf(name, sizeof name, "ht%02d.bmp", k);
        all.push_back(FromRow({name, "help", 0, 0, false}));
    }
    // The model column pages show the airplanes, three a page.
    for (int k = 1; k <= 9; ++k) {
        char name[16];
        std::snprintf(name, sizeof name, "s0%d.bmp", k);
        FacePicture p = FromRow({name, "modelColumn", 0, 0, false});
        p.airplane = true;
        all.push_back(p);
    }
    return all;
}

}  // namespace

const std::vector<FacePicture>& FacePictures() {
    static const std::vector<FacePicture> all = Build();
    return all;
}

const FacePicture* FindFacePicture(const std::string& file) {
    for (const FacePicture& p : FacePictures()) {
        if (p.file == file) return &p;
    }
    return nullptr;
}

std::string StampName(int number) {
    char name[16];
    std::snprintf(name, sizeof name, "%02d.bmp", number);
    return name;
}
