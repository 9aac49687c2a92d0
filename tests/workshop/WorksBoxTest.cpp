// The works box and the saved works: naming and numbering, the box's pages and selection,
// deleting with renumbering, and a painting that is never lost when something replaces it.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "WorkshopRig.h"
#include "workshop/WorkShelf.h"

namespace {

namespace fs = std::filesystem;

struct WorksRig : WorkshopRig {
    WorksRig() { WriteTestModel(f.dir.Path(), 2, 256, 256, 250, 210, 60); }
    [[nodiscard]] std::string Folder() const { return f.dir.Path() + "/data/zephine/works/"; }
    [[nodiscard]] std::string Work(int model, int n) const {
        return WorkFileName(Folder(), model, n);
    }
    [[nodiscard]] const WorksBox& Box() { return W().Works(); }
    void Save() { Click(L().docin); }
    void OpenBox() {
        Click(L().docout);
        PaintAll();
    }
    // Writes work n of the model; empty files stand for works where only their names matter.
    void Put(int model, int n, const std::string& bytes = "") {
        fs::create_directories(Folder());
        std::ofstream(Work(model, n), std::ios::binary) << bytes;
    }
    [[nodiscard]] static std::vector<uint8_t> Pixels(const Dib& d) {
        if (!d.IsUsable()) return {};
        return {d.PixelBytes(), d.PixelBytes() + size_t(d.Stride()) * size_t(d.Height())};
    }
    [[nodiscard]] std::vector<uint8_t> TextureBytes() { return Pixels(V().texture); }
    [[nodiscard]] static std::vector<uint8_t> PixelsOf(const std::string& file) {
        return Pixels(Dib::LoadFromFile(file));
    }
};

}  // namespace

TEST(WorkShelfTest, NamesAndTheLowestFreeNumber) {
    EXPECT_EQ(WorkFileName("/w/", 3, 12), "/w/Fly03-12.bmp");
    EXPECT_EQ(WorkFileName("/w/", 12, 0), "/w/Fly12-0.bmp");

    WorksRig r;
    for (int n : {0, 2}) r.Put(3, n);
    FakeWorkFiles& files = r.f.files;
    WorkShelf shelf(&files, r.Folder());
    const Dib picture = Dib::CreateBlank(256, 256);
    int32_t number = -1;
    EXPECT_EQ(shelf.Save(3, picture, &number), SaveOutcome::saved);
    EXPECT_EQ(number, 1) << "the gap is the lowest free number";
    // Another program takes work 3 between the test and the write: the save takes the next.
    files.beforeCreate = [&](const PathString& path) {
        if (path == r.Work(3, 3)) r.Put(3, 3, "theirs");
    };
    EXPECT_EQ(shelf.Save(3, picture, &number), SaveOutcome::saved);
    EXPECT_EQ(number, 4);
    EXPECT_EQ(ReadBytes(r.Work(3, 3)).size(), 6u) << "their file is kept";
}

TEST(WorkShelfTest, AFullBoxOrAFailedWriteWritesNothing) {
    WorksRig r;
    for (int n = 0; n < kMaxWorks; ++n) r.Put(1, n);
    WorkShelf shelf(&r.f.files, r.Folder());
    const Dib picture = Dib::CreateBlank(256, 256);
    EXPECT_EQ(shelf.Save(1, picture), SaveOutcome::full);
    EXPECT_EQ(r.f.files.writes, 0);
    EXPECT_TRUE(ReadBytes(r.Work(1, 999)).empty()) << "work 999 is not overwritten";

    r.f.files.failWrites = true;
    EXPECT_EQ(shelf.Save(2, picture), SaveOutcome::failed);
    EXPECT_FALSE(fs::exists(r.Work(2, 0)));
    // Through the save button the child is told.
    r.f.files.failWrites = false;
    r.Save();
    ASSERT_EQ(r.f.boxes.shown.size(), 1u);
    EXPECT_EQ(r.f.boxes.shown[0].first, "Zephine");
    EXPECT_EQ(r.f.boxes.shown[0].second, "The works box is full. Delete a work first.");
}

