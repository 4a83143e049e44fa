#include "window/Navigation.h"
#include "window/PaneDrag.h"
#include "window/ViewSettings.h"

#include <gtest/gtest.h>

namespace tabulon {
namespace {

TEST(Paging, NextAndPrevWrapAround)
{
    EXPECT_EQ(NextPageNumber(12, 13), 13);
    EXPECT_EQ(NextPageNumber(13, 13), 1);
    EXPECT_EQ(PrevPageNumber(1, 4), 4);   // radiation class 2
    EXPECT_EQ(PrevPageNumber(2, 4), 1);
    EXPECT_EQ(PrevPageNumber(0, 4), 4);
}

TEST(Paging, MenuKeysNameTheirPage)
{
    EXPECT_EQ(MenuKeyPage("n:12"), 12);
    EXPECT_EQ(MenuKeyPage("p:3"), 3);
    EXPECT_EQ(MenuKeyPage("n:2.5"), 2);   // rounded half to even
    EXPECT_EQ(MenuKeyPage("n:"), 0);
}

TEST(Zoom, StepsAreExactAndClamped)
{
    Decimal4 s = Decimal4::fromInt(1);
    for (int i = 0; i < 3; ++i)
        s = MagnifiedScale(s);
    EXPECT_EQ(s.raw(), 13000);
    EXPECT_EQ(RatioText(s), QStringLiteral("130"));
    for (int i = 0; i < 3; ++i)
        s = MagnifiedScale(s);
    EXPECT_EQ(s, MaxPageScale);
    EXPECT_EQ(RatioText(s), QStringLiteral("150"));
    for (int i = 0; i < 20; ++i)
        s = DesizedScale(s);
    EXPECT_EQ(s, MinPageScale);
    EXPECT_EQ(RatioText(s), QStringLiteral("50"));
    EXPECT_EQ(ScaleFromRatioText("80").raw(), 8000);
    EXPECT_EQ(ScaleFromRatioText("110").raw(), 11000);
}

TEST(LineWeightSamples, MapToWeightsThreeToFive)
{
    EXPECT_EQ(LineWeightForSample(20, 4), 3);
    EXPECT_EQ(LineWeightForSample(28, 1), 4);
    EXPECT_EQ(LineWeightForSample(45, 4), 5);
    EXPECT_EQ(LineWeightForSample(30, 2), 2);
}

class Drag : public ::testing::Test {
protected:
    Drag()
    {
        for (int i = 0; i < 4; ++i)
            panes[i] = {15, 600, 0, 0};
        panes[0].width = 1500;
        panes[1].width = 29250;   // zoom 1.5
        panes[2].height = 24300;
        panes[3].width = 29250;
        panes[3].height = 24300;
        limits = {19200, 16200, 600, 15};
    }
    std::array<PanePlace, 4> panes;
    DragLimits limits;
};

TEST_F(Drag, ASmallPageDoesNotMove)
{
    panes[3].width = 9750;   // zoom 0.5
    panes[3].height = 8100;
    panes[0].left = 99;
    EXPECT_FALSE(DragPanes(panes, 3, 5000, 5000, 3000, 3000, limits));
    EXPECT_EQ(panes[3].left, 15);
    EXPECT_EQ(panes[0].left, 99);   // the corner stays where it was
}

TEST_F(Drag, TheBodyMovesBothWaysAndTheHeadingsFollow)
{
    ASSERT_TRUE(DragPanes(panes, 3, 5000, 5000, 3000, 4000, limits));
    EXPECT_EQ(panes[3].left, 15 - 2000);
    EXPECT_EQ(panes[3].top, 600 - 1000);
    EXPECT_EQ(panes[1].left, -1985);
    EXPECT_EQ(panes[1].top, 600);
    EXPECT_EQ(panes[2].left, 15);
    EXPECT_EQ(panes[2].top, -400);
    EXPECT_EQ(panes[0].left, 15);
    EXPECT_EQ(panes[0].top, 600);
}

TEST_F(Drag, EdgesAreClamped)
{
    // Right and down: the left edge snaps to 20, the top never goes below the toolbar.
    ASSERT_TRUE(DragPanes(panes, 3, 100, 100, 900, 900, limits));
    EXPECT_EQ(panes[3].left, 20);
    EXPECT_EQ(panes[3].top, 600);
    // Far left and up: the right and bottom edges stay near the screen's.
    ASSERT_TRUE(DragPanes(panes, 3, 20000, 20000, 0, 0, limits));
    EXPECT_EQ(panes[3].left, 19200 - 29250 - 100);
    EXPECT_EQ(panes[3].top, 16200 - 24300 - 1000);
}

TEST_F(Drag, HeadingPanesMoveAlongTheirOwnAxisOnly)
{
    ASSERT_TRUE(DragPanes(panes, 1, 5000, 5000, 3000, 3000, limits));
    EXPECT_EQ(panes[3].left, -1985);
    EXPECT_EQ(panes[3].top, 600);
    EXPECT_EQ(panes[2].left, 15);
    EXPECT_EQ(panes[2].top, 600);

    ASSERT_TRUE(DragPanes(panes, 2, 5000, 5000, 3000, 3000, limits));
    EXPECT_EQ(panes[3].top, -1400);
    EXPECT_EQ(panes[3].left, -1985);
    EXPECT_EQ(panes[2].left, 15);
    EXPECT_FALSE(DragPanes(panes, 0, 5000, 5000, 3000, 3000, limits));
}

}  // namespace
}  // namespace tabulon
