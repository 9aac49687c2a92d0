// zephine-data render and pick on a model and skin made here: the picture and the answer the
// content makers get come from the program's own view.
#include <gtest/gtest.h>

#include <cstdio>
#include <sys/wait.h>
#include <string>

#include "graphics/Dib.h"
#include "support/TempDir.h"
#include "support/TestPictures.h"

namespace {

const char* kModel =
    "[SUM]\nTriangles=2\nVerticies=4\nNormals=1\nTexture=4\n[DATA]\n"
    "Triangles={0,1,3,0,0,0,0,1,3},{1,2,3,0,0,0,1,2,3}\n"
    "Vertices={-0.4,-0.4,0},{0.4,-0.4,0},{0.4,0.4,0},{-0.4,0.4,0}\nNormals={0,0,1}\n"
    "Textures={0,0},{1,0},{1,1},{0,1}\n";

// Runs the tool and gives its standard output and exit code.
std::string RunTool(const std::string& arguments, int& code) {
    FILE* pipe = popen((std::string(ZEPHINE_DATA_TOOL_PATH) + " " + arguments + " 2>/dev/null").c_str(), "r");
    std::string out;
    char buffer[256];
    while (pipe != nullptr && std::fgets(buffer, sizeof buffer, pipe) != nullptr) out += buffer;
    int status = pipe != nullptr ? pclose(pipe) : -1;
    code = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    return out;
}

struct Files {
    Files() {
        model = dir.Write("Fly01.ini", std::string(kModel));
        skin = dir.File("Fly01.bmp");
        EXPECT_EQ(SolidDib(32, 32, 0x00C800).SaveToFile(skin), 1);
    }
    TempDir dir;
    std::string model, skin;
};

TEST(RenderCommandsTest, RenderWritesThePaneAsABitmap) {
    Files files;
    std::string out = files.dir.File("out.bmp");
    int code = 0;
    RunTool("render " + files.model + " " + files.skin + " " + out + " --size 100x80", code);
    EXPECT_EQ(code, 0);
    Dib picture = Dib::LoadFromFile(out);
    ASSERT_EQ(picture.Width(), 100);
    ASSERT_EQ(picture.Height(), 80);
    EXPECT_EQ(picture.PixelAt(50, 40)[1], 200);  // the model in the middle
    EXPECT_EQ(picture.PixelAt(2, 2)[1], 0);      // black around it
}

TEST(RenderCommandsTest, PickAnswersHitOrMissAndRefusesBadInput) {
    Files files;
    std::string both = files.model + " " + files.skin;
    int code = 0;
    // Pane 209 x 159, centre (104, 79): 20 px right and 20 px up lands in triangle 1.
    EXPECT_EQ(RunTool("pick " + both + " 124 59", code).substr(0, 6), "hit=1 ");
    EXPECT_EQ(code, 0);
    EXPECT_EQ(RunTool("pick " + both + " 3 3", code), "hit=0\n");
    EXPECT_EQ(RunTool("pick " + both + " 124 59 --rotate 0 90", code), "hit=0\n");
    RunTool("pick " + both + " 124 59 --size 0x10", code);
    EXPECT_EQ(code, 1);
    EXPECT_EQ(RunTool("pick " + files.dir.File("none.ini") + " " + files.skin + " 124 59", code),
              "hit=0\n");
    EXPECT_EQ(code, 1);
}

}  // namespace
