// LaunchOptions: --help, --version, --window WxH and --unscaled.
#include "shell/LaunchOptions.h"

#include <charconv>
#include <string_view>

namespace {

constexpr int32_t kMaxSide = 16384;

// "WIDTHxHEIGHT" with nothing before, between or after; each side 1 to 16384.
bool ReadSize(std::string_view text, int32_t& width, int32_t& height) {
    const size_t x = text.find('x');
    if (x == std::string_view::npos) return false;
    auto side = [](std::string_view digits, int32_t& out) {
        if (digits.empty() || digits.size() > 5) return false;
        const auto [end, ec] = std::from_chars(digits.data(), digits.data() + digits.size(), out);
        return ec == std::errc() && end == digits.data() + digits.size() && out >= 1 &&
               out <= kMaxSide;
    };
    return side(text.substr(0, x), width) && side(text.substr(x + 1), height);
}

}  // namespace

LaunchOptions ReadLaunchOptions(int argc, const char* const* argv) {
    LaunchOptions o;
    auto fail = [&o](std::string line) {
        o.action = LaunchOptions::Action::error;
        o.error = std::move(line);
        return o;
    };
    for (int i = 0; i < argc; ++i) {
        const std::string_view arg = argv[i];
        if (i == 0 || arg.empty() || arg[0] != '-') {
            o.args.push_back(argv[i]);
            continue;
        }
        if (arg == "--help" || arg == "-h") {
            o.action = LaunchOptions::Action::help;
        } else if (arg == "--version") {
            if (o.action != LaunchOptions::Action::help) o.action = LaunchOptions::Action::version;
        } else if (arg == "--unscaled") {
            o.unscaled = true;
        } else if (arg == "--window") {
            if (i + 1 >= argc) return fail("zephine: --window wants WIDTHxHEIGHT");
            if (!ReadSize(argv[i + 1], o.windowWidth, o.windowHeight))
                return fail("zephine: --window wants WIDTHxHEIGHT, got \"" + std::string(argv[i + 1]) + "\"");
            ++i;
        } else {
            return fail("zephine: unknown option \"" + std::string(arg) + "\" (see zephine --help)");
        }
    }
    return o;
}

const char* LaunchUsage() {
    return "Usage: zephine [--window WIDTHxHEIGHT] [--unscaled] [LANGUAGE MODEL]\n"
           "A paper-airplane workshop: paint an airplane, print it, fold it and watch it fly.\n"
           "\n"
           "  LANGUAGE MODEL   a letter and a number at the end, e.g. e3: English (e) or\n"
           "                   Chinese (c), airplane 4 (counted from 0); without them the\n"
           "                   desktop's language and the first airplane\n"
           "  --window WxH     a plain window of that size instead of the full screen\n"
           "  --unscaled       show the screens at their designed size (800 x 600) instead\n"
           "                   of filling the display; also Scale=1 under [Display] in\n"
           "                   ~/.config/MoPleat5.ini\n"
           "  --help           this text\n"
           "  --version        the version\n";
}
