#include "window/PageTitles.h"
#include "report/ReportState.h"
#include "toolkit/SymbolGlyphs.h"

#include <gtest/gtest.h>

namespace tabulon {
namespace {

QStringList keys(const std::vector<PageMenuItem>& items)
{
    QStringList k;
    for (const PageMenuItem& i : items)
        k << i.key;
    return k;
}

TEST(PageTitles, EveryReportListsAsManyTitlesAsItHasPages)
{
    const int monthly[] = {13, 30, 37, 29, 22};
    for (int kind = 1; kind <= 5; ++kind)
        EXPECT_EQ(PageMenuTitles(MonthlySurfaceReport, kind).size(), monthly[kind - 1]) << kind;
    EXPECT_EQ(PageMenuTitles(MonthlyRadiationReport, 1).size(), 7);
    EXPECT_EQ(PageMenuTitles(MonthlyRadiationReport, 2).size(), 4);
    EXPECT_EQ(PageMenuTitles(MonthlyRadiationReport, 3),
              (QStringList{"封面", "现用仪器、备注", "时、日总辐射曝辐量"}));
    EXPECT_EQ(PageMenuTitles(YearlySurfaceReport, 0).size(), 6);
    EXPECT_EQ(PageMenuTitles(YearlySurfaceReport, 0).last(), QStringLiteral("年报表封底"));
}

TEST(PageTitles, UnknownKindsGiveNoTitles)
{
    EXPECT_TRUE(PageMenuTitles(MonthlySurfaceReport, 0).isEmpty());
    EXPECT_TRUE(PageMenuTitles(MonthlySurfaceReport, 6).isEmpty());
    EXPECT_TRUE(PageMenuTitles(MonthlyRadiationReport, 4).isEmpty());
    EXPECT_TRUE(PageMenuTitles(0, 1).isEmpty());
    EXPECT_TRUE(BuildPageMenus({}, 1).next.empty());
}

TEST(PageTitles, TitlesKeepTheirPunctuation)
{
    const QStringList kind1 = PageMenuTitles(MonthlySurfaceReport, 1);
    EXPECT_EQ(kind1[7], QStringLiteral("地面(0CM、5CM、10CM、15CM、20CM、40CM)温度、14时深层地温"));
    EXPECT_EQ(kind1.mid(10), (QStringList{"月简表1", "月简表2", "月简表3"}));
    EXPECT_EQ(PageMenuTitles(MonthlySurfaceReport, 3)[9], QStringLiteral("云状(21时-4时)"));
    EXPECT_EQ(PageMenuTitles(YearlySurfaceReport, 0)[4], QStringLiteral("年报表第四页(地面0cm-3.20米、A、DYF、S)"));
}

TEST(PageMenus, FirstPageHasOnlyANextMenu)
{
    const PageMenus m = BuildPageMenus(PageMenuTitles(MonthlySurfaceReport, 1), 1);
    EXPECT_TRUE(m.prev.empty());
    ASSERT_EQ(m.next.size(), 12u);
    EXPECT_EQ(m.next.front().key, QStringLiteral("n:2"));
    EXPECT_EQ(m.next.front().text, QStringLiteral("本站气压、气温、湿球、水汽压、相对湿度、露点温度"));
    EXPECT_EQ(m.next.back().key, QStringLiteral("n:13"));
    EXPECT_EQ(m.next.back().text, QStringLiteral("月简表3"));
}

TEST(PageMenus, MiddleAndLastPages)
{
    const QStringList titles = PageMenuTitles(MonthlySurfaceReport, 1);
    const PageMenus mid = BuildPageMenus(titles, 12);
    EXPECT_EQ(keys(mid.prev).size(), 11);
    EXPECT_EQ(mid.prev.front().key, QStringLiteral("p:1"));
    EXPECT_EQ(mid.prev.back().key, QStringLiteral("p:11"));
    EXPECT_EQ(keys(mid.next), QStringList{"n:13"});

    const PageMenus last = BuildPageMenus(titles, 13);
    EXPECT_TRUE(last.next.empty());
    EXPECT_EQ(last.prev.size(), 12u);
}

TEST(PageMenus, APagePastTheListNeverReadsPastItsEnd)
{
    const QStringList titles = PageMenuTitles(MonthlyRadiationReport, 3);
    const PageMenus m = BuildPageMenus(titles, 7);
    EXPECT_EQ(keys(m.prev), (QStringList{"p:1", "p:2", "p:3"}));
    EXPECT_TRUE(m.next.empty());
    const PageMenus zero = BuildPageMenus(titles, 0);
    EXPECT_TRUE(zero.prev.empty());
    EXPECT_EQ(zero.next.size(), 3u);
}

TEST(SymbolGlyphTable, HoldsThePrivateUseCharactersOneBased)
{
    EXPECT_EQ(SymbolGlyphs.size(), 36);
    EXPECT_EQ(SymbolGlyph(1), QString(QChar(0xE234)));
    EXPECT_EQ(SymbolGlyph(36), QString(QChar(0xE257)));
    EXPECT_TRUE(SymbolGlyph(0).isEmpty());
    EXPECT_TRUE(SymbolGlyph(37).isEmpty());
}

}  // namespace
}  // namespace tabulon
