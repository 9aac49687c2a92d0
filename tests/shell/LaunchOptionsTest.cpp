// The program's own options, and what is left for the tail rule.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "shell/LaunchOptions.h"

namespace {

LaunchOptions Read(std::vector<const char*> args) {
    args.insert(args.begin(), "zephine-program");
    return ReadLaunchOptions(int(args.size()), args.data());
}

TEST(LaunchOptionsTest, OptionsAreTakenOutAndTheTailIsLeft) {
    const LaunchOptions o = Read({"--window", "1024x768", "--unscaled", "e3"});
    EXPECT_EQ(o.action, LaunchOptions::Action::run);
    EXPECT_EQ(o.windowWidth, 1024);
    EXPECT_EQ(o.windowHeight, 768);
    EXPECT_TRUE(o.unscaled);
    ASSERT_EQ(o.args.size(), 2u);
    EXPECT_EQ(std::string(o.args[1]), "e3");
    EXPECT_EQ(Read({"--version", "--help"}).action, LaunchOptions::Action::help);
    EXPECT_EQ(Read({"--version"}).action, LaunchOptions::Action::version);
    EXPECT_EQ(Read({"-h"}).action, LaunchOptions::Action::help);
}

TEST(LaunchOptionsTest, UnknownOptionsAndMalformedSizesAreErrors) {
    for (std::vector<const char*> bad : {std::vector<const char*>{"--bogus"},
                                         {"--window"},
                                         {"--window", "1024x768x"},
                                         {"--window", "1024"},
                                         {"--window", "x768"},
                                         {"--window", "0x768"},
                                         {"--window", "99999x10"},
                                         {"--window", "+1024x768"},
                                         {"--window", "1024x768 "},
                                         {"e3", "-x"}}) {
        const LaunchOptions o = Read(bad);
        EXPECT_EQ(o.action, LaunchOptions::Action::error) << bad.back();
        EXPECT_EQ(o.error.find('\n'), std::string::npos);
        EXPECT_EQ(o.error.rfind("zephine: ", 0), 0u) << o.error;
    }
}

}  // namespace
