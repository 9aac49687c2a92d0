// zephine-data check ROOT [--airplanes-optional]: checks a whole installation (ROOT holds Diy/
// and Sound/) the way the program reads it: every picture, stamp, mask, tooltip text, prompt,
// effect and, once they exist, every airplane file. One line per problem, then a total.
#include <algorithm>
#include <cmath>
#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

#include "Commands.h"
#include "FaceTable.h"
#include "graphics/Dib.h"
#include "graphics/FoldAnimation.h"
#include "graphics/ModelMesh.h"
#include "graphics/SectionFile.h"
#include "graphics/View3D.h"
#include "platform/ProfileReader.h"
#include "platform/movie/FfmpegMovieSource.h"
#include "base/Tokenizer.h"
#include "sound/WaveReader.h"

namespace {

// Every key the tooltip builders look up, in both languages.
const char* const kTipKeys[] = {
    "diy",        "mov",        "docout",   "docin",    "vol",        "zoom",      "move",
    "rote",       "undo",       "change",   "pencil",   "gush",       "picture",   "erase",
    "adjust",     "print",      "help",     "exit",     "sprite",     "roleup",    "roledn",
    "colortrans", "thick",      "choosecolor", "rolerotate", "rolesize", "rolepic", "erasesize",
    "adjusth",    "adjusts",    "adjustl",  "steppri",  "printsize",  "saveboxall", "saveash",
    "saveback",   "roleqt",     "first",    "pre",      "play",       "stop",      "next",
    "last",
};
constexpr size_t tipLength = 99;      // the longest tooltip text the program keeps
constexpr size_t questionLength = 100;
constexpr int maxMarks = 30;          // the program's table of step marks

struct Report {
    int files = 0;
    std::vector<std::string> problems;
    std::vector<std::string> airplane;  // problems with the files of the airplanes
};

bool Exists(const std::string& path) {
    std::error_code ec;
    return std::filesystem::is_regular_file(path, ec);
}

// Empty when the file is a usable 24-bit picture of the size given (0 accepts any size).
std::string PictureProblem(const std::string& path, int width, int height) {
    if (!Exists(path)) return "missing";
    const Dib dib = Dib::LoadFromFile(path);
    if (dib.IsEmpty()) return "not a bitmap the program can load (24-bit, width a multiple of 4)";
    if (!dib.IsUsable()) {
        return "is " + std::to_string(dib.BitsPerPixel()) + "-bit; must be 24-bit without colours";
    }
    if (dib.Width() % 4 != 0) {
        return "width " + std::to_string(dib.Width()) + " is not a multiple of 4";
    }
    if (width > 0 && (dib.Width() != width || dib.Height() != height)) {
        return "is " + std::to_string(dib.Width()) + "x" + std::to_string(dib.Height()) +
               ", must be " + std::to_string(width) + "x" + std::to_string(height);
    }
    return {};
}

void Note(Report& report, const std::string& path, const std::string& problem, bool airplane) {
    if (problem.empty()) return;
    (airplane ? report.airplane : report.problems).push_back(path + ": " + problem);
}

void CheckFace(const std::string& root, Report& report) {
    for (const FacePicture& p : FacePictures()) {
        const std::string path = root + "/Diy/Face/" + p.file;
        ++report.files;
        Note(report, path, PictureProblem(path, p.width, p.height), p.airplane);
    }
}

// The mean of the mask's values, 0 (nothing) to 1 (the whole cell).
double MaskCoverage(const Dib& mask) {
    const int64_t stride = (int64_t{mask.Width()} + 3) / 4 * 4;
    const uint8_t* rows = mask.PixelBytes();
    double sum = 0;
    for (int64_t y = 0; y < mask.Height(); ++y)
        for (int64_t x = 0; x < mask.Width(); ++x) sum += rows[y * stride + x];
    return sum / (255.0 * double(mask.Width()) * double(mask.Height()));
}

std::string MaskProblem(const std::string& path, const Dib& stamp) {
    if (!Exists(path)) return "missing";
    const Dib mask = Dib::LoadFromFile(path);
    if (mask.IsEmpty()) return "not a bitmap the program can load";
    if (mask.BitsPerPixel() != 8 || mask.ColourCount() != 256) {
        return "is " + std::to_string(mask.BitsPerPixel()) + "-bit; a mask is 8-bit grey";
    }
    if (mask.Width() % 4 != 0) return "width is not a multiple of 4";
    if (!stamp.IsEmpty() && (mask.Width() != stamp.Width() || mask.Height() != stamp.Height())) {
        return "is " + std::to_string(mask.Width()) + "x" + std::to_string(mask.Height()) +
               ", its stamp is " + std::to_string(stamp.Width()) + "x" +
               std::to_string(stamp.Height());
    }
    // A mask that covers almost nothing lays an invisible stamp; one that covers almost all of
    // its cell lays a square.
    const double cover = MaskCoverage(mask);
    if (cover < 0.05 || cover > 0.95) {
        return "covers " + std::to_string(int(cover * 100 + 0.5)) + "% of its cell; a stamp covers 5% to 95%";
    }
    return {};
}

void CheckStamps(const std::string& root, Report& report) {
    for (int n = 1; n <= stampCount; ++n) {
        const std::string bmp = root + "/Diy/Piclib/bmp/" + StampName(n);
        const std::string msk = root + "/Diy/Piclib/msk/" + StampName(n);
        report.files += 2;
        Note(report, bmp, PictureProblem(bmp, 0, 0), false);
        const Dib stamp = Dib::LoadFromFile(bmp);
        Note(report, msk, MaskProblem(msk, stamp), false);
    }
}

bool IsUtf8(const std::string& text) {
    for (size_t i = 0; i < text.size();) {
        const auto c = static_cast<unsigned char>(text[i]);
        const size_t extra = c < 0x80 ? 0
                             : (c & 0xE0) == 0xC0 ? 1
                             : (c & 0xF0) == 0xE0 ? 2
                             : (c & 0xF8) == 0xF0 ? 3
                                                  : 4;
        if (extra == 4 || i + extra >= text.size()) return false;
        for (size_t k = 1; k <= extra; ++k) {
            if ((static_cast<unsigned char>(text[i + k]) & 0xC0) != 0x80) return false;
        }
        i += extra + 1;
    }
    return true;
}

void CheckText(Report& report, const std::string& path, const ProfileFile& profile,
               const std::string& section, const std::string& key, size_t limit) {
    const auto value = profile.Find(section, key);
    const std::string where = path + ": [" + section + "] " + key;
    if (!value || value->empty()) {
        report.problems.push_back(where + ": missing");
    } else if (!IsUtf8(*value)) {
        report.problems.push_back(where + ": not UTF-8");
    } else if (value->size() > limit) {
        report.problems.push_back(where + ": " + std::to_string(value->size()) +
                                  " bytes, the program keeps " + std::to_string(limit));
    }
}

void CheckTips(const std::string& root, Report& report) {
    const std::string path = root + "/Diy/Zephine.ini";
    ++report.files;
    const ProfileFile profile(path);
    if (!profile.Exists()) {
        report.problems.push_back(path + ": missing");
        return;
    }
    for (const char* section : {"cTip", "eTip"}) {
        for (const char* key : kTipKeys) CheckText(report, path, profile, section, key, tipLength);
    }
    for (const char* name : {"delete", "full", "savefail", "keepfail", "keepask", "deletefail"}) {
        for (const char* language : {"c", "e"})
            CheckText(report, path, profile, "String", std::string(language) + name, questionLength);
    }
}

constexpr uint16_t imaAdpcm = 0x11;

// The mixer's IMA ADPCM decoder: 4-bit, a 4-byte header a channel in each block, and no more
// samples a block than the block holds.
std::string ImaAdpcmProblem(const Wave& wave, const WaveFormat& f) {
    if (f.channels < 1 || f.channels > 2 || f.bits != 4) return "IMA ADPCM plays only as 4-bit mono or stereo";
    const unsigned header = 4u * f.channels;
    if (f.blockAlign <= header || f.extraSize < 2 || wave.format.size() < 20) {
        return "inconsistent IMA ADPCM blocks: block " + std::to_string(f.blockAlign);
    }
    const unsigned declared = wave.format[18] | (wave.format[19] << 8);
    const unsigned held = (f.blockAlign - header) * 8u / (4u * f.channels) + 1u;
    if (declared == 0 || declared > held) {
        return "IMA ADPCM blocks of " + std::to_string(declared) + " samples, room for " + std::to_string(held);
    }
    if (wave.size < f.blockAlign) return "no whole block in the data";
    return {};
}

// Empty when the program's reader takes the file and its mixer can play it.
std::string WaveProblem(const std::string& path) {
    if (!Exists(path)) return "missing";
    const Wave wave = LoadWave(path);
    if (wave.code != waveOk) return "the WAVE reader refuses it (code " + std::to_string(wave.code) + ")";
    const WaveFormat f = wave.Format();
    if (f.rate < 8000 || f.rate > 48000) return "rate " + std::to_string(f.rate) + " outside 8000 to 48000";
    if (f.tag == imaAdpcm) return ImaAdpcmProblem(wave, f);
    if (f.tag != 1) return "neither PCM nor IMA ADPCM (format tag " + std::to_string(f.tag) + ")";
    if (f.channels < 1 || f.channels > 2 || (f.bits != 8 && f.bits != 16)) {
        return "plays only as 8 or 16-bit mono or stereo PCM";
    }
    if (f.blockAlign != f.channels * f.bits / 8) {
        return "inconsistent format: rate " + std::to_string(f.rate) + ", block " +
               std::to_string(f.blockAlign);
    }
    if (wave.size == 0 || wave.size % f.blockAlign != 0) return "no whole samples in the data";
    return {};
}

void CheckWave(Report& report, const std::string& path, bool airplane) {
    ++report.files;
    Note(report, path, WaveProblem(path), airplane);
}

void CheckSounds(const std::string& root, Report& report) {
    const std::string sound = root + "/Sound/Diy/";
    CheckWave(report, sound + "Eff/B100.wav", false);
    CheckWave(report, sound + "Eff/Diy.wav", false);
    for (const char* folder : {"C/", "E/"}) {
        for (int n = firstPrompt; n <= lastPrompt; ++n) {
            CheckWave(report, sound + folder + "c" + std::to_string(n) + ".wav", false);
        }
    }
}

std::string Stem(int model) { return (model < 10 ? "Fly0" : "Fly") + std::to_string(model); }

std::string ModelProblem(const std::string& path) {
    if (!Exists(path)) return "missing";
    ModelMesh mesh;
    if (!mesh.Load(path)) return "cannot be read";
    if (mesh.triangleCount <= 0) return "holds no triangles";
    if (!mesh.problems.empty()) return mesh.problems.front();
    return {};
}

// The frame file's marks of one model; a problem when they are not what the flight screen needs.
std::string MarksProblem(SectionFile& frames, int model, int& markCount) {
    markCount = 0;
    const auto value = frames.Value("FRAME", "Frame", model);
    if (!value) return "no key Frame" + std::to_string(model);
    Tokenizer tokens;
    tokens.Start(";,{}/*", *value);
    std::vector<long> numbers;
    while (auto token = tokens.Next()) {
        long n = 0;
        if (!ParseInt(*token, n)) return "Frame" + std::to_string(model) + ": not a number: " + *token;
        numbers.push_back(n);
    }
    if (numbers.empty() || numbers[0] < 0 || numbers[0] > maxMarks) {
        return "Frame" + std::to_string(model) + ": the mark count must be 0 to 30";
    }
    if (long(numbers.size()) - 1 != numbers[0]) {
        return "Frame" + std::to_string(model) + ": holds " + std::to_string(numbers.size() - 1) +
               " marks, says " + std::to_string(numbers[0]);
    }
    for (size_t i = 2; i < numbers.size(); ++i) {
        if (numbers[i] <= numbers[i - 1]) {
            return "Frame" + std::to_string(model) + ": marks must increase";
        }
    }
    markCount = int(numbers[0]);
    return {};
}

// The skin only becomes the 256 x 256 texture: no larger than that, in the sheet's shape.
std::string SkinProblem(const std::string& path) {
    std::string problem = PictureProblem(path, 0, 0);
    if (!problem.empty()) return problem;
    const Dib skin = Dib::LoadFromFile(path);
    if (std::max(skin.Width(), skin.Height()) != View3D::kTextureSide)
        return "is " + std::to_string(skin.Width()) + "x" + std::to_string(skin.Height()) +
               "; its long side must be " + std::to_string(View3D::kTextureSide);
    return {};
}

// The overlay gives the printed sheet its size: 4-bit paletted, in its skin's shape.
std::string OverlayProblem(const std::string& path, const std::string& skinPath) {
    if (!Exists(path)) return "missing";
    const Dib overlay = Dib::LoadFromFile(path);
    if (overlay.IsEmpty()) return "not a bitmap the program can load";
    if (overlay.BitsPerPixel() != 4) {
        return "is " + std::to_string(overlay.BitsPerPixel()) + "-bit; an overlay is 4-bit paletted";
    }
    const Dib skin = Dib::LoadFromFile(skinPath);
    if (skin.IsEmpty()) return {};
    // The skin's height at the overlay's width, to within the rounding of either side.
    const double expected = double(skin.Height()) * overlay.Width() / skin.Width();
    const double slack = double(overlay.Width()) / skin.Width() + 1;
    if (std::abs(overlay.Height() - expected) > slack || overlay.Width() < skin.Width()) {
        return "is " + std::to_string(overlay.Width()) + "x" + std::to_string(overlay.Height()) +
               ", not the shape of its skin (" + std::to_string(skin.Width()) + "x" +
               std::to_string(skin.Height()) + ") at print size";
    }
    return {};
}

// The steps sheet prints at its own size from a colour table of its drawing's colours.
std::string StepsProblem(const std::string& path) {
    if (!Exists(path)) return "missing";
    const Dib steps = Dib::LoadFromFile(path);
    if (steps.IsEmpty()) return "not a bitmap the program can load";
    if (steps.BitsPerPixel() != 8) {
        return "is " + std::to_string(steps.BitsPerPixel()) + "-bit; a steps sheet is 8-bit paletted";
    }
    if (steps.Width() < 512 || steps.Height() < 256) {
        return "is " + std::to_string(steps.Width()) + "x" + std::to_string(steps.Height()) +
               ", too small to print";
    }
    return {};
}

// The fold animation the flight screen draws the child's painting with: it must agree with the
// movie file (its frames) and the frame file (its marks), or the two would not play alike.
std::string AnimationProblem(const std::string& path, const std::string& moviePath, SectionFile* frames, int model) {
    if (!Exists(path)) return "missing";
    FoldAnimation animation;
    std::string error;
    if (!LoadFoldAnimation(path, animation, error)) return error;
    FfmpegMovieSource movie;
    if (movie.Open(moviePath) && movie.Duration() != int32_t(animation.frames.size()))
        return "holds " + std::to_string(animation.frames.size()) + " frames, the movie " +
               std::to_string(movie.Duration());
    if (frames != nullptr) {
        std::string list = std::to_string(animation.marks.size());
        for (int32_t m : animation.marks) list += "," + std::to_string(m);
        const std::string said = frames->Value("FRAME", "Frame", model).value_or("");
        if (said != list) return "its marks " + list + " are not frame.ini's " + said;
    }
    return {};
}

void CheckModel(const std::string& root, int model, SectionFile* frames, Report& report) {
    const std::string dir = root + "/Diy/Model/", movies = root + "/Diy/Movie/";
    const std::string stem = Stem(model);
    const std::string mesh = Exists(dir + stem + ".ini") ? dir + stem + ".ini" : dir + stem + ".fly";
    report.files += 6;
    Note(report, mesh, ModelProblem(mesh), true);
    Note(report, dir + stem + ".bmp", SkinProblem(dir + stem + ".bmp"), true);
    Note(report, dir + stem + "m.bmp", OverlayProblem(dir + stem + "m.bmp", dir + stem + ".bmp"), true);
    Note(report, movies + stem + ".mov", Exists(movies + stem + ".mov") ? "" : "missing", true);
    Note(report, movies + stem + ".fan", AnimationProblem(movies + stem + ".fan", movies + stem + ".mov", frames, model),
         true);
    Note(report, movies + "Step" + stem.substr(3) + ".bmp", StepsProblem(movies + "Step" + stem.substr(3) + ".bmp"),
         true);
    int marks = 0;
    if (frames != nullptr) Note(report, movies + "frame.ini", MarksProblem(*frames, model, marks), true);
    // Narration 01 greets the model; narration i + 2 follows mark i.
    for (int step = 1; step <= marks + 1; ++step) {
        char name[32];
        std::snprintf(name, sizeof name, "%d-%02d.wav", model, step);
        for (const char* folder : {"C/", "E/"}) {
            CheckWave(report, root + "/Sound/Diy/" + folder + name, true);
        }
    }
}

void CheckAirplanes(const std::string& root, Report& report) {
    SectionFile frames;
    const std::string framePath = root + "/Diy/Movie/frame.ini";
    ++report.files;
    const bool haveFrames = frames.Open(framePath);
    if (!haveFrames) report.airplane.push_back(framePath + ": missing");
    for (int model = 1; model <= modelCount; ++model) {
        CheckModel(root, model, haveFrames ? &frames : nullptr, report);
    }
}

}  // namespace

