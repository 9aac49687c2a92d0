// The save folder's operations on the real file system: nothing is ever replaced, and a deleted
// work lands in the freedesktop trash where a file manager can restore it.
#include <gtest/gtest.h>

#include <filesystem>
#include <regex>

#include "platform/files/DiskWorkFiles.h"
#include "support/TempDir.h"

namespace {

std::vector<uint8_t> Bytes(const std::string& text) { return {text.begin(), text.end()}; }

std::string Text(const std::string& path) {
    const std::vector<uint8_t> bytes = ReadBytes(path);
    return {bytes.begin(), bytes.end()};
}

}  // namespace

TEST(DiskWorkFilesTest, CreateAndRenameNeverReplace) {
    TempDir dir;
    DiskWorkFiles files(dir.File("data"));
    const std::string work = dir.File("works/Fly01-0.bmp");
    ASSERT_TRUE(files.MakeFolder(dir.File("works")));
    EXPECT_EQ(files.CreateNew(work, Bytes("first")), CreateResult::created);
    EXPECT_EQ(files.CreateNew(work, Bytes("second")), CreateResult::exists);
    EXPECT_EQ(Text(work), "first");
    // Nothing half-written is left beside the works.
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.File("works")),
                            std::filesystem::directory_iterator()),
              1);

    const std::string other = dir.Write("works/Fly01-1.bmp", "other");
    EXPECT_FALSE(files.RenameNoReplace(other, work));
    EXPECT_EQ(Text(work), "first");
    EXPECT_EQ(Text(other), "other");
    EXPECT_TRUE(files.RenameNoReplace(other, dir.File("works/Fly01-2.bmp")));
    EXPECT_FALSE(files.Exists(other));
    EXPECT_TRUE(files.Exists(dir.File("works/Fly01-2.bmp")));

    // A save cut short by a crash leaves its hidden temporary file; the next start clears it.
    (void)dir.Write("works/.Fly01-3.bmp.a1B2c3", "half");
    files.RemoveLeftovers(dir.File("works"));
    EXPECT_FALSE(std::filesystem::exists(dir.File("works/.Fly01-3.bmp.a1B2c3")));
    EXPECT_EQ(Text(work), "first");
}

TEST(DiskWorkFilesTest, AWriteIntoAMissingFolderFailsAndLeavesNothing) {
    TempDir dir;
    DiskWorkFiles files(dir.File("data"));
    EXPECT_EQ(files.CreateNew(dir.File("nowhere/Fly01-0.bmp"), Bytes("x")), CreateResult::failed);
    EXPECT_FALSE(std::filesystem::exists(dir.File("nowhere")));
}

TEST(DiskWorkFilesTest, TrashKeepsTheFileAndWhereItCameFrom) {
    TempDir dir;
    DiskWorkFiles files(dir.File("data"));
    const std::string first = dir.Write("Fly03-1.bmp", "one");
    ASSERT_TRUE(files.MoveToTrash(first));
    EXPECT_FALSE(files.Exists(first));
    EXPECT_EQ(Text(dir.File("data/Trash/files/Fly03-1.bmp")), "one");
    const std::string info = Text(dir.File("data/Trash/info/Fly03-1.bmp.trashinfo"));
    EXPECT_EQ(info.rfind("[Trash Info]\nPath=" + first + "\nDeletionDate=", 0), 0u) << info;
    EXPECT_TRUE(std::regex_search(info, std::regex("DeletionDate=\\d{4}-\\d\\d-\\d\\dT\\d\\d:\\d\\d:\\d\\d\n$")))
        << info;

    // A second work of the same name gets a name of its own; neither is replaced.
    const std::string second = dir.Write("Fly03-1.bmp", "two");
    ASSERT_TRUE(files.MoveToTrash(second));
    EXPECT_EQ(Text(dir.File("data/Trash/files/Fly03-1.bmp")), "one");
    EXPECT_EQ(Text(dir.File("data/Trash/files/Fly03-1.2.bmp")), "two");
    EXPECT_TRUE(files.Exists(dir.File("data/Trash/info/Fly03-1.2.bmp.trashinfo")));
}

TEST(DiskWorkFilesTest, NoTrashLeavesTheFile) {
    TempDir dir;
    // A file where the trash's folder would be: no trash can be had.
    (void)dir.Write("data", "not a folder");
    DiskWorkFiles files(dir.File("data"));
    const std::string work = dir.Write("Fly01-0.bmp", "keep");
    EXPECT_FALSE(files.MoveToTrash(work));
    EXPECT_EQ(Text(work), "keep");
    EXPECT_FALSE(files.MoveToTrash(dir.File("missing.bmp")));
}
