#include "window/ClsTabulon.h"
#include "window/frmReportOutPut.h"
#include "WindowFixture.h"

#include <QCoreApplication>

namespace tabulon {
namespace {

using ClsTabulonTest = WindowFixture;

TEST_F(ClsTabulonTest, EachMethodSetsItsReportKindCaptionAndHelpTopic)
{
    struct Case {
        void (ClsTabulon::*method)(const QString&, const QString&);
        int kind;
        const char* caption;
        int help;
    };
    const Case cases[] = {{&ClsTabulon::MonthTabulon, 1, "地面气象记录月报表", 45},
                          {&ClsTabulon::MonthFSTabulon, 2, "气象辐射记录月报表", 46},
                          {&ClsTabulon::YearTabluon, 3, "地面气象记录年报表", 47}};
    for (const Case& k : cases) {
        Component own{Services{std::make_unique<ScriptedMessageBox>(), nullptr}};
        ClsTabulon cls(own);
        (cls.*k.method)("/s/", "");
        EXPECT_EQ(own.state.ReportKind, k.kind);
        EXPECT_EQ(own.state.SystemPath, QStringLiteral("/s/"));
        EXPECT_EQ(own.state.HelpFile, QStringLiteral("/s/Help.chm"));
        EXPECT_EQ(own.state.DataPath, QString());
        ASSERT_NE(own.existingWindow(), nullptr);
        EXPECT_EQ(own.existingWindow()->windowTitle(), QString::fromUtf8(k.caption));
        EXPECT_EQ(own.existingWindow()->HelpContextID, k.help);
        EXPECT_TRUE(own.existingWindow()->isVisible());
    }
}

TEST_F(ClsTabulonTest, ASecondCallReusesTheWindowAndKeepsTheLoadedReport)
{
    ClsTabulon cls(*c);
    cls.MonthTabulon(systemPath, "/data");
    frmReportOutPut* first = c->existingWindow();
    c->state.StationKind = 3;
    c->state.PageCount = 37;
    c->state.CurrentPage = 5;

    cls.YearTabluon("/other", "");
    EXPECT_EQ(c->existingWindow(), first);
    EXPECT_EQ(c->state.ReportKind, 3);
    EXPECT_EQ(c->state.StationKind, 3);
    EXPECT_EQ(c->state.PageCount, 37);
    EXPECT_EQ(c->state.CurrentPage, 5);
    // No trailing separator: joined by plain concatenation all the same.
    EXPECT_EQ(c->state.HelpFile, QStringLiteral("/otherHelp.chm"));
    // Only brought up: the caption of its opening stays.
    EXPECT_EQ(first->windowTitle(), QStringLiteral("地面气象记录月报表"));
}

TEST_F(ClsTabulonTest, AClosedWindowOpensAnewWithItsStartUp)
{
    ClsTabulon cls(*c);
    cls.MonthTabulon(systemPath, "");
    c->existingWindow()->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_EQ(c->existingWindow(), nullptr);

    cls.MonthFSTabulon(systemPath, "");
    ASSERT_NE(c->existingWindow(), nullptr);
    EXPECT_EQ(c->existingWindow()->windowTitle(), QStringLiteral("气象辐射记录月报表"));
}

}  // namespace
}  // namespace tabulon
