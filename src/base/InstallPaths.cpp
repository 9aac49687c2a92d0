// The command line's model and language, and the model file names.
#include "base/InstallPaths.h"

#include <cstdio>

#include "base/BinaryFile.h"

namespace {

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

}  // namespace

ModelChoice ReadCommandLine(std::string_view line) {
    ModelChoice choice;
    const size_t n = line.size();
    if (n == 0 || !IsDigit(line[n - 1])) return choice;
    const size_t digits = (n >= 2 && IsDigit(line[n - 2])) ? 2 : 1;
    int number = line[n - 1] - '0';
    if (digits == 2) number += 10 * (line[n - 2] - '0');
    choice.modelNumber = number + 1;
    // The letter before the number; a line that is only digits has none and means English.
    choice.language = LanguageOf(n > digits ? line.substr(n - digits - 1, 1) : "");
    if (choice.modelNumber > 25) choice.modelNumber = 1;
    return choice;
}

PathString ModelStem(int modelNumber) {
    return (modelNumber < 10 ? "Fly0" : "Fly") + std::to_string(modelNumber);
}

ModelFileNames BuildModelFileNames(const PathString& modelDir, int modelNumber) {
    const PathString stem = modelDir + ModelStem(modelNumber);
    ModelFileNames names;
    names.model = FileExists(stem + ".ini") ? stem + ".ini" : stem + ".fly";
    names.texture = stem + ".bmp";
    return names;
}
