// The generated pictures and sounds have the properties the program relies on beyond what the
// checker sees: transparency kept to pure white, buttons that continue their backdrop, masks
// that leave room for rotation, and sounds of a sensible length.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <utility>
#include <vector>

#include "InstallationTree.h"
#include "graphics/Dib.h"
#include "base/ScreenLayout.h"
#include "sound/WaveReader.h"

namespace {

Dib Load(const std::string& name) { return Dib::LoadFromFile(GeneratedTree() + "/" + name); }

bool IsWhite(const uint8_t* p) { return p[0] == 255 && p[1] == 255 && p[2] == 255; }

double Seconds(const std::string& name) {
    const Wave wave = LoadWave(GeneratedTree() + "/" + name);
    const WaveFormat f = wave.Format();
    return f.bytesPerSecond ? double(wave.size) / f.bytesPerSecond : 0;
}

// The mask scaled to 32 by 32 (each cell the mean of its pixels) and thresholded at half.
std::vector<bool> Silhouette(const Dib& mask) {
    constexpr int side = 32;
    std::vector<bool> out(side * side);
    const int w = mask.Width(), h = mask.Height(), stride = (w + 3) / 4 * 4;
    const uint8_t* rows = mask.PixelBytes();
    for (int cy = 0; cy < side; ++cy) {
        for (int cx = 0; cx < side; ++cx) {
            int sum = 0, n = 0;
            for (int y = cy * h / side; y < (cy + 1) * h / side; ++y)
                for (int x = cx * w / side; x < (cx + 1) * w / side; ++x) sum += rows[y * stride + x], ++n;
            out[size_t(cy * side + cx)] = n > 0 && sum >= 128 * n;
        }
    }
    return out;
}

std::vector<int16_t> Samples(const std::string& name) {
    const Wave wave = LoadWave(GeneratedTree() + "/" + name);
    std::vector<int16_t> out(wave.data.size() / 2);
    std::memcpy(out.data(), wave.data.data(), out.size() * 2);
    return out;
}

}  // namespace

TEST(GeneratedDataTest, TransparentPicturesHaveWhiteAroundAndColourInside) {
    ASSERT_FALSE(GeneratedTree().empty());
    for (const char* name : {"sign01.bmp", "sign02.bmp", "sound-s.bmp", "tc5.bmp"}) {
        const Dib dib = Load(std::string("Diy/Face/") + name);
        ASSERT_TRUE(dib.IsUsable()) << name;
        int white = 0;
        for (int y = 0; y < dib.Height(); ++y) {
            for (int x = 0; x < dib.Width(); ++x) white += IsWhite(dib.PixelAt(x, y));
        }
        EXPECT_GT(white, 0) << name;
        EXPECT_LT(white, dib.Width() * dib.Height() * 3 / 4) << name;
        EXPECT_TRUE(IsWhite(dib.PixelAt(dib.Width() - 1, dib.Height() - 1))) << name;
    }
    // The pointer's tip is its top-left corner: it must be drawn, not transparent.
    EXPECT_FALSE(IsWhite(Load("Diy/Face/sign01.bmp").PixelAt(1, 1)));
}

TEST(GeneratedDataTest, ButtonPicturesContinueTheirBackdrop) {
    ASSERT_FALSE(GeneratedTree().empty());
    const Dib workshop = Load("Diy/Face/paintbk.bmp");
    const Dib flight = Load("Diy/Face/moviebk.bmp");
    const struct {
        const char* file;
        const char* entry;
        const Dib& backdrop;
    } buttons[] = {{"ia1.bmp", "docout", workshop}, {"tb2.bmp", "gush", workshop},
                   {"sp04.bmp", "modelDown", workshop}, {"ht07.bmp", "help", workshop},
                   {"aim03.bmp", "toolLabel", workshop}, {"mova5.bmp", "next", flight},
                   {"avi-A3.bmp", "stepPageUp", flight}, {"ia7.bmp", "diy", flight}};
    for (const auto& b : buttons) {
        const Dib dib = Load(std::string("Diy/Face/") + b.file);
        const Rect* r = ScreenLayout::DesignRect(b.entry);
        ASSERT_TRUE(dib.IsUsable() && r != nullptr) << b.file;
        const int y = dib.Height() - 1;
        EXPECT_EQ(0, std::memcmp(dib.PixelAt(0, y), b.backdrop.PixelAt(r->left, r->top + y), 3))
            << b.file << " does not line up with its backdrop";
    }
}

