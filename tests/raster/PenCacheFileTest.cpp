// The pencil's cache files: names, contents, reuse, and what happens with bad files.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "raster/PenCacheFile.h"
#include "raster/PencilBrush.h"
#include "raster/RasterTestSupport.h"
#include "support/TempDir.h"

namespace fs = std::filesystem;

namespace {

class PenCacheFileTest : public ::testing::Test {
  protected:
    std::vector<uint8_t> Bytes(const std::string& name) const { return ReadBytes(dir.File(name)); }
    int Init(PencilBrush& brush, int32_t size) {
        return PencilInit(brush, target.get(), 0, size, size, {{}, folderText});
    }

    TempDir dir;
    fs::path folder = dir.Path();
    std::string folderText = dir.Path() + "/";
    OwnedBlock target = ColourBlock(16, 16);
};

}  // namespace

TEST(PenCacheFileNameTest, NamesCarryKindAndSize) {
    EXPECT_EQ(TipFileName("/data/PenData/", 0, 10, 10), "/data/PenData/00$1010.pen");
    EXPECT_EQ(TipFileName("/data/PenData", 0, 4, 4), "/data/PenData/00$0404.pen");
    EXPECT_EQ(TipFileName("p/", 3, 100, 7), "p/03$10007.pen");
    EXPECT_EQ(LevelFileName("p/", 0), "p/00$pre.pen");
}

TEST_F(PenCacheFileTest, FirstInitWritesBothFilesWhole) {
    PencilBrush brush;
    ASSERT_EQ(Init(brush, 10), 1);
    std::vector<uint8_t> tips = Bytes("00$1010.pen");
    std::vector<uint8_t> levels = Bytes("00$pre.pen");
    ASSERT_EQ(tips.size(), 100u * 12 * 12);
    ASSERT_EQ(levels.size(), 131072u);
    EXPECT_TRUE(std::equal(tips.begin(), tips.end(), brush.tips.tips.get()));
    EXPECT_TRUE(std::equal(levels.begin(), levels.end(), brush.tips.levels.get()));
    // No temporary file is left behind.
    EXPECT_EQ(std::distance(fs::directory_iterator(folder), fs::directory_iterator()), 2);
}

TEST_F(PenCacheFileTest, SecondInitReadsTheFiles) {
    PencilBrush first;
    ASSERT_EQ(Init(first, 6), 1);
    std::vector<uint8_t> tips = Bytes("00$0606.pen");
    std::vector<uint8_t> levels = Bytes("00$pre.pen");
    tips[5] = 123;
    levels[7] = 45;
    dir.Write("00$0606.pen", tips);
    dir.Write("00$pre.pen", levels);
    PencilBrush second;
    ASSERT_EQ(Init(second, 6), 1);
    EXPECT_EQ(second.tips.tips[5], 123);
    EXPECT_EQ(second.tips.levels[7], 45);
}

TEST_F(PenCacheFileTest, ShortOrEmptyFilesAreRecomputedButNotRewritten) {
    PencilBrush reference;
    ASSERT_EQ(PencilInit(reference, target.get(), 0, 6, 6, {}), 1);
    dir.Write("00$0606.pen", std::vector<uint8_t>(100));
    dir.Write("00$pre.pen", std::vector<uint8_t>{});
    PencilBrush brush;
    ASSERT_EQ(Init(brush, 6), 1);
    EXPECT_TRUE(std::equal(brush.tips.tips.get(), brush.tips.tips.get() + 100 * 64,
                           reference.tips.tips.get()));
    EXPECT_EQ(brush.tips.levels[255 * 512 + 255], 255);
    EXPECT_EQ(Bytes("00$0606.pen").size(), 100u);
    EXPECT_EQ(Bytes("00$pre.pen").size(), 0u);
}

TEST_F(PenCacheFileTest, UnreadableNameIsRecomputed) {
    fs::create_directories(folder / "00$0505.pen");
    PencilBrush brush;
    ASSERT_EQ(Init(brush, 5), 1);
    EXPECT_GT(brush.tips.Tip(0)[3 * 7 + 3], 0);  // the first tip has its coverage
    EXPECT_TRUE(fs::is_directory(folder / "00$0505.pen"));
}

// The installation's folder (read-only, shared by every user) is read first and never written;
// what it lacks is kept in the user's cache, whose folder is made on first use.
TEST_F(PenCacheFileTest, TheInstallationIsReadFirstAndTheUserCacheWritten) {
    const fs::path installed = folder / "installed";
    PencilBrush first;
    ASSERT_EQ(Init(first, 6), 1);
    std::vector<uint8_t> tips = Bytes("00$0606.pen");
    tips[5] = 77;
    dir.Write("installed/00$0606.pen", tips);
    const std::string cache = folderText + "user/cache/zephine";
    PencilBrush brush;
    ASSERT_EQ(PencilInit(brush, target.get(), 0, 6, 6, {installed.string(), cache}), 1);
    EXPECT_EQ(brush.tips.tips[5], 77);
    EXPECT_FALSE(fs::exists(cache + "/00$0606.pen"));  // the installation had it
    EXPECT_TRUE(fs::exists(cache + "/00$pre.pen"));    // it lacked the levels
    EXPECT_EQ(std::distance(fs::directory_iterator(installed), fs::directory_iterator()), 1);
}

// A cache that cannot be made (under a plain file) only costs the computing.
TEST_F(PenCacheFileTest, AnUnwritableCacheIsSkippedSilently) {
    dir.Write("plain", std::vector<uint8_t>{1, 2, 3});
    const std::string blocked = folderText + "plain/zephine/";
    PencilBrush brush;
    ASSERT_EQ(PencilInit(brush, target.get(), 0, 4, 4, {folderText + "nowhere/", blocked}), 1);
    EXPECT_FALSE(fs::exists(folder / "nowhere"));
    EXPECT_EQ(brush.tips.Tip(0)[7], 205);
    EXPECT_EQ(WriteCacheFile(blocked + "x.pen", brush.tips.levels.get(), 10), 0);
    EXPECT_EQ(Bytes("plain").size(), 3u);
}
