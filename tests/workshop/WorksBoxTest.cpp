// The works box and the saved works: naming and numbering, the box's pages and selection,
// deleting with renumbering, and a painting that is never lost when something replaces it.
#include <gtest/gtest.h>

#include <filesystem>

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
    void ClickAt(const Rect& r) { Click(r.CentreX(), r.CentreY()); }
    // A short pencil stroke on the flat pane.
    void Stroke(int32_t dy = 0) {
        const Rect& canvas = L().canvas;
        Press(canvas.left + 20, canvas.top + 20 + dy);
        Move(canvas.left + 80, canvas.top + 20 + dy);
        Release(canvas.left + 80, canvas.top + 20 + dy);
    }
    void Save() { ClickAt(L().docin); }
    void OpenBox() {
        ClickAt(L().docout);
        PaintAll();
    }
    // Empty files stand for works where only their names matter.
    void Fill(int model, int count) {
        fs::create_directories(Folder());
        for (int n = 0; n < count; ++n) (void)f.dir.Write(Work(model, n).substr(f.dir.Path().size() + 1), "");
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
    r.Fill(3, 3);
    fs::remove(r.Work(3, 1));
    FakeWorkFiles& files = r.f.files;
    WorkShelf shelf(&files, r.Folder());
    const Dib picture = Dib::CreateBlank(256, 256);
    int32_t number = -1;
    EXPECT_EQ(shelf.Save(3, picture, &number), SaveOutcome::saved);
    EXPECT_EQ(number, 1) << "the gap is the lowest free number";
    // Another program takes work 3 between the test and the write: the save takes the next.
    files.beforeCreate = [&](const PathString& path) {
        if (path == r.Work(3, 3)) (void)r.f.dir.Write(r.Work(3, 3).substr(r.f.dir.Path().size() + 1), "theirs");
    };
    EXPECT_EQ(shelf.Save(3, picture, &number), SaveOutcome::saved);
    EXPECT_EQ(number, 4);
    EXPECT_EQ(ReadBytes(r.Work(3, 3)).size(), 6u) << "their file is kept";
}

TEST(WorkShelfTest, AFullBoxOrAFailedWriteWritesNothing) {
    WorksRig r;
    r.Fill(1, kMaxWorks);
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
    fs::create_directories(r.Folder());
    for (int n = 0; n < 20; ++n)
        (void)r.f.dir.Write(r.Work(5, n).substr(r.f.dir.Path().size() + 1), std::to_string(n));
    ASSERT_EQ(shelf.Delete(5, 16), DeleteOutcome::deleted);
    for (int n = 0; n < 19; ++n) {
        const std::vector<uint8_t> bytes = ReadBytes(r.Work(5, n));
        EXPECT_EQ(std::string(bytes.begin(), bytes.end()), std::to_string(n < 16 ? n : n + 1));
    }
    EXPECT_FALSE(fs::exists(r.Work(5, 19)));
    EXPECT_EQ(r.f.files.trashed, std::vector<std::string>{r.Work(5, 16)});

    // A gap: works 0, 2 and 3. Deleting 0 moves nothing onto a work that is there.
    fs::remove_all(r.Folder());
    fs::create_directories(r.Folder());
    for (int n : {0, 2, 3}) (void)r.f.dir.Write(r.Work(6, n).substr(r.f.dir.Path().size() + 1), std::to_string(n));
    r.f.files.noTrash = true;
    ASSERT_EQ(shelf.Delete(6, 0), DeleteOutcome::deleted);
    EXPECT_EQ(ReadBytes(r.Work(6, 1)), std::vector<uint8_t>{'2'});
    EXPECT_EQ(ReadBytes(r.Work(6, 2)), std::vector<uint8_t>{'3'});

    // When the work cannot be taken away, nothing is renamed.
    r.f.files.failRemove = true;
    EXPECT_EQ(shelf.Delete(6, 1), DeleteOutcome::failed);
    EXPECT_EQ(ReadBytes(r.Work(6, 1)), std::vector<uint8_t>{'2'});
    EXPECT_EQ(ReadBytes(r.Work(6, 2)), std::vector<uint8_t>{'3'});
}