// Each stamp is its own drawing: a recoloured or barely moved copy of another would show as
// (nearly) the same silhouette. A mask covers its motif, and those of stamps drawn small leave
// the border clear for rotation. Where the mask is soft the picture holds the drawing's own
// colour, never paper white: laid on a dark skin, a white-blended edge would show as a pale halo.
TEST(GeneratedDataTest, StampsAreShapesOfTheirOwnWithClearBordersAndEdgesOfTheirColour) {
    ASSERT_FALSE(GeneratedTree().empty());
    std::vector<std::vector<bool>> shapes;
    for (int n = 1; n <= 112; ++n) {
        const std::string name = (n < 10 ? "0" : "") + std::to_string(n) + ".bmp";
        const Dib picture = Load("Diy/Piclib/bmp/" + name);
        const Dib mask = Load("Diy/Piclib/msk/" + name);
        ASSERT_TRUE(picture.IsUsable() && mask.BitsPerPixel() == 8) << name;
        const int w = mask.Width(), h = mask.Height(), stride = (w + 3) / 4 * 4;
        int covered = 0, border = 0, soft = 0, pale = 0;
        for (int y = 0; y < h; ++y) {
            for (int x = 0; x < w; ++x) {
                // Mask rows are stored bottom row first, as the picture's are.
                const uint8_t m = mask.PixelBytes()[(h - 1 - y) * stride + x];
                covered += m > 200;
                if (x == 0 || y == 0 || x == w - 1 || y == h - 1) border += m;
                if (m == 0 || m >= 128) continue;
                const uint8_t* p = picture.PixelAt(x, y);
                ++soft;
                pale += p[0] > 230 && p[1] > 230 && p[2] > 230;
            }
        }
        if (n == 1 || n == 50 || n == 112) {  // stamps drawn small in their cell
            EXPECT_GT(covered, w * h / 5) << name;
            EXPECT_EQ(border, 0) << name;
        }
        EXPECT_GT(soft, 0) << name << ": the mask has no soft edge";
        EXPECT_LE(pale, soft / 50) << name;
        shapes.push_back(Silhouette(mask));
    }
    int closest = 1 << 20;
    for (size_t a = 0; a < shapes.size(); ++a) {
        for (size_t b = a + 1; b < shapes.size(); ++b) {
            int differ = 0;
            for (size_t i = 0; i < shapes[a].size(); ++i) differ += shapes[a][i] != shapes[b][i];
            closest = std::min(closest, differ);
            EXPECT_GE(differ, 16) << "stamps " << a + 1 << " and " << b + 1 << " have nearly one shape";
        }
    }
    RecordProperty("closest", closest);
}

TEST(GeneratedDataTest, SoundsHaveTheirIntendedLengths) {
    ASSERT_FALSE(GeneratedTree().empty());
    EXPECT_LT(Seconds("Sound/Diy/Eff/B100.wav"), 0.2);
    EXPECT_GT(Seconds("Sound/Diy/Eff/B100.wav"), 0.02);
    EXPECT_GE(Seconds("Sound/Diy/Eff/Diy.wav"), 20);
    EXPECT_LE(Seconds("Sound/Diy/Eff/Diy.wav"), 40);
    // A spoken sentence, not silence or a cut-off word.
    for (const char* cue : {"C/c205.wav", "E/c205.wav", "C/c269.wav", "E/c269.wav"}) {
        EXPECT_GT(Seconds(std::string("Sound/Diy/") + cue), 0.8) << cue;
        EXPECT_LT(Seconds(std::string("Sound/Diy/") + cue), 15) << cue;
    }
}

TEST(GeneratedDataTest, TuneLoopsWithoutASeamAndClickEndsInSilence) {
    ASSERT_FALSE(GeneratedTree().empty());
    const std::vector<int16_t> tune = Samples("Sound/Diy/Eff/Diy.wav");
    ASSERT_GT(tune.size(), 1000u);
    // Played in a loop, the last sample runs into the first: a jump would click every lap.
    EXPECT_LT(std::abs(tune.back() - tune.front()), 1500);
    int peak = 0;
    for (int16_t s : tune) peak = std::max(peak, std::abs(int(s)));
    EXPECT_LT(peak, 30000);  // gentle, never clipped
    EXPECT_GT(peak, 8000);   // but audible
    const std::vector<int16_t> click = Samples("Sound/Diy/Eff/B100.wav");
    ASSERT_FALSE(click.empty());
    EXPECT_LT(std::abs(click.back()), 200);
}

TEST(GeneratedDataTest, PicturesOfTheTwoLanguagesDiffer) {
    ASSERT_FALSE(GeneratedTree().empty());
    // Their words come from the labels file; without it both would show the same blank card.
    for (const auto& pair : {std::pair{"load-c.bmp", "load-e.bmp"}, {"l-sc.bmp", "l-se.bmp"}}) {
        const Dib c = Load(std::string("Diy/Face/") + pair.first);
        const Dib e = Load(std::string("Diy/Face/") + pair.second);
        ASSERT_TRUE(c.IsUsable() && e.IsUsable());
        ASSERT_EQ(c.BlockSize(), e.BlockSize());
        EXPECT_NE(0, std::memcmp(c.PixelBytes(), e.PixelBytes(), c.BlockSize() - 40)) << pair.first;
    }
}
