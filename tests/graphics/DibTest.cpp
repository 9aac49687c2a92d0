// Loading, saving and the pixel operations of Dib pictures.
#include "graphics/Dib.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "base/BinaryFile.h"
#include "support/BitmapBytes.h"
#include "support/TempDir.h"

namespace {

void ExpectPattern(const Dib& dib) {
    for (int32_t y = 0; y < dib.Height(); ++y) {
        for (int32_t x = 0; x < dib.Width(); ++x) {
            const uint8_t* p = dib.PixelAt(x, y);
            ASSERT_NE(p, nullptr);
            for (int c = 0; c < 3; ++c) ASSERT_EQ(p[c], PatternByte(x, y, c)) << x << "," << y;
        }
    }
}

Dib Load(const TempDir& dir, const BitmapLayout& layout) {
    return Dib::LoadFromFile(dir.Write("p.bmp", MakeBitmapFile(layout)));
}

void Fill(Dib& dib, uint8_t b, uint8_t g, uint8_t r) {
    for (int32_t y = 0; y < dib.Height(); ++y)
        for (int32_t x = 0; x < dib.Width(); ++x) {
            uint8_t* p = dib.PixelAt(x, y);
            p[0] = b, p[1] = g, p[2] = r;
        }
}

// A paletted bitmap file of 4 by 2 whose table is white, red, blue; `rows` holds the stored
// rows, bottom row first, each padded to 4 bytes.
std::vector<uint8_t> PalettedFile(uint16_t bits, const std::vector<uint8_t>& rows) {
    std::vector<uint8_t> f = MakeBitmapFile({.bits = bits, .coloursUsed = 3});
    const uint8_t table[12] = {255, 255, 255, 0, 0, 0, 200, 0, 200, 0, 0, 0};
    std::copy(table, table + 12, f.begin() + 54);
    std::copy(rows.begin(), rows.end(), f.begin() + 66);
    return f;
}

}  // namespace

TEST(DibFileTest, BlankPictureSavesWithItsFileHeaderAndReloads) {
    TempDir dir;
    Dib blank = Dib::CreateBlank(256, 256);
    ASSERT_TRUE(blank.IsUsable());
    blank.PixelAt(3, 5)[2] = 200;
    ASSERT_EQ(blank.SaveToFile(dir.File("a.bmp")), 1);
    const std::vector<uint8_t> bytes = ReadBytes(dir.File("a.bmp"));
    ASSERT_EQ(bytes.size(), 14u + 40 + 196608);
    EXPECT_EQ(GetU32(&bytes[2]), 196662u);
    EXPECT_EQ(GetU32(&bytes[10]), 54u);
    Dib again = Dib::LoadFromFile(dir.File("a.bmp"));
    ASSERT_EQ(again.Width(), 256);
    EXPECT_EQ(again.PixelAt(3, 5)[2], 200);
    EXPECT_EQ(again.PixelAt(4, 5)[2], 0);
    // Into a missing folder, or an empty picture: nothing is written.
    EXPECT_EQ(blank.SaveToFile(dir.File("no/such/a.bmp")), 0);
    EXPECT_EQ(Dib().SaveToFile(dir.File("empty.bmp")), 0);
    EXPECT_FALSE(FileExists(dir.File("empty.bmp")));
}

TEST(DibFileTest, ReadsEveryLayoutOfTheSamePicture) {
    TempDir dir;
    const struct {
        const char* name;
        BitmapLayout layout;
        uint32_t stride;
    } cases[] = {
        {"plain", {.width = 8, .height = 3}, 24},
        {"no file header", {.width = 8, .height = 3, .fileHeader = false}, 24},
        {"top row first", {.width = 8, .height = -3}, 24},
        // Rows of a width that is not a multiple of 4 are padded in the file and stay padded.
        {"odd width", {.width = 5, .height = 3}, 16},
        {"lying image size", {.width = 8, .height = 3, .imageSize = 1u << 30}, 24},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const Dib dib = Load(dir, c.layout);
        EXPECT_EQ(dib.Height(), 3);
        EXPECT_EQ(dib.BlockSize(), 40 + c.stride * 3) << "allocates nothing extra";
        ExpectPattern(dib);
    }
}

