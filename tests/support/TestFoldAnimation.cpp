// The test sheet's animation.
#include "support/TestFoldAnimation.h"

FoldAnimation SheetAnimation(int frames, std::vector<int32_t> marks) {
    FoldAnimation a;
    a.marks = std::move(marks);
    a.uv = {0, 0, 1, 0, 1, 1, 0, 1};
    a.triangles = {0, 1, 2, 0, 2, 3};
    const std::vector<float> corners = {-1, -0.75f, 0, 1, -0.75f, 0, 1, 0.75f, 0, -1, 0.75f, 0};
    a.poses.push_back(MakeFoldPose(corners));
    for (int i = 0; i < frames; ++i) {
        FoldFrame f;
        f.transform[3] = 0.01f * float(i);  // drifts right
        if (i == 1) {
            f.guide = FoldGuideKind::valley;
            f.guideFade = 1;
            f.guideLine = {40, 120, 280, 120};
            f.guideArrow = {100, 60, 100, 180};
        }
        if (i + 1 == frames) f.backdrop = FoldBackdrop::sky;
        a.frames.push_back(f);
    }
    return a;
}
