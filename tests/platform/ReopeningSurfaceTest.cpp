// The stable front over an inner surface that is closed and opened again: what it keeps
// across re-opening, and what EndDoc does under each set of rules.

#include "platform/RecordingSurface.h"
#include "platform/ReopeningSurface.h"
#include "platform/ReportError.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <vector>

using namespace tabulon;

namespace {

// Opens RecordingSurfaces and keeps a pointer to each, to look inside the inner surfaces.
struct Opened {
    std::vector<RecordingSurface*> surfaces;
    QString missingFamily;   // refused by every surface opened from now on

    ReopeningSurface::Opener opener()
    {
        return [this] {
            auto s = std::make_unique<RecordingSurface>();
            if (!missingFamily.isEmpty())
                s->markFamilyMissing(missingFamily);
            surfaces.push_back(s.get());
            return std::unique_ptr<Surface>(std::move(s));
        };
    }
    const FontRequest& lastSizeRequest() const
    {
        const auto& requests = surfaces.back()->fontRequests();
        return *std::find_if(requests.rbegin(), requests.rend(),
                             [](const FontRequest& r) { return r.kind == FontRequest::Size; });
    }
};

}  // namespace

TEST(ReopeningSurface, OpensOnlyOnDemandAndCarriesThePenBothWays)
{
    Opened opened;
    ReopeningSurface front(opened.opener(), {});
    EXPECT_FALSE(front.isOpen());
    EXPECT_TRUE(opened.surfaces.empty());

    front.CurrentX = 300;
    front.CurrentY = 450;
    front.Print(QStringLiteral("ab"));
    ASSERT_EQ(opened.surfaces.size(), 1u);
    ASSERT_EQ(opened.surfaces[0]->texts().size(), 1u);
    EXPECT_EQ(opened.surfaces[0]->texts()[0].x, 300);
    EXPECT_EQ(opened.surfaces[0]->texts()[0].y, 450);
    EXPECT_EQ(front.CurrentX, 300 + opened.surfaces[0]->em());   // two narrow characters
    EXPECT_EQ(front.CurrentY, 450);
}

TEST(ReopeningSurface, FontSurvivesReleaseAsTakenOrAsAsked)
{
    for (const bool asAsked : {false, true}) {
        Opened opened;
        ReopeningSurface front(opened.opener(), {.reaskFontSizeAsAsked = asAsked});
        front.SetFontName(QStringLiteral("黑体"));
        front.SetFontSize(7.7);   // taken as 7.5
        front.release();
        EXPECT_FALSE(front.isOpen());
        EXPECT_EQ(front.FontName(), QStringLiteral("黑体"));
        EXPECT_EQ(front.FontSize(), 7.5);

        front.Line(0, 0, 10, 0);
        ASSERT_EQ(opened.surfaces.size(), 2u);
        EXPECT_EQ(opened.surfaces[1]->FontName(), QStringLiteral("黑体"));
        EXPECT_EQ(opened.lastSizeRequest().size, asAsked ? 7.7 : 7.5) << asAsked;
        EXPECT_EQ(front.FontSize(), 7.5);
    }
}

TEST(ReopeningSurface, RefusedFontOnReopeningIsToleratedOnlyWhenAllowed)
{
    for (const bool tolerates : {false, true}) {
        Opened opened;
        ReopeningSurface front(opened.opener(), {.toleratesFontRefusal = tolerates});
        front.SetFontName(QStringLiteral("楷体"));
        front.release();
        opened.missingFamily = QStringLiteral("楷体");
        if (tolerates) {
            front.Print(QStringLiteral("x"));
            EXPECT_EQ(front.FontName(), QStringLiteral("宋体"));
            EXPECT_TRUE(opened.surfaces.back()->hasText(QStringLiteral("x")));
        } else {
            EXPECT_THROW(front.Print(QStringLiteral("x")), ReportError);
        }
    }
}

TEST(ReopeningSurface, EndDocClosesAndFinishesOnlyWhenTheRulesSaySo)
{
    Opened opened;
    int finished = 0;
    {
        ReopeningSurface job(opened.opener(), {.endDocCloses = true, .finish = [&] { ++finished; }});
        job.EndDoc();
        EXPECT_EQ(finished, 0);   // nothing drawn: no empty job
        job.Print(QStringLiteral("p1"));
        job.EndDoc();
        EXPECT_FALSE(job.isOpen());
        EXPECT_EQ(finished, 1);
        job.Print(QStringLiteral("p2"));
        EXPECT_EQ(opened.surfaces.size(), 2u);
    }
    EXPECT_EQ(finished, 2);   // the job left open is finished, not lost

    Opened paneOpened;
    ReopeningSurface pane(paneOpened.opener(), {});
    pane.Print(QStringLiteral("q"));
    pane.EndDoc();
    EXPECT_TRUE(pane.isOpen());
    EXPECT_EQ(paneOpened.surfaces[0]->endDocCount(), 0);
}
