// Yearly page four: ground, soil and grass temperatures over frozen soil, wind and sunshine,
// the year rows below their labels, the frozen-soil depth printed from a copy.
#include "pages/yearly/YearPage4.h"

#include "pages/yearly/YearlyPageTestSupport.h"

namespace tabulon::test {
namespace {

constexpr double X0 = 1020, UpperW = 770, LowerW = 1155;
double UpperY(int m) { return 1210 + 320 * (m - 1); }
double LowerY(int m) { return 7210 + 320 * (m - 1); }

using YearlyPage4Test = YearlyPageTest;

TEST_F(YearlyPage4Test, WholePageOverPositionCodedTables)
{
    PositionCodedTables codes = positionCoded();
    CanvasCallRecorder rec(c.canvas);
    PrintYearPage4(c);

    PageExpectation page(codes);
    const QString f = QStringLiteral("---");
    const auto year = [&](int item) { return codes(stat(), 13, item); };
    // Columns 1..n of a year row: the listed column -> item pairs, "---" elsewhere.
    auto yearRow = [&](double y, double width, int columns, std::initializer_list<std::pair<int, int>> items,
                       int skip = 0) {
        std::vector<double> xs;
        QStringList texts;
        for (int col = 1; col <= columns; ++col) {
            if (col == skip)
                continue;
            QString text = f;
            for (auto [column, item] : items)
                if (column == col)
                    text = year(item);
            xs.push_back(X0 + width * (col - 1));
            texts << text;
        }
        page.row(y, xs, texts);
    };
    for (int m = 1; m <= 12; ++m) {
        QStringList upper, lower;
        for (int col = 1; col <= 24; ++col)
            upper << codes(stat(), m, 117 + col);
        for (int item : {142, 143, 111, 112, 113, 114, 115, 116, 117, 144, 145, 146, 147, 148, 149, 150})
            lower << codes(stat(), m, item);
        page.row(UpperY(m), X0, UpperW, upper);
        page.row(LowerY(m), X0, LowerW, lower);
    }
    yearRow(5050, UpperW, 24, {{8, 125}, {24, 141}});
    yearRow(5370, UpperW, 24, {{4, 121}, {5, 122}, {6, 123}, {7, 124}, {20, 137}, {21, 138}, {22, 139}, {23, 140}});
    yearRow(5690, UpperW, 24, {{1, 118}, {2, 119}, {3, 120}, {9, 126}, {10, 127}, {11, 128}, {12, 129}, {13, 130},
                               {14, 131}, {15, 132}, {16, 133}, {17, 134}, {18, 135}, {19, 136}});
    yearRow(11050, LowerW, 16, {{13, 147}, {15, 149}, {16, 150}}, 14);
    yearRow(11370, LowerW, 16, {{1, 142}, {2, 143}, {4, 112}, {5, 113}, {6, 114}, {7, 115}, {8, 116}, {9, 117}}, 14);
    yearRow(11690, LowerW, 16, {{3, 111}, {14, 148}});
    page.cell(16035, 11050, QStringLiteral("年百分率"));
    page.only(X0, 1210, 19500, 6000).only(X0, 7210, 19500, 12010);
    EXPECT_TRUE(page.matches(rec));
    EXPECT_TRUE(rec.contains(R"(PrintCell(-1, "年百分率", 1155, 640, 16035, 11050))"));
    EXPECT_TRUE(rec.contains(R"(PrintCell(-1, "年合计", 1020, 320, 0, 5040))"));
    EXPECT_TRUE(rec.contains(R"(PrintCell(-1, "年平均", 1020, 320, 0, 11680))"));
    EXPECT_EQ(rec.strings().last(), R"(PrintCell(0, "-4-", 19500, 300, 0, 13300))");
    EXPECT_EQ(surface.endDocCount(), 1);
    EXPECT_TRUE(messages().shown.empty());
}

TEST_F(YearlyPage4Test, FrozenDepthAboveFiveHundredPrintsTheExcessFromACopy)
{
    stat()(1, 142) = QStringLiteral("520");
    stat()(2, 142) = QStringLiteral("500");
    stat()(3, 142) = QStringLiteral("35");
    stat()(13, 142) = QStringLiteral("520");
    stat()(4, 143) = QStringLiteral("520");   // only the depth column is rewritten
    CanvasCallRecorder rec(c.canvas);
    PrintYearPage4(c);
    EXPECT_EQ(cellText(rec, 1020, LowerY(1)), QStringLiteral(">20"));
    EXPECT_EQ(cellText(rec, 1020, LowerY(2)), QStringLiteral("500"));
    EXPECT_EQ(cellText(rec, 1020, LowerY(3)), QStringLiteral("35"));
    EXPECT_EQ(cellText(rec, 1020, 11370), QStringLiteral(">20"));
    EXPECT_EQ(cellText(rec, 2175, LowerY(4)), QStringLiteral("520"));
    EXPECT_EQ(stat()(1, 142), QStringLiteral("520"));
    EXPECT_EQ(stat()(13, 142), QStringLiteral("520"));
    // The filler of the year total stays a filler.
    EXPECT_EQ(cellText(rec, 1020, 11050), QStringLiteral("---"));

    EXPECT_EQ(FrozenDepthText(QStringLiteral("512.5")), QStringLiteral(">12.5"));
    EXPECT_EQ(FrozenDepthText(QStringLiteral("501cm")), QStringLiteral(">1"));
    EXPECT_EQ(FrozenDepthText(QString()), QString());
    EXPECT_EQ(FrozenDepthText(QStringLiteral("x600")), QStringLiteral("x600"));
}

TEST_F(YearlyPage4Test, HeadingsAndGridLinesOff)
{
    c.canvas.ShowGridLines = 0;
    stat()(5, 130) = QString();
    CanvasCallRecorder rec(c.canvas);
    PrintYearPage4(c);
    int subHeadings = 0;
    for (const CanvasCall& call : rec.ofKind(CanvasCall::Kind::PrintCell))
        subHeadings += call.numbers[4] == 910;
    EXPECT_EQ(subHeadings, 20);
    EXPECT_EQ(cellText(rec, 1790, 910), QStringLiteral("最高"));
    EXPECT_EQ(cellText(rec, 7180, 910), QStringLiteral("5cm"));
    EXPECT_EQ(cellText(rec, 12570, 910), QStringLiteral("3.2m"));
    EXPECT_TRUE(cellsAt(rec, 6410, 910).empty());
    EXPECT_TRUE(cellsAt(rec, 13340, 910).empty());
    EXPECT_TRUE(rec.contains(R"(PrintCell(-1, "百分率", 1155, 800, 16035, 6410))"));
    EXPECT_TRUE(rec.contains(R"(PrintCell(-1, "≥60%", 1155, 400, 17190, 6810))"));
    EXPECT_TRUE(rec.contains(R"(PrintCell(0, "", 770, 320, 10260, 2490))"));
    EXPECT_TRUE(rec.contains(R"(PrintCell(-1, "---", 770, 320, 1020, 5050))"));
    EXPECT_TRUE(rec.contains(R"(PrintCell(0, "12", 1020, 320, 0, 4730))"));
    EXPECT_TRUE(rec.contains(R"(DrawVerticalLine(11020, 310, 6010, 4))"));
    EXPECT_TRUE(rec.contains(R"(DrawVerticalLine(11415, 6010, 12010, 4))"));
    EXPECT_TRUE(rec.contains(R"(DrawHorizontalLine(0, 11040, 19500, 4))"));
    EXPECT_EQ(c.canvas.TextAlign, 0);
}

}  // namespace
}  // namespace tabulon::test
