#include "support/FakePanes.h"
#include "support/ScopedRenderers.h"
#include "toolkit/Dispatcher.h"
#include "toolkit/PageFrame.h"
#include "report/Component.h"
#include "window/Navigation.h"

#include <gtest/gtest.h>

#include <set>

using namespace tabulon;
using namespace tabulon::test;

namespace {

// Every renderer replaced by one that logs its page and ends its job like a real one,
// or fails when its page is listed in failingPages.
class DispatcherTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        c.window();
        c.setPanes(&panes);
        for (int id = static_cast<int>(FirstRenderer); id <= static_cast<int>(LastRenderer); ++id) {
            const auto rid = static_cast<RendererId>(id);
            renderers.set(rid, [this, rid](Component& comp, const RendererArgs&) {
                drawn.push_back(comp.state.CurrentPage);
                if (failingPages.count(comp.state.CurrentPage))
                    throw ReportError::subscriptOutOfRange();
                log << RendererName(rid);
                EndPrintedPage(comp);
            });
        }
    }

    void load(int reportKind, int stationKind, int pageCount, int page)
    {
        c.state.ReportKind = static_cast<std::int16_t>(reportKind);
        c.state.StationKind = static_cast<std::int16_t>(stationKind);
        c.state.PageCount = static_cast<std::int16_t>(pageCount);
        c.state.CurrentPage = static_cast<std::int16_t>(page);
    }

    void printTo(JobSurface& printer)
    {
        c.canvas.PrintMode = -1;
        c.canvas.OutputTarget = &printer;
    }

    ScriptedMessageBox& boxes() { return *box; }

    ScriptedMessageBox* box = new ScriptedMessageBox;
    Component c{Services{std::unique_ptr<MessageBox>(box), nullptr}};
    FakePanes panes;
    ScopedRenderers renderers;
    std::vector<int> drawn;
    QStringList log;
    std::set<int> failingPages;
};

class FakePageList : public PageList {
public:
    FakePageList(int rows, std::set<int> selected) : rows_(rows), selected_(std::move(selected)) {}
    int rowCount() const override { return rows_; }
    bool isSelected(int row) const override { return selected_.count(row) != 0; }
    void deselect(int row) override { selected_.erase(row); }
    const std::set<int>& selected() const { return selected_; }

private:
    int rows_;
    std::set<int> selected_;
};

}  // namespace

TEST_F(DispatcherTest, CallsTheRendererOfThePage)
{
    load(1, 4, 29, 23);
    PrintReportPage(c);
    EXPECT_EQ(log, QStringList{"PrintGroundTemperatures"});
    EXPECT_TRUE(boxes().shown.empty());
}

TEST_F(DispatcherTest, PagesOutsideTheTableDrawAndReportNothing)
{
    for (auto [report, station, page] : {std::tuple{1, 3, 0}, {1, 3, 38}, {3, 0, 7}, {1, 0, 1}, {4, 1, 1}}) {
        load(report, station, 37, page);
        PrintReportPage(c);
        EXPECT_EQ(c.state.CurrentPage, page);
    }
    EXPECT_TRUE(drawn.empty());
    EXPECT_TRUE(boxes().shown.empty());
}

TEST_F(DispatcherTest, RadiationClassThreeStillDrawsPageSevenWhenAsked)
{
    load(2, 3, 3, 7);
    PrintReportPage(c);
    EXPECT_EQ(log, QStringList{"PrintRadiationReflectedPage"});
}

TEST_F(DispatcherTest, FailingPreviewPageIsReportedAndTheNextPageShown)
{
    load(1, 1, 13, 6);
    failingPages = {6};
    PrintReportPage(c);
    ASSERT_EQ(boxes().shown.size(), 1u);
    EXPECT_EQ(boxes().shown[0].title, "地面月报表");
    EXPECT_EQ(boxes().shown[0].style, MsgStyle::Critical);
    EXPECT_EQ(c.state.CurrentPage, 7);
    EXPECT_EQ(drawn, (std::vector<int>{6, 7}));
    EXPECT_EQ(log, QStringList{"PrintEvaporationSnowIcingWind"});
}

TEST_F(DispatcherTest, FailingLastPageWrapsToTheCover)
{
    load(1, 1, 13, 13);
    failingPages = {13, 12};
    PrintReportPage(c);
    EXPECT_EQ(boxes().shown.size(), 1u);
    EXPECT_EQ(c.state.CurrentPage, 1);
    EXPECT_EQ(log, QStringList{"PrintCover"});
}

TEST_F(DispatcherTest, ChainOfFailingPagesShowsOneBoxPerPage)
{
    load(2, 0, 7, 2);
    failingPages = {2, 3, 4};
    PrintReportPage(c);
    EXPECT_EQ(boxes().titles(), QStringList(3, "地面月报表"));
    EXPECT_EQ(c.state.CurrentPage, 5);
    EXPECT_EQ(log, QStringList{"PrintRadiationDiffusePage"});
}

TEST_F(DispatcherTest, ChainEndsAfterEveryPageFailedOnce)
{
    load(3, 0, 6, 3);
    failingPages = {1, 2, 3, 4, 5, 6};
    PrintReportPage(c);
    EXPECT_EQ(boxes().shown.size(), 6u);
    EXPECT_EQ(drawn, (std::vector<int>{3, 4, 5, 6, 1, 2}));
}

