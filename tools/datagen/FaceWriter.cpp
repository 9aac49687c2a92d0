// FaceWriter: each face picture is a crop of its screen: the backdrop first, then the control
// in the look the file stands for, so a button always matches what lies around it.
#include "FaceWriter.h"

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <functional>
#include <map>

#include "FaceTable.h"
#include "Guide.h"
#include "Paint.h"
#include "Stamps.h"

namespace {

using Draw = std::function<void(cairo_t*)>;
enum class Base { none, workshop, flight, chooser, works };

struct Job {
    Base base;
    Draw draw;
};

Draw Square(const char* entry, Icon icon, uint32_t colour, Look look) {
    return [=](cairo_t* cr) { DrawSquareButton(cr, Design(entry), icon, colour, look); };
}

Draw Disc(const char* entry, Icon icon, uint32_t colour, Look look) {
    return [=](cairo_t* cr) { DrawDiscButton(cr, Design(entry), icon, colour, look); };
}

void AddScreenButtons(std::map<std::string, Job>& jobs) {
    const Base w = Base::workshop;
    jobs["ia1.bmp"] = {w, Square("docout", Icon::openFolder, 0xF15BB5, Look::held)};
    jobs["ia2.bmp"] = {w, Square("docin", Icon::save, 0x00BBF9, Look::held)};
    jobs["ib1.bmp"] = {w, Square("docout", Icon::openFolder, 0xF15BB5, Look::chosen)};
    jobs["ib2.bmp"] = {w, Square("docin", Icon::save, 0x00BBF9, Look::chosen)};
    const struct {
        const char* entry;
        Icon icon;
        int number;
    } views[] = {{"zoom", Icon::zoomIn, 3}, {"move", Icon::hand, 4}, {"rote", Icon::rotate, 5}};
    for (const auto& v : views) {
        const std::string n = std::to_string(v.number) + ".bmp";
        jobs["ia" + n] = {w, Square(v.entry, v.icon, colours::view, Look::idle)};
        jobs["ib" + n] = {w, Square(v.entry, v.icon, colours::view, Look::chosen)};
    }
    jobs["ia9.bmp"] = {w, Square("zoom", Icon::zoomOut, colours::view, Look::idle)};
    jobs["ib9.bmp"] = {w, Square("zoom", Icon::zoomOut, colours::view, Look::chosen)};
    jobs["ia6.bmp"] = {w, Square("undo", Icon::undo, colours::view, Look::idle)};
    jobs["ib6.bmp"] = {w, Square("undo", Icon::undo, colours::view, Look::held)};
    jobs["ib7.bmp"] = {w, [](cairo_t* cr) {
                           DrawTab(cr, Design("diy"), Icon::brush, 0xFF5A5F, Look::chosen);
                       }};
    jobs["ia8.bmp"] = {w, [](cairo_t* cr) {
                           DrawTab(cr, Design("mov"), Icon::film, 0x3A86FF, Look::idle);
                       }};
    jobs["ia7.bmp"] = {Base::flight, [](cairo_t* cr) {
                           DrawTab(cr, Design("diy"), Icon::brush, 0xFF5A5F, Look::idle);
                       }};
    jobs["ib8.bmp"] = {Base::flight, [](cairo_t* cr) {
                           DrawTab(cr, Design("mov"), Icon::film, 0x3A86FF, Look::chosen);
                       }};
    jobs["out.bmp"] = {w, Square("exit", Icon::door, 0xE63946, Look::held)};
    jobs["sp01.bmp"] = {w, Square("modelUp", Icon::arrowUp, colours::scroll, Look::idle)};
    jobs["sp02.bmp"] = {w, Square("modelUp", Icon::arrowUp, colours::scroll, Look::held)};
    jobs["sp03.bmp"] = {w, Square("modelDown", Icon::arrowDown, colours::scroll, Look::idle)};
    jobs["sp04.bmp"] = {w, Square("modelDown", Icon::arrowDown, colours::scroll, Look::held)};
}

void AddToolsAndTransport(std::map<std::string, Job>& jobs) {
    static const char* transport[] = {"first", "pre", "play", "stop", "next", "last"};
    static const Icon transportIcons[] = {Icon::first, Icon::previous, Icon::play,
                                          Icon::stop,  Icon::next,     Icon::last};
    for (int t = 1; t <= 6; ++t) {
        const std::string n = std::to_string(t) + ".bmp";
        jobs["ta" + n] = {Base::workshop, Disc(ToolEntry(t), ToolIcon(t), SlotColour(t), Look::idle)};
        jobs["tb" + n] = {Base::workshop,
                          Disc(ToolEntry(t), ToolIcon(t), SlotColour(t), Look::chosen)};
        jobs["mova" + n] = {Base::flight, Disc(transport[t - 1], transportIcons[t - 1],
                                               SlotColour(t), Look::idle)};
        jobs["movb" + n] = {Base::flight, Disc(transport[t - 1], transportIcons[t - 1],
                                               SlotColour(t), Look::held)};
        jobs["aim0" + n] = {Base::workshop, [t](cairo_t* cr) { DrawToolLabel(cr, t); }};
    }
    for (int p : {1, 2, 3, 4, 10}) {
        jobs["tc" + std::to_string(p) + ".bmp"] = {Base::workshop,
                                                   [p](cairo_t* cr) { DrawToolPanel(cr, p); }};
    }
    jobs["mova0.bmp"] = {Base::flight, DrawMovieWaiting};
    jobs["avi-A1.bmp"] = {Base::flight, DrawStepFrame};
    jobs["avi-A2.bmp"] = {Base::flight, Square("stepPageUp", Icon::arrowUp, colours::scroll, Look::idle)};
    jobs["avi-A3.bmp"] = {Base::flight, Square("stepPageUp", Icon::arrowUp, colours::scroll, Look::held)};
    jobs["avi-A4.bmp"] = {Base::flight,
                          Square("stepPageDown", Icon::arrowDown, colours::scroll, Look::idle)};
    jobs["avi-A5.bmp"] = {Base::flight,
                          Square("stepPageDown", Icon::arrowDown, colours::scroll, Look::held)};
}

void AddBoxes(std::map<std::string, Job>& jobs) {
    jobs["pic1.bmp"] = {Base::workshop, DrawStampChooser};
    jobs["pic2.bmp"] = {Base::chooser, Square("chooserUp", Icon::arrowUp, colours::scroll, Look::idle)};
    jobs["pic3.bmp"] = {Base::chooser, Square("chooserUp", Icon::arrowUp, colours::scroll, Look::held)};
    jobs["pic4.bmp"] = {Base::chooser,
                        Square("chooserDown", Icon::arrowDown, colours::scroll, Look::idle)};
    jobs["pic5.bmp"] = {Base::chooser,
                        Square("chooserDown", Icon::arrowDown, colours::scroll, Look::held)};
    jobs["pic6.bmp"] = {Base::chooser, Square("roleqt", Icon::close, 0xE63946, Look::idle)};
    jobs["pic7.bmp"] = {Base::chooser, Square("roleqt", Icon::close, 0xE63946, Look::held)};
    jobs["save02.bmp"] = {Base::works, [](cairo_t*) {}};
    jobs["save03.bmp"] = {Base::none, DrawChosenModelCell};
    jobs["save04.bmp"] = {Base::works, Square("worksUp", Icon::arrowUp, colours::scroll, Look::idle)};
    jobs["save05.bmp"] = {Base::works, Square("worksUp", Icon::arrowUp, colours::scroll, Look::held)};
    jobs["save06.bmp"] = {Base::works,
                          Square("worksDown", Icon::arrowDown, colours::scroll, Look::idle)};
    jobs["save07.bmp"] = {Base::works,
                          Square("worksDown", Icon::arrowDown, colours::scroll, Look::held)};
    jobs["save08.bmp"] = {Base::works, Square("saveback", Icon::back, 0x3DC47E, Look::held)};
    jobs["save09.bmp"] = {Base::works, Square("saveash", Icon::trash, 0xE63946, Look::held)};
}

void AddFigures(std::map<std::string, Job>& jobs, const GenerateOptions& o) {
    for (int f = 1; f <= 15; ++f) {
        char name[16];
        std::snprintf(name, sizeof name, "ht%02d.bmp", f);
        jobs[name] = {Base::workshop, [f](cairo_t* cr) { DrawGuide(cr, f); }};
    }
    jobs["sign01.bmp"] = {Base::none, [](cairo_t* cr) { DrawPointerSign(cr, 1); }};
    jobs["sign02.bmp"] = {Base::none, [](cairo_t* cr) { DrawPointerSign(cr, 2); }};
    jobs["paintbk.bmp"] = {Base::workshop, [](cairo_t*) {}};
    jobs["moviebk.bmp"] = {Base::flight, [](cairo_t*) {}};
    const Labels& labels = o.labels;
    jobs["load-c.bmp"] = {Base::none, [&labels](cairo_t* cr) { DrawLoading(cr, 'c', 480, 320, labels); }};
    jobs["load-e.bmp"] = {Base::none, [&labels](cairo_t* cr) { DrawLoading(cr, 'e', 480, 320, labels); }};
    jobs["l-sc.bmp"] = {Base::workshop, [&labels](cairo_t* cr) { DrawLanguageLabel(cr, 'c', labels); }};
    jobs["l-se.bmp"] = {Base::workshop, [&labels](cairo_t* cr) { DrawLanguageLabel(cr, 'e', labels); }};
    for (int k : {0, 5, 6, 7, 8, 9}) {
        const FacePicture* p = FindFacePicture("tc" + std::to_string(k) + ".bmp");
        jobs[p->file] = {Base::none, [k, p](cairo_t* cr) { DrawKnob(cr, k, p->width, p->height); }};
    }
    jobs["sound-s.bmp"] = {Base::none, [](cairo_t* cr) { DrawVolumeKnob(cr, 16, 18); }};
    const std::string planes = o.planesDir;
    jobs["save01.bmp"] = {Base::workshop, [planes](cairo_t* cr) { DrawWorksBox(cr, planes); }};
}

void DrawBase(cairo_t* cr, Base base, const std::string& planesDir) {
    if (base == Base::none) return;
    DrawBackdrop(cr, base == Base::flight ? Screen::flight : Screen::workshop);
    if (base == Base::chooser) DrawStampChooser(cr);
    if (base == Base::works) DrawWorksBox(cr, planesDir);
}

bool WriteFace(const FacePicture& p, const Job& job, const GenerateOptions& o,
               const std::string& path) {
    Picture picture(p.width, p.height);
    cairo_t* cr = picture.Cr();
    if (!p.entry.empty()) {
        const Rect r = Design(p.entry.c_str());
        cairo_translate(cr, -r.left, -r.top);
    }
    DrawBase(cr, job.base, o.planesDir);
    job.draw(cr);
    return SaveBitmap(picture, path, p.whiteTransparent);
}

// The model column pages show the airplanes: they are made only once the airplane pictures
// exist, and a page whose pictures are missing is left out for the checker to report.
bool WriteModelColumn(const FacePicture& p, const GenerateOptions& o, const std::string& path) {
    if (o.planesDir.empty()) return false;
    Picture picture(p.width, p.height);
    const Rect r = Design(p.entry.c_str());
    cairo_translate(picture.Cr(), -r.left, -r.top);
    DrawBase(picture.Cr(), Base::workshop, o.planesDir);
    return DrawModelColumn(picture.Cr(), p.file[2] - '1', o.planesDir) &&
           SaveBitmap(picture, path, false);
}

bool WriteStamps(const std::string& piclib, std::vector<std::string>& written) {
    for (int n = 1; n <= stampCount; ++n) {
        Picture picture(stampSide, stampSide);
        DrawStamp(picture.Cr(), n);
        const std::string bmp = piclib + "bmp/" + StampName(n);
        const std::string msk = piclib + "msk/" + StampName(n);
        if (!SaveStampPicture(picture, bmp) || !SaveGreyMask(picture, msk)) {
            std::fprintf(stderr, "zephine-datagen: cannot write %s\n", bmp.c_str());
            return false;
        }
        written.push_back(bmp);
    }
    return true;
}

}  // namespace

