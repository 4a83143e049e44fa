// In preview each day-grid page sizes the four panes to its own regions.
#include "support/PageTestSupport.h"
#include "pages/monthly_hourly/DayGridRenderers.h"

#include <functional>

namespace tabulon::test {
namespace {

using DayGridPreviewTest = DayGridPageTest;

TEST_F(DayGridPreviewTest, PaneSizesPerPage)
{
    usePreview("0.5");
    struct Case {
        const char* page;
        std::function<void()> draw;
        std::array<PaneSize, 4> sizes;
    };
    const Case cases[] = {
        {"hourly grid", [&] { PrintHourlyGrid(c, 2); },
         {PaneSize{545, 590}, PaneSize{9785, 590}, PaneSize{545, 6015}, PaneSize{9785, 8100}}},
        {"cloud forms", [&] { PrintCloudForm(c, 5, 3); },
         {PaneSize{545, 590}, PaneSize{9785, 590}, PaneSize{545, 6015}, PaneSize{9785, 8000}}},
        {"visibility", [&] { PrintVisibility(c); },
         {PaneSize{545, 590}, PaneSize{9775, 590}, PaneSize{545, 6015}, PaneSize{9810, 8100}}},
        {"precipitation", [&] { PrintSelfRecordingPrecipitation(c, 2); },
         {PaneSize{545, 590}, PaneSize{9775, 590}, PaneSize{545, 6190}, PaneSize{9775, 8100}}},
    };
    for (const Case& k : cases) {
        SCOPED_TRACE(k.page);
        k.draw();
        EXPECT_EQ(panes.sizes, k.sizes);
        EXPECT_EQ(c.canvas.TextAlign, 0);
    }
    EXPECT_TRUE(boxes().shown.empty());
}

}  // namespace
}  // namespace tabulon::test
