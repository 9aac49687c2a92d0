// zephine-data: checks installation files the way the program reads them.
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "Commands.h"

namespace {

struct Command {
    const char* name;
    int (*run)(const Args&);
    const char* usage;
};

const Command commands[] = {
    {"bmp", RunBmp, "bmp FILE [X Y]"},
    {"wav", RunWav, "wav FILE"},
    {"model", RunModel, "model FILE [--dump]"},
    {"section", RunSection, "section FILE SECTION KEY"},
    {"profile", RunProfile, "profile FILE SECTION KEY"},
    {"paths", RunPaths, "paths [COMMAND LINE TAIL...]"},
    {"render", RunRender, "render MODEL SKIN OUT.bmp [--size WxH] [--rotate RX RY] [--scale S]"},
    {"pick", RunPick, "pick MODEL SKIN X Y [--size WxH] [--rotate RX RY] [--scale S]"},
    {"check", RunCheck, "check ROOT [--airplanes-optional]"},
    {"movie", RunMovie, "movie FILE [T OUT.bmp [--size WxH]]"},
    {"layout", RunLayout, "layout"},
};

int Usage() {
    std::fprintf(stderr, "usage: zephine-data COMMAND ...\n");
    for (const Command& c : commands) std::fprintf(stderr, "  zephine-data %s\n", c.usage);
    return 1;
}

}  // namespace

bool ParseInt(const std::string& text, long& value) {
    if (text.empty()) return false;
    char* end = nullptr;
    errno = 0;
    value = std::strtol(text.c_str(), &end, 10);
    return errno == 0 && end != nullptr && *end == '\0';
}

int main(int argc, char** argv) {
    if (argc < 2) return Usage();
    for (const Command& c : commands) {
        if (std::strcmp(argv[1], c.name) == 0) return c.run(Args(argv + 2, argv + argc));
    }
    return Usage();
}