std::vector<std::string> WritePictures(const GenerateOptions& o) {
    namespace fs = std::filesystem;
    const std::string face = o.root + "/Diy/Face/", piclib = o.root + "/Diy/Piclib/";
    std::error_code ec;
    for (const std::string& dir : {face, piclib + "bmp", piclib + "msk"}) fs::create_directories(dir, ec);
    std::map<std::string, Job> jobs;
    AddScreenButtons(jobs);
    AddToolsAndTransport(jobs);
    AddBoxes(jobs);
    AddFigures(jobs, o);
    std::vector<std::string> written;
    for (const FacePicture& p : FacePictures()) {
        if (p.airplane) {
            if (WriteModelColumn(p, o, face + p.file)) written.push_back(face + p.file);
            continue;
        }
        const auto job = jobs.find(p.file);
        if (job == jobs.end()) {
            std::fprintf(stderr, "zephine-datagen: no drawing for %s\n", p.file.c_str());
            return {};
        }
        if (!WriteFace(p, job->second, o, face + p.file)) {
            std::fprintf(stderr, "zephine-datagen: cannot write %s%s\n", face.c_str(), p.file.c_str());
            return {};
        }
        written.push_back(face + p.file);
    }
    if (!WriteStamps(piclib, written)) return {};
    return written;
}
