// The radiation report through the dispatcher: the printed numbers of every class, a failing
// page in preview, and every page of every bundled radiation file.
#include "pages/radiation/RadiationPageTestSupport.h"
#include "toolkit/DispatchTable.h"
#include "toolkit/Dispatcher.h"
#include "window/LoaderFixture.h"

#include <QDir>

namespace tabulon::test {
namespace {

using RadiationReportTest = RadiationPageTest;

TEST_F(RadiationReportTest, EveryClassNumbersItsPagesTheSame)
{
    struct Case {
        int stationKind, page;
        const char* number;
    };
    for (const Case& k : {Case{3, 2, "-1-"}, Case{3, 3, "-2-"}, Case{2, 4, "-3-"}, Case{1, 5, "-4-"},
                          Case{1, 6, "-5-"}, Case{1, 7, "-6-"}}) {
        c.state.StationKind = std::int16_t(k.stationKind);
        c.state.CurrentPage = std::int16_t(k.page);
        surface.clear();
        PrintReportPage(c);
        ASSERT_FALSE(surface.texts().empty());
        EXPECT_EQ(surface.texts().back().text, QString::fromUtf8(k.number)) << k.stationKind << " " << k.page;
    }
    EXPECT_TRUE(boxes().shown.empty());
}

TEST_F(RadiationReportTest, AFailingPageIsReportedAndTheNextOneStartsCentred)
{
    usePreview("1");
    c.tables.RTotalRadiation.dim({Bounds{1, 31}, Bounds{1, 27}});
    c.state.CurrentPage = 3;
    CanvasCallRecorder rec(c.canvas);
    PrintReportPage(c);
    ASSERT_EQ(boxes().shown.size(), 1u);
    EXPECT_EQ(boxes().shown[0].title, QStringLiteral("地面月报表"));
    EXPECT_TRUE(boxes().shown[0].text.contains(QStringLiteral("9")));
    EXPECT_EQ(c.state.CurrentPage, 4);
    const auto corner = rec.withText(QStringLiteral("日期"));
    ASSERT_EQ(corner.size(), 1u);
    EXPECT_EQ(corner[0].textAlign, 0);
    EXPECT_TRUE(panes.surfaces[3].hasText(QStringLiteral("-3-")));
}

}  // namespace
}  // namespace tabulon::test

namespace tabulon::testing {
namespace {

TEST_F(LoaderTest, EveryRadiationSamplePageDrawsWithoutErrors)
{
    const QStringList files = QDir(SampleFolder()).entryList({QStringLiteral("R*.TXT")}, QDir::Files);
    ASSERT_EQ(files.size(), 4);
    for (const QString& file : files) {
        SCOPED_TRACE(file.toStdString());
        ASSERT_TRUE(load(2, file));
        messages->shown.clear();
        RecordingSurface surface;
        c().canvas.PrintMode = -1;
        c().canvas.OutputTarget = &surface;
        for (int page = 2; page <= c().state.PageCount; ++page) {
            c().state.CurrentPage = static_cast<std::int16_t>(page);
            surface.clear();
            PrintReportPage(c());
            EXPECT_TRUE(messages->shown.empty()) << "page " << page << ": " << messages->titles().join(u',').toStdString();
            EXPECT_EQ(surface.texts().back().text, QStringLiteral("-%1-").arg(page - 1));
            messages->shown.clear();
        }
        c().canvas.OutputTarget = nullptr;
    }
}

}  // namespace
}  // namespace tabulon::testing
