#include "pages/monthly_daily/GroundTemperaturesPage.h"

#include "support/PageTestSupport.h"

using namespace tabulon;
using namespace tabulon::testing;

namespace {

double DayY(int day) { return 1210 + 330 * (day - 1 + (day > 10) + (day > 20)); }
constexpr std::array<double, 4> StatisticsY{4510, 8140, 12100, 12430};

}  // namespace

using GroundTemperaturesPage = DailyPageTest;

TEST_F(GroundTemperaturesPage, WholePageOverPositionCodedTables)
{
    ReportTables& t = c.tables;
    const test::PositionCodedTables codes = positionCoded();
    CanvasCallRecorder rec(c.canvas);
    PrintGroundTemperatures(c);

    const std::array<const TextTable*, 5> depths{&t.ASoilTemp5cm, &t.ASoilTemp10cm, &t.ASoilTemp15cm,
                                                 &t.ASoilTemp20cm, &t.ASoilTemp40cm};
    test::PageExpectation page(codes);
    for (int d = 1; d <= 31; ++d) {
        QStringList row;
        for (int h = 1; h <= 4; ++h)
            row << codes(t.AGroundTemperature, d, h);
        row << codes(t.ADailyStat, d, 22) << codes(t.AGroundTemperature, d, 5) << codes(t.AGroundTemperature, d, 6);
        for (std::size_t k = 0; k < depths.size(); ++k) {
            for (int h = 1; h <= 4; ++h)
                row << codes(*depths[k], d, h);
            row << codes(t.ADailyStat, d, 24 + 2 * static_cast<int>(k));
        }
        row << codes(t.ASoilTemp80cm, d, 1) << codes(t.ASoilTemp160cm, d, 1) << codes(t.ASoilTemp320cm, d, 1);
        page.row(DayY(d), 915, 531, row);
    }
    for (int p = 1; p <= 4; ++p) {
        QStringList row;
        for (int k = 222; k <= 228; ++k)
            row << codes(t.ADekadStat, p, k);
        for (int base : {250, 276, 302, 328, 354})
            for (int k = base; k < base + 5; ++k)
                row << codes(t.ADekadStat, p, k);
        row << codes(t.ADekadStat, p, 380) << codes(t.ADekadStat, p, 406) << codes(t.ADekadStat, p, 432);
        page.row(StatisticsY[p - 1], 915, 531, row);
    }
    page.row(12760, {915, 3039, 4101, 5694, 6756, 8349, 9411, 11004, 12066, 13659, 16845},
             {"地面(0cm)", "最高", codes(t.AMonthStat, 80), "日期", codes(t.AMonthStat, 81), "最低",
              codes(t.AMonthStat, 82), "日期", codes(t.AMonthStat, 83), "地面最低温度≤0.0℃日数",
              codes(t.AMonthStat, 84)});
    page.only(915, 1210, 19500, 13090);
    EXPECT_TRUE(page.matches(rec));
    EXPECT_TRUE(rec.contains(R"(PrintCell(-1, "地面最低温度≤0.0℃日数", 3186, 330, 13659, 12760))"));
    EXPECT_TRUE(messages().shown.empty());
}

TEST_F(GroundTemperaturesPage, TheStationKindPicksOnlyThePageNumber)
{
    positionCoded();
    const std::array<std::pair<std::int16_t, const char*>, 4> kinds{
        {{ReferenceManualGround, "-22-"}, {AutomaticManualGround, "-15-"}, {ManualStation, "-7-"}, {ReferenceStation, "-7-"}}};
    for (const auto& [kind, number] : kinds) {
        c.state.StationKind = kind;
        CanvasCallRecorder rec(c.canvas);
        PrintGroundTemperatures(c);
        EXPECT_TRUE(rec.contains(QStringLiteral(R"(PrintCell(0, "%1", 19500, 300, 0, 13300))").arg(QString::fromUtf8(number))))
            << kind;
    }
}

TEST_F(GroundTemperaturesPage, ValuesAndMeansStayPaddedInTheirTables)
{
    positionCoded();
    ReportTables& t = c.tables;
    t.AGroundTemperature(1, 5) = QStringLiteral("5");
    t.AGroundTemperature(1, 6) = QStringLiteral("-");
    t.ASoilTemp40cm(2, 1) = QStringLiteral("----");
    t.ADekadStat(4, 358) = QStringLiteral("-3");
    CanvasCallRecorder rec(c.canvas);
    PrintGroundTemperatures(c);
    EXPECT_TRUE(rec.contains(R"(PrintCell(-1, "05", 531, 330, 3570, 1210))"));
    EXPECT_EQ(t.AGroundTemperature(1, 5), QStringLiteral("05"));
    EXPECT_EQ(t.AGroundTemperature(1, 6), QStringLiteral("-"));
    EXPECT_EQ(t.ASoilTemp40cm(2, 1), QStringLiteral("----"));
    EXPECT_EQ(t.ADekadStat(4, 358), QStringLiteral("-03"));
}

TEST_F(GroundTemperaturesPage, ThirtyDayMonthBlanksRow31)
{
    positionCoded();
    loadManualStationMonth(30, 4);
    CanvasCallRecorder rec(c.canvas);
    PrintGroundTemperatures(c);
    QStringList day31;
    for (const CanvasCall& call : rec.ofKind(CanvasCall::Kind::PrintCell))
        if (call.numbers[4] == 11770 && call.numbers[3] >= 915)
            day31 << call.text;
    EXPECT_EQ(day31, QStringList(35, QStringLiteral("  ")));
}

