// Runs espeak-ng directly (no shell, so no quoting of the texts), two voices at a time.
#include "Narration.h"

#include "VoiceFile.h"

#include <spawn.h>
#include <sys/wait.h>

#include <cstdio>

extern char** environ;

namespace {

bool Start(const std::vector<std::string>& args, pid_t& pid) {
    std::vector<char*> argv;
    for (const std::string& a : args) argv.push_back(const_cast<char*>(a.c_str()));
    argv.push_back(nullptr);
    return posix_spawnp(&pid, argv[0], nullptr, nullptr, argv.data(), environ) == 0;
}

bool Wait(pid_t pid) {
    int status = 0;
    return waitpid(pid, &status, 0) == pid && WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

}  // namespace

std::vector<Spoken> NarrationTexts(const PlaneDescription& d, int model) {
    std::vector<Spoken> out;
    auto add = [&](const std::string& en, const std::string& zh) {
        char name[16];
        std::snprintf(name, sizeof name, "%d-%02d", model, int(out.size()) + 1);
        out.push_back({name, en, zh});
    };
    add(d.introEn, d.introZh);
    for (const FoldStep& s : d.steps) add(s.en, s.zh);
    add(d.openEn, d.openZh);
    add(d.flyEn, d.flyZh);
    return out;
}

bool Speak(const std::string& espeak, const std::vector<Spoken>& texts, const std::string& root,
           std::string& error) {
    for (const Spoken& t : texts) {
        pid_t en = 0, zh = 0;
        const std::string enPath = root + "/Sound/Diy/E/" + t.name + ".wav";
        const std::string zhPath = root + "/Sound/Diy/C/" + t.name + ".wav";
        const bool startedEn = Start({espeak, "-v", "en", "-s", "140", "-p", "60", "-w", enPath, "--", t.en}, en);
        const bool startedZh =
            Start({espeak, "-v", "cmn-latn-pinyin", "-s", "140", "-p", "55", "-w", zhPath, "--", t.zh}, zh);
        const bool okEn = startedEn && Wait(en), okZh = startedZh && Wait(zh);
        if (!okEn || !okZh) {
            error = "espeak-ng could not speak " + t.name;
            return false;
        }
        if (!CompressVoice(enPath, error) || !CompressVoice(zhPath, error)) return false;
    }
    return true;
}