TEST(WorksBoxTest, OpeningAndClosingLeavesAnUnsavedPaintingAsItWas) {
    WorksRig r;
    r.Stroke();
    r.Save();
    r.Stroke(40);
    const std::vector<uint8_t> painting = r.TextureBytes();
    ASSERT_TRUE(r.W().UndoAvailable());
    r.OpenBox();
    EXPECT_EQ(r.Box().ThumbnailsShown(), 1);
    EXPECT_EQ(r.Box().Selected(), 0) << "the last of the page is selected";
    r.ClickAt(r.L().saveback);
    EXPECT_FALSE(r.Box().IsOpen());
    EXPECT_EQ(r.TextureBytes(), painting);
    EXPECT_TRUE(r.W().UndoAvailable());
    EXPECT_EQ(r.W().CurrentTool(), Tool::pencil);
    EXPECT_FALSE(fs::exists(r.Work(1, 1))) << "closing the box saves nothing";
}

TEST(WorksBoxTest, ClosingWithPressAndReleaseBeforeThePaintStillClearsTheBox) {
    // The pencil's release asks for a direct paint of the panes; the backdrop over the closed
    // box must come back all the same, even when the press and the release come in together.
    WorksRig r;
    r.OpenBox();
    const Rect& box = r.L().worksBox;
    const int32_t x = box.right - 20, y = box.top + 40;  // in the box, off both panes
    ASSERT_FALSE(r.L().canvas.Contains(x, y));
    ASSERT_FALSE(r.L().view.Contains(x, y));
    r.f.window.client.Fill({x - 2, y - 2, x + 3, y + 3}, 0x123456);
    r.ClickAt(r.L().saveback);
    r.PaintAll();
    const Rect& screen = r.L().Screen;
    EXPECT_EQ(r.f.window.client.PixelAt(x, y),
              r.c->BackBuffer().PixelAt(x - screen.left, y - screen.top));
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
    r.ClickAt(first);
    EXPECT_EQ(r.Box().Selected(), 0);
    EXPECT_EQ(r.TextureBytes(), WorksRig::PixelsOf(r.Work(1, 0)));
    EXPECT_FALSE(r.W().UndoAvailable());
    // The painting it replaced became work 2.
    EXPECT_EQ(WorksRig::PixelsOf(r.Work(1, 2)), unsaved);
    // The selection's frame is red on the window.
    EXPECT_EQ(r.f.window.Client().PixelAt(first.left, first.top) & 0xFFFFFF, 0xFF0000u);
    r.ClickAt(r.L().saveback);
    EXPECT_EQ(r.TextureBytes(), WorksRig::PixelsOf(r.Work(1, 0)));
}

TEST(WorksBoxTest, DeletingAsksFirstAndRenumbers) {
    WorksRig r;
    for (int k = 0; k < 3; ++k) {
        r.Stroke(20 * k);
        r.Save();
    }
    const std::vector<uint8_t> third = WorksRig::PixelsOf(r.Work(1, 2));
    r.OpenBox();
    r.ClickAt(r.Box().ThumbnailCell(1));
    r.f.boxes.answer = false;
    r.ClickAt(r.L().saveash);
    ASSERT_EQ(r.f.boxes.asked.size(), 1u);
    EXPECT_EQ(r.f.boxes.asked[0].second, "Are you sure?");
    EXPECT_TRUE(fs::exists(r.Work(1, 2)));
    // The box closing repaints the window: the child's choice stays the one to delete.
    r.PaintAll();
    EXPECT_EQ(r.Box().Selected(), 1);
    r.f.boxes.answer = true;
    r.ClickAt(r.L().saveash);
    EXPECT_TRUE(fs::exists(r.Work(1, 1)));
    EXPECT_FALSE(fs::exists(r.Work(1, 2)));
    EXPECT_EQ(WorksRig::PixelsOf(r.Work(1, 1)), third);
    r.PaintAll();
    EXPECT_EQ(r.Box().ThumbnailsShown(), 2);
}

