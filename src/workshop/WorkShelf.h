// WorkShelf: the saved works in the save folder. Work n of model m is "Fly0" m "-" n ".bmp"
// below model 10, else "Fly" m "-" n ".bmp"; a model's works are numbered from 0, saving takes
// the lowest free number and deleting closes the gap. No operation ever replaces a file.
#pragma once

#include <cstdint>

#include "base/PathString.h"

class Dib;
class WorkFiles;

inline constexpr int32_t kMaxWorks = 1000;

[[nodiscard]] PathString WorkFileName(const PathString& saveDir, int32_t model, int32_t work);

enum class SaveOutcome { saved, full, failed };
enum class DeleteOutcome { deleted, failed };

class WorkShelf {
public:
    // Without file operations nothing can be saved or deleted.
    WorkShelf(WorkFiles* files, PathString saveDir) : files(files), saveDir(std::move(saveDir)) {}

    [[nodiscard]] PathString FileOf(int32_t model, int32_t work) const {
        return WorkFileName(saveDir, model, work);
    }
    [[nodiscard]] bool Has(int32_t model, int32_t work) const;
    // Saves the picture as the model's lowest free work (its number in `number`). With works 0
    // to 999 present the box is full and nothing is written.
    SaveOutcome Save(int32_t model, const Dib& picture, int32_t* number = nullptr);
    // Clears what a save cut short by a crash left in the save folder.
    void Tidy();
    // Moves the work to the trash (or removes it when there is none), then renames every later
    // work one down. When the work cannot be taken away nothing is renamed.
    DeleteOutcome Delete(int32_t model, int32_t work);

private:
    WorkFiles* files;
    PathString saveDir;
};