TEST(DibFileTest, OtherDepthsLoadWithTheirTableButAreNeverUsedAsColour) {
    TempDir dir;
    BitmapLayout shortForm;
    shortForm.headerSize = 12;
    shortForm.bits = 8;
    const Dib grey = Load(dir, shortForm);
    ASSERT_FALSE(grey.IsEmpty());
    EXPECT_EQ(grey.ColourCount(), 256u);
    const uint8_t* table = grey.Block() + 40;
    EXPECT_EQ(table[4 * 7 + 0], 7);  // widened entries: blue, green, red, 0
    EXPECT_EQ(table[4 * 7 + 3], 0);
    EXPECT_EQ(grey.PixelBytes()[1], 2);  // bottom row (y 1), x 1: index x + y
    EXPECT_FALSE(grey.IsUsable());
    EXPECT_EQ(grey.PixelAt(0, 0), nullptr);

    Dib colour = Dib::CreateBlank(4, 2);
    for (uint16_t bits : {1, 4, 8, 32}) {
        BitmapLayout layout;
        layout.bits = bits;
        Dib other = Load(dir, layout);
        ASSERT_FALSE(other.IsEmpty()) << bits;
        EXPECT_EQ(other.BitsPerPixel(), bits);
        EXPECT_EQ(other.CopyBlockTo(colour, 0, 0, 4, 2, 0, 0), 0);
        EXPECT_EQ(colour.CopyBlockTo(other, 0, 0, 4, 2, 0, 0), 0);
        // A paletted overlay is read through its table; the sheet under it must be 24-bit.
        EXPECT_EQ(other.OverlayNonWhiteOnto(&colour), bits == 32 ? 0 : 1) << bits;
        EXPECT_EQ(colour.OverlayNonWhiteOnto(&other), 0) << bits;
    }
}

TEST(DibFileTest, BrokenFilesGiveAnEmptyPicture) {
    TempDir dir;
    EXPECT_TRUE(Dib::LoadFromFile(dir.File("missing.bmp")).IsEmpty());
    EXPECT_TRUE(Dib::LoadFromFile(dir.Path()).IsEmpty());  // a folder
    const BitmapLayout broken[] = {{.width = 0}, {.width = -4}, {.height = 0}, {.bits = 7},
                                   {.headerSize = 108}, {.coloursUsed = 0x40000000}};
    for (const BitmapLayout& layout : broken)
        EXPECT_TRUE(Load(dir, layout).IsEmpty()) << &layout - broken;

    // A header that claims far more pixels than the file holds is refused, not allocated.
    std::vector<uint8_t> huge = MakeBitmapFile({});
    PutU32(&huge[18], 40000);
    PutU32(&huge[22], 40000);
    EXPECT_TRUE(Dib::LoadFromFile(dir.Write("huge.bmp", huge)).IsEmpty());
    // Row size times row count beyond 64 bits must not wrap round to a small allocation.
    PutU32(&huge[18], 0x61000004);
    PutU32(&huge[22], 0x8EC30280);
    EXPECT_TRUE(Dib::LoadFromFile(dir.Write("huge.bmp", huge)).IsEmpty());
}

TEST(DibFileTest, TruncatedFilesNeverReadPastTheirBlock) {
    TempDir dir;
    BitmapLayout layout;
    layout.width = 12;
    layout.height = 6;
    const std::vector<uint8_t> whole = MakeBitmapFile(layout);
    for (size_t length = 0; length < whole.size(); ++length) {
        const std::vector<uint8_t> cut(whole.begin(), whole.begin() + long(length));
        const Dib dib = Dib::LoadFromFile(dir.Write("cut.bmp", cut));
        if (dib.IsEmpty()) continue;
        // What loads is the whole picture, its missing rows black.
        ASSERT_EQ(dib.Width(), 12);
        ASSERT_EQ(dib.BlockSize(), 40u + 36 * 6);
        // The top row is stored last; its last pixel starts 3 bytes before the end.
        const bool arrived = length > whole.size() - 3;
        EXPECT_EQ(dib.PixelAt(11, 0)[0], arrived ? PatternByte(11, 0, 0) : 0) << length;
    }
}

