#include "CanvasTestSupport.h"

using namespace tabulon;
using tabulon::testing::CanvasTest;

using CanvasObserverTest = CanvasTest;

TEST_F(CanvasObserverTest, SeesThePagesCallsButNotThePrimitivesOwn)
{
    {
        CanvasCallRecorder rec(canvas);
        canvas.TextAlign = 2;
        canvas.SetFont(9, Face::Text);
        canvas.PrintCell(-1, "最高", 660, 800, 18180, 310);
        canvas.PrintCell(0, "NNE/35", 600, 400, 0, 0, 1);
        canvas.DrawVerticalLine(100.5, 0, 800, 4);
        canvas.PrintWrappedText(-1, 300, 900, 0, 0, "风向", 300, 1);
        canvas.PrintParagraph(-1, 240, "文", 1000, 660, 0, 0);

        ASSERT_EQ(rec.strings(), QStringList({
            "SetFont(9, 1)",
            R"(PrintCell(-1, "最高", 660, 800, 18180, 310))",
            R"(PrintCell(0, "NNE/35", 600, 400, 0, 0, 1))",
            "DrawVerticalLine(100.5, 0, 800, 4)",
            R"(PrintWrappedText(-1, 300, 900, 0, 0, "风向", 300, 1))",
            R"(PrintParagraph(-1, 240, "文", 1000, 660, 0, 0))",
        }));
        EXPECT_EQ(rec.withText("最高").front().textAlign, 2);
        EXPECT_EQ(rec.ofKind(CanvasCall::Kind::PrintCell).size(), 2u);
        EXPECT_TRUE(rec.contains(R"(PrintCell(-1, "最高", 660, 800, 18180, 310))"));
    }
    EXPECT_EQ(canvas.Observer, nullptr);

    // A failing call is still reported, and nesting does not leak past an error.
    CanvasCallRecorder rec(canvas);
    canvas.OutputTarget = nullptr;
    EXPECT_THROW(canvas.PrintCell(-1, "x", 10, 10, 0, 0), ReportError);
    canvas.OutputTarget = &surface;
    canvas.DrawHorizontalLine(0, 0, 10, 1);
    EXPECT_EQ(rec.calls().size(), 2u);
}