int RunCheck(const Args& args) {
    bool airplanesOptional = false;
    std::string root;
    for (const std::string& a : args) {
        if (a == "--airplanes-optional") {
            airplanesOptional = true;
        } else if (root.empty()) {
            root = a;
        } else {
            root.clear();
            break;
        }
    }
    if (root.empty()) {
        std::fprintf(stderr, "usage: zephine-data check ROOT [--airplanes-optional]\n");
        return 1;
    }
    std::error_code ec;
    if (!std::filesystem::is_directory(root + "/Diy", ec)) {
        std::fprintf(stderr, "zephine-data check: %s holds no Diy folder\n", root.c_str());
        return 1;
    }
    Report report;
    CheckFace(root, report);
    CheckStamps(root, report);
    CheckTips(root, report);
    CheckSounds(root, report);
    CheckAirplanes(root, report);
    for (const std::string& p : report.problems) std::printf("%s\n", p.c_str());
    if (!report.airplane.empty()) {
        std::printf("Airplane files%s:\n", airplanesOptional ? " (not counted)" : "");
        for (const std::string& p : report.airplane) std::printf("  %s\n", p.c_str());
    }
    const size_t problems = report.problems.size() + (airplanesOptional ? 0 : report.airplane.size());
    std::printf("%d files checked, %zu problems\n", report.files, problems);
    return problems > 0 ? 1 : 0;
}
