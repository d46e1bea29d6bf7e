// The 3-D drawing panel: the decoration before the projection on a plain surface and inside it on
// one that turns the scene itself, then OnPaint with repaints held back, then OnAfterDraw.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "chart/editors/Draw3D.h"
#include "chart/foundation/TeeCanvas3D.h"
#include "platform/graphics/Bitmap.h"

namespace {

struct TTurningCanvas : TTeeCanvas3D {
    bool SupportsFreeRotation() override { return true; }
};

// Logs each step with the chart rectangle it saw.
struct TLoggedDraw3D : TDraw3D {
    explicit TLoggedDraw3D(std::vector<std::string>& log) : TDraw3D(nullptr), Log(log) {
        OnPaint = [this](TObject* sender, const TRect& rect) {
            EXPECT_EQ(sender, this);
            EXPECT_EQ(rect, DrawingRect());
            EXPECT_FALSE(AutoRepaint());
            EXPECT_EQ(Width3D(), Depth);
            Log.push_back(Step("paint"));
        };
        OnAfterDraw = [this](TObject*) { Log.push_back(Step("after")); };
    }
    void DrawPanel(const TRect& rect) override {
        Log.push_back(Step("panel"));
        TDraw3D::DrawPanel(rect);
    }
    std::string Step(const char* name) const {
        return std::string(name) + (ChartRect() == DrawingRect() ? " whole" : " chart");
    }
    std::vector<std::string>& Log;
};

TEST(Draw3D, DrawsTheDecorationThenPaintsInAProjection) {
    for (bool turning : {false, true}) {
        std::vector<std::string> log;
        TLoggedDraw3D panel(log);
        panel.SetBounds(0, 0, 200, 150);
        if (turning) panel.ReplaceCanvas(std::make_unique<TTurningCanvas>());
        TBitmap bitmap(200, 150);
        panel.Draw(bitmap.Canvas(), TRect{0, 0, 200, 150});
        // Inside the projection the decoration covers the whole drawing rectangle; OnPaint
        // then sees the chart rectangle again.
        const std::vector<std::string> expected =
            turning ? std::vector<std::string>{"panel whole", "paint chart", "after chart"}
                    : std::vector<std::string>{"panel chart", "paint chart", "after chart"};
        EXPECT_EQ(log, expected) << "turning " << turning;
        EXPECT_TRUE(panel.AutoRepaint());
    }
}

}  // namespace