TEST(WorkShelfTest, DeletingRenumbersWithoutEverReplacing) {
    WorksRig r;
    WorkShelf shelf(&r.f.files, r.Folder());
    // A gap: works 0, 2, 3 and 4. Deleting 0 moves nothing onto a work that is there.
    for (int n : {0, 2, 3, 4}) r.Put(6, n, std::to_string(n));
    ASSERT_EQ(shelf.Delete(6, 0), DeleteOutcome::deleted);
    EXPECT_EQ(r.f.files.trashed, std::vector<std::string>{r.Work(6, 0)});
    for (int n : {1, 2, 3})
        EXPECT_EQ(ReadBytes(r.Work(6, n)), std::vector<uint8_t>{uint8_t('1' + n)}) << n;
    EXPECT_FALSE(fs::exists(r.Work(6, 4)));
    // Without a trash the work is removed; when it cannot be, nothing is renamed.
    r.f.files.noTrash = true;
    ASSERT_EQ(shelf.Delete(6, 1), DeleteOutcome::deleted);
    EXPECT_EQ(ReadBytes(r.Work(6, 1)), std::vector<uint8_t>{'3'});
    r.f.files.failRemove = true;
    EXPECT_EQ(shelf.Delete(6, 1), DeleteOutcome::failed);
    EXPECT_EQ(ReadBytes(r.Work(6, 1)), std::vector<uint8_t>{'3'});
    EXPECT_EQ(ReadBytes(r.Work(6, 2)), std::vector<uint8_t>{'4'});
}

TEST(WorksBoxTest, ClosingWithPressAndReleaseBeforeThePaintClearsTheBoxAndKeepsThePainting) {
    // The pencil's release asks for a direct paint of the panes; the backdrop over the closed
    // box must come back all the same, even when the press and the release come in together.
    WorksRig r;
    r.Stroke();
    const std::vector<uint8_t> painting = r.TextureBytes();
    r.OpenBox();
    const Rect& box = r.L().worksBox;
    const int32_t x = box.right - 20, y = box.top + 40;  // in the box, off both panes
    ASSERT_FALSE(r.L().canvas.Contains(x, y));
    ASSERT_FALSE(r.L().view.Contains(x, y));
    r.f.window.client.Fill({x - 2, y - 2, x + 3, y + 3}, 0x123456);
    r.Click(r.L().saveback);
    r.PaintAll();
    const Rect& screen = r.L().Screen;
    EXPECT_EQ(r.f.window.client.PixelAt(x, y),
              r.c->BackBuffer().PixelAt(x - screen.left, y - screen.top));
    // The unsaved painting is as it was, undo and all (and nothing was saved: end to end).
    EXPECT_EQ(r.TextureBytes(), painting);
    EXPECT_TRUE(r.W().UndoAvailable());
}

TEST(WorksBoxTest, ChoosingAThumbnailLoadsThatWorkAndKeepsThePainting) {
    WorksRig r;
    r.Stroke();
    r.Save();
    r.Stroke(40);
    r.Save();
    r.Stroke(80);  // unsaved
    const std::vector<uint8_t> unsaved = r.TextureBytes();
    r.OpenBox();
    const Rect first = r.Box().ThumbnailCell(0);
    r.Click(first);
    EXPECT_EQ(r.Box().Selected(), 0);
    EXPECT_EQ(r.TextureBytes(), WorksRig::PixelsOf(r.Work(1, 0)));
    EXPECT_FALSE(r.W().UndoAvailable());
    // The painting it replaced became work 2.
    EXPECT_EQ(WorksRig::PixelsOf(r.Work(1, 2)), unsaved);
    // The selection's frame is red on the window.
    EXPECT_EQ(r.f.window.Client().PixelAt(first.left, first.top) & 0xFFFFFF, 0xFF0000u);
    r.Click(r.L().saveback);
    EXPECT_EQ(r.TextureBytes(), WorksRig::PixelsOf(r.Work(1, 0)));
}

