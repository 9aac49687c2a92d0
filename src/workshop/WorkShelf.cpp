// The saved works: naming, saving at the lowest free number, deleting with renumbering.
#include "workshop/WorkShelf.h"

#include <string>

#include "base/InstallPaths.h"
#include "graphics/Dib.h"
#include "platform/WorkFiles.h"

PathString WorkFileName(const PathString& saveDir, int32_t model, int32_t work) {
    return saveDir + ModelStem(model) + "-" + std::to_string(work) + ".bmp";
}

bool WorkShelf::Has(int32_t model, int32_t work) const {
    return files != nullptr && work >= 0 && work < kMaxWorks && files->Exists(FileOf(model, work));
}

SaveOutcome WorkShelf::Save(int32_t model, const Dib& picture, int32_t* number) {
    if (files == nullptr || picture.IsEmpty()) return SaveOutcome::failed;
    if (!files->MakeFolder(saveDir)) return SaveOutcome::failed;
    const std::vector<uint8_t> bytes = picture.FileBytes();
    for (int32_t n = 0; n < kMaxWorks; ++n) {
        if (files->Exists(FileOf(model, n))) continue;
        // Another program may take the number between the test and the write: then the next.
        const CreateResult result = files->CreateNew(FileOf(model, n), bytes);
        if (result == CreateResult::exists) continue;
        if (result == CreateResult::failed) return SaveOutcome::failed;
        if (number != nullptr) *number = n;
        return SaveOutcome::saved;
    }
    return SaveOutcome::full;
}

void WorkShelf::Tidy() {
    if (files != nullptr) files->RemoveLeftovers(saveDir);
}

DeleteOutcome WorkShelf::Delete(int32_t model, int32_t work) {
    if (files == nullptr || work < 0 || work >= kMaxWorks) return DeleteOutcome::failed;
    const PathString file = FileOf(model, work);
    if (!files->MoveToTrash(file) && !files->Remove(file)) return DeleteOutcome::failed;
    // A rename onto a work that exists fails and keeps both: a gap never costs a work.
    for (int32_t k = work + 1; k < kMaxWorks; ++k)
        files->RenameNoReplace(FileOf(model, k), FileOf(model, k - 1));
    return DeleteOutcome::deleted;
}