TEST(DibPixelTest, CopyBlockClipsToBothPictures) {
    Dib source = Dib::CreateBlank(8, 8);
    Fill(source, 1, 2, 3);
    Dib dest = Dib::CreateBlank(8, 8);

    EXPECT_EQ(source.CopyBlockTo(dest, 0, -1, 2, 2, 0, 0), 0);
    EXPECT_EQ(source.CopyBlockTo(dest, 0, 7, 2, 2, 0, 0), 0);  // dy + h past the bottom
    EXPECT_EQ(source.CopyBlockTo(dest, 0, 0, 0, 2, 0, 0), 0);

    // Half of this block lies left of the source: only the inside half arrives.
    ASSERT_EQ(source.CopyBlockTo(dest, 2, 2, 4, 1, -2, 0), 1);
    EXPECT_EQ(dest.PixelAt(3, 2)[0], 0);
    EXPECT_EQ(dest.PixelAt(4, 2)[0], 1);
    EXPECT_EQ(dest.PixelAt(5, 2)[2], 3);
    EXPECT_EQ(dest.PixelAt(6, 2)[0], 0);

    Dib whole = Dib::CreateBlank(8, 8);
    ASSERT_EQ(source.CopyBlockTo(whole, 0, 0, 8, 8, 0, 0), 1);
    EXPECT_EQ(whole.PixelAt(7, 7)[1], 2);  // the bottom row is copied too

    Dib smaller = Dib::CreateBlank(4, 4);  // a whole-picture copy onto a smaller picture
    EXPECT_EQ(source.CopyBlockTo(smaller, 0, 0, 8, 8, 0, 0), 0);
}

TEST(DibPixelTest, OverlayCopiesAllButPureWhite) {
    Dib top = Dib::CreateBlank(4, 2);
    Fill(top, 255, 255, 255);
    top.PixelAt(1, 1)[0] = 254;
    Dib under = Dib::CreateBlank(4, 2);
    Fill(under, 9, 9, 9);
    ASSERT_EQ(top.OverlayNonWhiteOnto(&under), 1);
    EXPECT_EQ(under.PixelAt(0, 0)[0], 9);
    EXPECT_EQ(under.PixelAt(1, 1)[0], 254);
    EXPECT_EQ(top.OverlayNonWhiteOnto(nullptr), 0);

    // Paletted overlays are read through their table. 8 bits: bottom row white, red, white,
    // blue; top row all white but for an index past the table, which counts as nothing drawn.
    const Dib eight = Dib::LoadFromBytes(PalettedFile(8, {0, 1, 0, 2, 0, 9, 0, 0}));
    // 4 bits, two pixels a byte, high half first: the same bottom row.
    const Dib four = Dib::LoadFromBytes(PalettedFile(4, {0x01, 0x02, 0, 0, 0x00, 0x00, 0, 0}));
    for (const Dib* overlay : {&eight, &four}) {
        ASSERT_EQ(overlay->IsUsable(), false);
        Fill(under, 9, 9, 9);
        ASSERT_EQ(overlay->OverlayNonWhiteOnto(&under), 1);
        EXPECT_EQ(under.PixelAt(0, 1)[2], 9);    // white leaves the sheet
        EXPECT_EQ(under.PixelAt(1, 1)[2], 200);  // red, stored blue, green, red
        EXPECT_EQ(under.PixelAt(1, 1)[0], 0);
        EXPECT_EQ(under.PixelAt(3, 1)[0], 200);  // blue
        EXPECT_EQ(under.PixelAt(1, 0)[0], 9);    // the index past the table
    }
}

TEST(DibPixelTest, PixelAtStaysInsideThePicture) {
    Dib dib = Dib::CreateBlank(4, 3);
    EXPECT_EQ(dib.PixelAt(0, 0), dib.PixelBytes() + 2 * 12);  // top row is stored last
    EXPECT_EQ(dib.PixelAt(4, 0), nullptr);
    EXPECT_EQ(dib.PixelAt(0, 3), nullptr);
    EXPECT_EQ(dib.PixelAt(-1, 0), nullptr);
    EXPECT_TRUE(Dib::CreateBlank(0, 5).IsEmpty());
    const Dib copy = dib.Clone();
    EXPECT_EQ(copy.BlockSize(), dib.BlockSize());
}
