// The reader of .plane descriptions: one statement a line, '#' comments, "en"/"zh" lines
// giving the texts of the fold above them.
#include <cstdlib>
#include <fstream>
#include <sstream>

#include "Description.h"

namespace {

constexpr int maxIncludeDepth = 4;

struct Reader {
    std::string path;
    int line = 0;
    std::string error;
    bool Fail(const std::string& what) {
        if (error.empty()) error = path + ":" + std::to_string(line) + ": " + what;
        return false;
    }
};

bool Number(const std::string& s, double& out) {
    if (s.empty()) return false;
    char* end = nullptr;
    out = std::strtod(s.c_str(), &end);
    return end != nullptr && *end == '\0' && std::isfinite(out);
}

bool Point(Reader& r, const std::string& s, Vec2& out) {
    const size_t comma = s.find(',');
    if (comma == std::string::npos || !Number(s.substr(0, comma), out.x) ||
        !Number(s.substr(comma + 1), out.y)) {
        return r.Fail("expected a sheet point x,y but found \"" + s + "\"");
    }
    return true;
}

bool Region(Reader& r, const std::string& s, SheetRegion& out) {
    if (s.size() < 3 || (s[0] != 'x' && s[0] != 'y') || (s[1] != '<' && s[1] != '>') ||
        !Number(s.substr(2), out.value)) {
        return r.Fail("expected a condition such as x<105 but found \"" + s + "\"");
    }
    out.axis = s[0];
    out.op = s[1];
    return true;
}

bool HasLatinLetter(const std::string& s) {
    for (char c : s)
        if ((c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z')) return true;
    return false;
}

bool Colour(Reader& r, const std::string& s, uint32_t& out) {
    char* end = nullptr;
    if (s.size() != 7 || s[0] != '#') return r.Fail("expected a colour #rrggbb, found " + s);
    out = uint32_t(std::strtoul(s.c_str() + 1, &end, 16));
    if (*end != '\0') return r.Fail("expected a colour #rrggbb, found " + s);
    return true;
}

int GroupIndex(PlaneDescription& d, const std::string& name, bool create) {
    for (size_t i = 0; i < d.groups.size(); ++i)
        if (d.groups[i] == name) return int(i);
    if (!create) return -1;
    d.groups.push_back(name);
    return int(d.groups.size()) - 1;
}

// The words after "move"/"where"/"unfold" shared by folds and opens.
bool Options(Reader& r, const std::vector<std::string>& w, size_t from, bool* hasMover,
             Vec2& mover, std::vector<SheetRegion>& where, bool* unfold, int* group = nullptr,
             PlaneDescription* d = nullptr) {
    for (size_t i = from; i < w.size(); ++i) {
        if (w[i] == "as" && group != nullptr && i + 1 < w.size()) {
            if (GroupIndex(*d, w[i + 1], false) >= 0) return r.Fail("the group " + w[i + 1] + " exists already");
            *group = GroupIndex(*d, w[++i], true);
            if (*group >= 32) return r.Fail("more than 32 groups");
            continue;
        }
        if (w[i] == "move" && i + 1 < w.size()) {
            if (!Point(r, w[++i], mover)) return false;
            if (hasMover != nullptr) *hasMover = true;
        } else if (w[i] == "where" && i + 1 < w.size()) {
            SheetRegion region;
            if (!Region(r, w[++i], region)) return false;
            where.push_back(region);
        } else if (w[i] == "unfold" && unfold != nullptr) {
            *unfold = true;
        } else {
            return r.Fail("unexpected word \"" + w[i] + "\"");
        }
    }
    return true;
}

bool Fold(Reader& r, const std::vector<std::string>& w, PlaneDescription& d) {
    FoldStep s;
    s.line = r.line;
    if (w.size() < 4 || (w[1] != "valley" && w[1] != "mountain")) {
        return r.Fail("a fold reads: fold valley|mountain X,Y X,Y move X,Y [where ..] [unfold]");
    }
    s.kind = w[1] == "valley" ? FoldKind::valley : FoldKind::mountain;
    bool hasMover = false;
    if (!Point(r, w[2], s.a) || !Point(r, w[3], s.b) ||
        !Options(r, w, 4, &hasMover, s.mover, s.where, &s.unfold, &s.group, &d)) {
        return false;
    }
    if (!hasMover) return r.Fail("the fold names no point of the part that moves (move X,Y)");
    d.steps.push_back(s);
    return true;
}

bool Open(Reader& r, const std::vector<std::string>& w, PlaneDescription& d, bool& replaced) {
    OpenTurn o;
    o.line = r.line;
    if (w.size() == 4 && w[2] == "by") {
        o.group = GroupIndex(d, w[1], false);
        if (o.group < 0) return r.Fail("no fold made the group \"" + w[1] + "\"");
        if (!Number(w[3], o.degrees)) return r.Fail("expected degrees, found \"" + w[3] + "\"");
    } else {
        if (w.size() < 5 || w[3] != "by") {
            return r.Fail("an opening reads: open GROUP by DEGREES, or open X,Y X,Y by DEGREES ..");
        }
        if (!Point(r, w[1], o.a) || !Point(r, w[2], o.b)) return false;
        if (!Number(w[4], o.degrees)) return r.Fail("expected degrees, found \"" + w[4] + "\"");
        if (!Options(r, w, 5, &o.hasMover, o.mover, o.where, nullptr)) return false;
    }
    if (!replaced) d.opens.clear();  // a variant's openings replace those it includes
    replaced = true;
    d.opens.push_back(o);
    return true;
}

bool Frame(Reader& r, const std::vector<std::string>& w, PlaneDescription& d) {
    if (w.size() != 7 || w[1] != "nose" || w[3] != "tail" || w[5] != "up") {
        return r.Fail("a frame reads: frame nose X,Y tail X,Y up X,Y|X,Y+X,Y|normal|-normal");
    }
    if (!Point(r, w[2], d.nose) || !Point(r, w[4], d.tail)) return false;
    d.upKind = w[6] == "normal" ? UpKind::normal
               : w[6] == "-normal" ? UpKind::reversedNormal
                                   : UpKind::point;
    const size_t plus = w[6].find('+');
    if (d.upKind == UpKind::point && plus == std::string::npos) {
        if (!Point(r, w[6], d.up)) return false;
        d.up2 = d.up;
    } else if (d.upKind == UpKind::point) {
        if (!Point(r, w[6].substr(0, plus), d.up) || !Point(r, w[6].substr(plus + 1), d.up2)) return false;
    }
    d.haveFrame = true;
    return true;
}

bool Skin(Reader& r, const std::vector<std::string>& w, PlaneDescription& d) {
    if (w.size() < 4 || !IsSkinPattern(w[1])) {
        return r.Fail("a skin reads: skin stripes|dots|stars|chevrons|checks|waves #paper #c1 ..");
    }
    d.skin.pattern = w[1];
    d.skin.colours.clear();
    for (size_t i = 2; i < w.size(); ++i) {
        uint32_t c = 0;
        if (!Colour(r, w[i], c)) return false;
        d.skin.colours.push_back(c);
    }
    return true;
}

// "en"/"zh" after a fold give its texts; "name.en" and the like give the plane's.
bool Text(Reader& r, const std::string& key, const std::string& text, PlaneDescription& d) {
    if (text.empty()) return r.Fail("\"" + key + "\" has no text");
    const bool chinese = key.size() >= 2 && key.compare(key.size() - 2, 2, "zh") == 0;
    if (chinese && HasLatinLetter(text)) {
        return r.Fail("Latin letters in a Chinese text (the voice would read them as pinyin)");
    }
    std::string* target = key == "name.en"    ? &d.nameEn
                          : key == "name.zh"  ? &d.nameZh
                          : key == "intro.en" ? &d.introEn
                          : key == "intro.zh" ? &d.introZh
                          : key == "open.en"  ? &d.openEn
                          : key == "open.zh"  ? &d.openZh
                          : key == "fly.en"   ? &d.flyEn
                          : key == "fly.zh"   ? &d.flyZh
                                              : nullptr;
    if (key == "en" || key == "zh") {
        if (d.steps.empty()) return r.Fail("\"" + key + "\" before any fold");
        target = key == "en" ? &d.steps.back().en : &d.steps.back().zh;
    }
    if (target == nullptr) return r.Fail("unknown statement \"" + key + "\"");
    *target = text;
    return true;
}

bool Statement(Reader& r, const std::string& text, PlaneDescription& d, bool& replaced,
               int depth);

bool Include(Reader& r, const std::string& name, PlaneDescription& d, int depth) {
    if (depth >= maxIncludeDepth) return r.Fail("includes nest too deeply");
    const size_t slash = r.path.rfind('/');
    const std::string other = (slash == std::string::npos ? "" : r.path.substr(0, slash + 1)) + name;
    std::ifstream in(other);
    if (!in) return r.Fail("cannot read the included file " + other);
    std::stringstream all;
    all << in.rdbuf();
    Reader inner{other, 0, {}};
    bool innerReplaced = false;
    std::istringstream lines(all.str());
    std::string line;
    while (std::getline(lines, line)) {
        ++inner.line;
        if (!Statement(inner, line, d, innerReplaced, depth + 1)) {
            r.error = inner.error;
            return false;
        }
    }
    return true;
}

bool Statement(Reader& r, const std::string& raw, PlaneDescription& d, bool& replaced,
               int depth) {
    std::string text = raw;
    if (!text.empty() && text.back() == '\r') text.pop_back();
    const size_t start = text.find_first_not_of(" \t");
    if (start == std::string::npos || text[start] == '#') return true;
    text = text.substr(start);
    std::istringstream words(text);
    std::vector<std::string> w;
    for (std::string s; words >> s;) w.push_back(s);
    const std::string& key = w[0];
    if (key == "fold") return Fold(r, w, d);
    if (key == "open") return Open(r, w, d, replaced);
    if (key == "frame") return Frame(r, w, d);
    if (key == "skin") return Skin(r, w, d);
    if (key == "include") return w.size() == 2 ? Include(r, w[1], d, depth) : r.Fail("include FILE");
    if (key == "sheet") {
        if (w.size() != 3 || !Number(w[1], d.width) || !Number(w[2], d.height) || d.width <= 0 ||
            d.height <= 0) {
            return r.Fail("a sheet reads: sheet WIDTH HEIGHT (both above 0)");
        }
        return true;
    }
    if (key == "flight") {
        if (w.size() != 2 || !IsFlightStyle(w[1])) {
            return r.Fail("a flight reads: flight dart|glider|stunt|floater");
        }
        d.flight = w[1];
        return true;
    }
    const size_t gap = text.find_first_of(" \t");
    const std::string rest = gap == std::string::npos ? "" : text.substr(gap);
    const size_t from = rest.find_first_not_of(" \t");
    return Text(r, key, from == std::string::npos ? "" : rest.substr(from), d);
}

bool Complete(Reader& r, const PlaneDescription& d) {
    r.line = 0;
    if (d.width <= 0) return r.Fail("no sheet");
    if (d.steps.empty()) return r.Fail("no folds");
    if (!d.haveFrame) return r.Fail("no frame (nose, tail, up)");
    if (d.skin.colours.size() < 2) return r.Fail("no skin with a paper colour and one more");
    if (d.steps.size() + 2 > 30) return r.Fail("more than 28 folds: the movie keeps 30 marks");
    for (const FoldStep& s : d.steps) {
        r.line = s.line;
        if (s.en.empty() || s.zh.empty()) return r.Fail("the fold lacks its en or zh text");
    }
    r.line = 0;
    for (const std::string* t : {&d.nameEn, &d.nameZh, &d.introEn, &d.introZh, &d.openEn,
                                 &d.openZh, &d.flyEn, &d.flyZh}) {
        if (t->empty()) return r.Fail("a name, intro, open or fly text (en and zh) is missing");
    }
    return true;
}

}  // namespace

bool IsSkinPattern(const std::string& name) {
    for (const char* p : {"stripes", "dots", "stars", "chevrons", "checks", "waves"})
        if (name == p) return true;
    return false;
}

bool IsFlightStyle(const std::string& name) {
    for (const char* p : {"dart", "glider", "stunt", "floater"})
        if (name == p) return true;
    return false;
}

bool ParseDescription(const std::string& text, const std::string& path, PlaneDescription& out,
                      std::string& error) {
    out = PlaneDescription{};
    out.file = path;
    Reader r{path, 0, {}};
    bool replaced = false;
    std::istringstream lines(text);
    std::string line;
    while (std::getline(lines, line)) {
        ++r.line;
        if (!Statement(r, line, out, replaced, 0)) {
            error = r.error;
            return false;
        }
    }
    if (!Complete(r, out)) {
        error = r.error;
        return false;
    }
    return true;
}

bool ReadDescription(const std::string& path, PlaneDescription& out, std::string& error) {
    std::ifstream in(path);
    if (!in) {
        error = path + ": cannot be read";
        return false;
    }
    std::stringstream all;
    all << in.rdbuf();
    return ParseDescription(all.str(), path, out, error);
}