TEST_F(DispatcherTest, ChainWithoutPageCountStopsAtTheFailedPage)
{
    load(1, 1, 0, 4);
    failingPages = {4};
    PrintReportPage(c);
    EXPECT_EQ(boxes().shown.size(), 1u);
    EXPECT_EQ(c.state.CurrentPage, 4);
}

TEST_F(DispatcherTest, UnbuiltPageIsReportedNotLeftBlank)
{
    renderers.set(RendererId::PrintWindStatistics, nullptr);
    load(1, 2, 30, 15);
    PrintReportPage(c);
    ASSERT_EQ(boxes().shown.size(), 1u);
    EXPECT_TRUE(boxes().shown[0].text.startsWith("错误号：32001\r\n出错原因："));
    EXPECT_EQ(c.state.CurrentPage, 16);
}

TEST_F(DispatcherTest, FailingPrintedPageEndsItsJobAndStays)
{
    JobSurface printer;
    printTo(printer);
    load(1, 1, 13, 6);
    failingPages = {6};
    PrintReportPage(c);
    EXPECT_EQ(boxes().titles(), QStringList{"地面月报表"});
    EXPECT_EQ(c.state.CurrentPage, 6);
    EXPECT_EQ(drawn, (std::vector<int>{6}));
    EXPECT_EQ(printer.endedJobs, 1);
    EXPECT_EQ(panes.cleared, 0);
}

TEST_F(DispatcherTest, PrintsSelectedRowsInOrderOneJobEach)
{
    JobSurface printer;
    printTo(printer);
    load(1, 1, 13, 9);
    FakePageList list(13, {0, 2, 4});
    std::vector<std::pair<int, std::size_t>> setups;   // page set up, pages drawn by then
    PrintSelectedPages(c, list, [&](Component& comp) { setups.push_back({comp.state.CurrentPage, drawn.size()}); });
    EXPECT_EQ(setups, (std::vector<std::pair<int, std::size_t>>{{1, 0}, {3, 1}, {5, 2}}));
    EXPECT_EQ(drawn, (std::vector<int>{1, 3, 5}));
    EXPECT_EQ(log, (QStringList{"PrintCover", "PrintCloudAmountFormHeight", "PrintSelfRecordingPrecipitation"}));
    EXPECT_EQ(printer.endedJobs, 3);
    EXPECT_TRUE(list.selected().empty());
    EXPECT_EQ(c.state.CurrentPage, 5);
}

TEST_F(DispatcherTest, NoSelectionPrintsNothing)
{
    JobSurface printer;
    printTo(printer);
    load(1, 1, 13, 9);
    FakePageList list(13, {});
    int setups = 0;
    PrintSelectedPages(c, list, [&](Component&) { ++setups; });
    EXPECT_EQ(setups, 0);
    EXPECT_TRUE(drawn.empty());
    EXPECT_EQ(printer.endedJobs, 0);
    EXPECT_EQ(c.state.CurrentPage, 9);
}

TEST_F(DispatcherTest, FailingPrintedPageDoesNotStopTheRun)
{
    JobSurface printer;
    printTo(printer);
    load(1, 1, 13, 1);
    failingPages = {3};
    FakePageList list(13, {2, 3});
    PrintSelectedPages(c, list, [](Component&) {});
    EXPECT_EQ(drawn, (std::vector<int>{3, 4}));
    EXPECT_EQ(printer.endedJobs, 2);
    EXPECT_EQ(boxes().shown.size(), 1u);
    EXPECT_TRUE(list.selected().empty());
}

TEST_F(DispatcherTest, NextPageCommandDrawsTheFollowingPage)
{
    load(1, 5, 22, 16);
    GoToNextPage(c);
    EXPECT_EQ(c.state.CurrentPage, 17);
    EXPECT_EQ(log, QStringList{"PrintTemperature"});
    GoToNextPage(c);
    load(1, 5, 22, 22);
    GoToNextPage(c);
    EXPECT_EQ(c.state.CurrentPage, 1);
    EXPECT_EQ(log.last(), "PrintCover");
}

// The preview chain over failing pages clears the panes before each next page is drawn and
// has the window rebuild its page menus once per page moved; a page that draws moves nothing.
TEST_F(DispatcherTest, FailingChainClearsThePanesAndRebuildsThePageMenus)
{
    const std::function<void()> windowRebuild = c.pageMenusChanged;
    ASSERT_TRUE(windowRebuild);   // the report window is open
    int rebuilt = 0;
    c.pageMenusChanged = [&] {
        ++rebuilt;
        windowRebuild();
    };
    std::vector<int> clearedBeforeDrawing;
    renderers.set(RendererId::PrintRadiationDiffusePage, [&](Component& comp, const RendererArgs&) {
        clearedBeforeDrawing.push_back(panes.cleared);
        EndPrintedPage(comp);
    });

    load(2, 0, 7, 5);
    PrintReportPage(c);
    EXPECT_EQ(panes.cleared, 0);
    EXPECT_EQ(rebuilt, 0);

    load(2, 0, 7, 2);
    failingPages = {2, 3, 4};
    PrintReportPage(c);
    EXPECT_EQ(c.state.CurrentPage, 5);
    EXPECT_EQ(panes.cleared, 3);
    EXPECT_EQ(clearedBeforeDrawing, (std::vector<int>{0, 3}));
    EXPECT_EQ(rebuilt, 3);
    c.pageMenusChanged = windowRebuild;
}