TEST(WorksBoxTest, PagesArmOnlyWhereThereIsAPage) {
    WorksRig r;
    r.Put(1, 0);
    for (int n = 0; n < 8; ++n) (void)Dib::CreateBlank(256, 256).SaveToFile(r.Work(1, n));
    r.OpenBox();
    r.Click(r.L().worksDown);
    EXPECT_EQ(r.Box().Page(), 0) << "work 8 is missing";
    r.Click(r.L().worksUp);
    EXPECT_EQ(r.Box().Page(), 0);
    (void)Dib::CreateBlank(256, 256).SaveToFile(r.Work(1, 8));
    r.Click(r.L().worksDown);
    EXPECT_EQ(r.Box().Page(), 1);
    r.PaintAll();
    EXPECT_EQ(r.Box().ThumbnailsShown(), 1);
    r.Click(r.L().worksUp);
    EXPECT_EQ(r.Box().Page(), 0);
}

TEST(WorksBoxTest, AModelCellChangesTheModelOnReleaseAndKeepsThePainting) {
    WorksRig r;
    r.Stroke();
    const std::vector<uint8_t> painting = r.TextureBytes();
    r.OpenBox();
    r.Click(r.Box().ModelCell(0));
    EXPECT_EQ(r.c->ModelNumber(), 1) << "the current model's cell does nothing";
    const Rect cell = r.Box().ModelCell(1);
    r.Press(cell.CentreX(), cell.CentreY());
    EXPECT_EQ(r.c->ModelNumber(), 1);
    r.Release(cell.CentreX(), cell.CentreY());
    EXPECT_EQ(r.c->ModelNumber(), 2);
    EXPECT_EQ(r.Box().Page(), 0);
    EXPECT_EQ(r.Texel(5, 5), 0xFAD23Cu);
    EXPECT_EQ(WorksRig::PixelsOf(r.Work(1, 0)), painting);
}

TEST(WorksBoxTest, APaintingIsKeptWhenAnotherModelReplacesItOrLetGoWhenItCannotBe) {
    WorksRig r;
    const ScreenLayout& l = r.L();
    r.Stroke();
    const std::vector<uint8_t> painting = r.TextureBytes();
    r.Click(l.ModelPick2);
    EXPECT_EQ(r.c->ModelNumber(), 2);
    EXPECT_EQ(WorksRig::PixelsOf(r.Work(1, 0)), painting);
    // An untouched painting is not saved again.
    r.Click(l.ModelPick1);
    EXPECT_FALSE(fs::exists(r.Work(2, 0)));
    EXPECT_NE(r.TextureBytes(), painting) << "a fresh skin, as before";
    // A full disk: the child is asked first, and yes lets the painting go. (No keeps it on the
    // easel, for another model, a work from the box and the exit: WorksSurviveAFullDisk.)
    r.f.files.failWrites = true;
    r.Stroke(30);
    r.f.boxes.answer = true;
    r.Click(l.ModelPick2);
    ASSERT_EQ(r.f.boxes.asked.size(), 1u);
    EXPECT_EQ(r.f.boxes.asked[0].second, "Your painting could not be kept. Throw it away?");
    EXPECT_EQ(r.c->ModelNumber(), 2);
    EXPECT_FALSE(fs::exists(r.Work(1, 1)));
    EXPECT_TRUE(r.f.boxes.shown.empty());
}

TEST(WorksBoxTest, AForeignFileShowsAnEmptyCellAndCannotBeLoaded) {
    WorksRig r;
    r.Put(1, 0);  // an empty file
    (void)Dib::CreateBlank(100, 40).SaveToFile(r.Work(1, 1));  // another size: scaled
    r.Stroke();
    const std::vector<uint8_t> painting = r.TextureBytes();
    r.OpenBox();
    EXPECT_EQ(r.Box().ThumbnailsShown(), 1);
    r.Click(r.Box().ThumbnailCell(0));
    EXPECT_EQ(r.TextureBytes(), painting);
    r.Click(r.Box().ThumbnailCell(1));
    EXPECT_NE(r.TextureBytes(), painting);
    EXPECT_TRUE(fs::exists(r.Work(1, 2))) << "the painting was kept first";
}