TEST(WorksBoxTest, PagesArmOnlyWhereThereIsAPage) {
    WorksRig r;
    r.Fill(1, 8);
    for (int n = 0; n < 8; ++n) (void)Dib::CreateBlank(256, 256).SaveToFile(r.Work(1, n));
    r.OpenBox();
    r.ClickAt(r.L().worksDown);
    EXPECT_EQ(r.Box().Page(), 0) << "work 8 is missing";
    r.ClickAt(r.L().worksUp);
    EXPECT_EQ(r.Box().Page(), 0);
    (void)Dib::CreateBlank(256, 256).SaveToFile(r.Work(1, 8));
    r.ClickAt(r.L().worksDown);
    EXPECT_EQ(r.Box().Page(), 1);
    r.PaintAll();
    EXPECT_EQ(r.Box().ThumbnailsShown(), 1);
    r.ClickAt(r.L().worksUp);
    EXPECT_EQ(r.Box().Page(), 0);
}

TEST(WorksBoxTest, AModelCellChangesTheModelOnReleaseAndKeepsThePainting) {
    WorksRig r;
    r.Stroke();
    const std::vector<uint8_t> painting = r.TextureBytes();
    r.OpenBox();
    r.ClickAt(r.Box().ModelCell(0));
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

TEST(WorksBoxTest, APaintingIsKeptWhenAnotherModelOrTheEndReplacesIt) {
    WorksRig r;
    const ScreenLayout& l = r.L();
    r.Stroke();
    const std::vector<uint8_t> painting = r.TextureBytes();
    r.ClickAt(l.ModelPick2);
    EXPECT_EQ(r.c->ModelNumber(), 2);
    EXPECT_EQ(WorksRig::PixelsOf(r.Work(1, 0)), painting);
    // An untouched painting is not saved again.
    r.ClickAt(l.ModelPick1);
    EXPECT_FALSE(fs::exists(r.Work(2, 0)));
    EXPECT_NE(r.TextureBytes(), painting) << "a fresh skin, as before";
    // A full disk: another model, a work from the box and the exit each ask first, and no
    // keeps the painting on the easel, to be saved once there is room again.
    r.f.files.failWrites = true;
    r.Stroke();
    const std::vector<uint8_t> unkept = r.TextureBytes();
    r.ClickAt(l.ModelPick2);
    r.OpenBox();
    r.ClickAt(r.Box().ThumbnailCell(0));
    r.ClickAt(l.saveback);
    r.ClickAt(l.exit);
    EXPECT_FALSE(r.f.window.destroyRequested);
    EXPECT_EQ(r.c->ModelNumber(), 1);
    EXPECT_EQ(r.TextureBytes(), unkept);
    ASSERT_EQ(r.f.boxes.asked.size(), 3u);
    EXPECT_EQ(r.f.boxes.asked[0].second, "Your painting could not be kept. Throw it away?");
    r.f.files.failWrites = false;
    r.Save();
    EXPECT_EQ(WorksRig::PixelsOf(r.Work(1, 1)), unkept);
    // Yes lets it go.
    r.f.files.failWrites = true;
    r.Stroke(30);
    r.f.boxes.answer = true;
    r.ClickAt(l.ModelPick2);
    EXPECT_EQ(r.c->ModelNumber(), 2);
    EXPECT_FALSE(fs::exists(r.Work(1, 2)));
    EXPECT_TRUE(r.f.boxes.shown.empty());
    // The end keeps the painting too.
    r.f.files.failWrites = false;
    r.Stroke();
    const std::vector<uint8_t> last = r.TextureBytes();
    r.c.reset();
    EXPECT_EQ(WorksRig::PixelsOf(r.Work(2, 0)), last);
}

TEST(WorksBoxTest, AForeignFileShowsAnEmptyCellAndCannotBeLoaded) {
    WorksRig r;
    r.Fill(1, 2);  // two empty files
    (void)Dib::CreateBlank(100, 40).SaveToFile(r.Work(1, 1));  // another size: scaled
    r.Stroke();
    const std::vector<uint8_t> painting = r.TextureBytes();
    r.OpenBox();
    EXPECT_EQ(r.Box().ThumbnailsShown(), 1);
    r.ClickAt(r.Box().ThumbnailCell(0));
    EXPECT_EQ(r.TextureBytes(), painting);
    r.ClickAt(r.Box().ThumbnailCell(1));
    EXPECT_NE(r.TextureBytes(), painting);
    EXPECT_TRUE(fs::exists(r.Work(1, 2))) << "the painting was kept first";
}
