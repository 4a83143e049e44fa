// The four cloud-form pages: hour columns sharing the hour block, cells by the cloud-form printer.
#include "support/PageTestSupport.h"
#include "pages/monthly_hourly/DayGridRenderers.h"

namespace tabulon::test {
namespace {

struct CloudFormPart {
    int hourCount, part, firstItem;
    double width;
    double fixedHourLeft;
    const char* labels;
    const char* number;
};

const CloudFormPart Parts[] = {
    {8, 1, 1, 2310, 12570, "21,22,23,24,1,2,3,4", "-9-"},
    {5, 2, 9, 3696, 12108, "5,6,7,8,9", "-10-"},
    {5, 3, 14, 3696, 15804, "10,11,12,13,14", "-11-"},
    {6, 4, 19, 3080, 16420, "15,16,17,18,19,20", "-12-"},
};

class CloudFormPagesTest : public DayGridPageTest {
protected:
    void SetUp() override
    {
        DayGridPageTest::SetUp();
        surface.setSnapToPixels(false);
    }

    // The cloud texts the printer put on the surface, one line per text with its cell's
    // corner: a text starts 50 twips inside its cell and, at 10 points, 75 below the cell's top.
    std::string printedClouds() const
    {
        QStringList lines;
        for (const RecordedText& t : surface.texts())
            if (t.x >= 1020 && t.y >= 1110 && t.y < 11960 && !t.text.trimmed().isEmpty())
                lines << cloudLine(t.x - 50, t.y - 75, t.text);
        return lines.join(u'\n').toStdString();
    }
    static QString cloudLine(double x, double y, const QString& text)
    {
        return QStringLiteral("(%1, %2) %3").arg(x).arg(y).arg(text);
    }
};

TEST_F(CloudFormPagesTest, EachPartWholePage)
{
    const PositionCodedTables codes = positionCoded();
    c.tables.AfilePara(4) = 29;
    for (const CloudFormPart& p : Parts) {
        SCOPED_TRACE(p.part);
        surface.clear();
        CanvasCallRecorder rec(c.canvas);
        PrintCloudForm(c, static_cast<std::int16_t>(p.hourCount), static_cast<std::int16_t>(p.part));

        QStringList expected;
        for (int d = 1; d <= 29; ++d)
            for (int j = 0; j < p.hourCount; ++j)
                expected << cloudLine(1020 + p.width * j, DayGridRowY(d), codes(c.tables.ACloudForm, d, p.firstItem + j));
        EXPECT_EQ(printedClouds(), expected.join(u'\n').toStdString());
        // Each cell framed first, left-aligned; rows 30 and 31 blank with the page's width.
        EXPECT_TRUE(rec.contains(QStringLiteral(R"c(PrintCell(-1, "", %1, 350, 1020, 1110))c").arg(p.width)));
        EXPECT_EQ(lastCellAt(rec, 1020, 1110).textAlign, 1);
        for (double y : {11260, 11610})
            EXPECT_EQ(countCells(rec, QStringLiteral("  "), y), p.hourCount);
        EXPECT_TRUE(rec.contains(QStringLiteral(R"c(PrintCell(-1, "  ", %1, 350, 1020, 11610))c").arg(p.width)));

        const QStringList labels = QString::fromLatin1(p.labels).split(u',');
        for (int j = 0; j < p.hourCount; ++j)
            EXPECT_TRUE(rec.contains(QStringLiteral(R"c(PrintCell(-1, "%1", %2, 400, %3, 710))c")
                                         .arg(labels.at(j))
                                         .arg(p.width)
                                         .arg(1020 + p.width * j)))
                << j;
        EXPECT_TRUE(rec.contains(R"c(PrintCell(-1, "云             状", 18480, 400, 1020, 310))c"));
        for (double x : {p.fixedHourLeft, p.fixedHourLeft + p.width}) {
            EXPECT_TRUE(rec.contains(QStringLiteral("DrawVerticalLine(%1, 710, 1110, 4)").arg(x))) << x;
            EXPECT_TRUE(rec.contains(QStringLiteral("DrawVerticalLine(%1, 710, 11960, 4)").arg(x))) << x;
        }
        EXPECT_TRUE(rec.contains("DrawVerticalLine(19500, 310, 11960, 4)"));
        EXPECT_TRUE(rec.contains("DrawHorizontalLine(1020, 4610, 19500, 4)"));   // below day 10
        EXPECT_TRUE(rec.contains("DrawHorizontalLine(0, 6360, 1020, 3)"));       // below day 15
        EXPECT_EQ(rec.strings().last(), QStringLiteral(R"c(PrintCell(0, "%1", 19500, 300, 0, 13300))c").arg(p.number));
    }
    EXPECT_TRUE(boxes().shown.empty());
}

TEST_F(CloudFormPagesTest, SymbolsAbbreviationsAndTheFontLeftBehind)
{
    c.tables.ACloudForm(1, 9) = QStringLiteral("Ci 31 AC");
    CanvasCallRecorder rec(c.canvas);
    PrintCloudForm(c, 5, 2);
    const auto inCell = surface.textsInBox(1070, 1110, 3696, 350);
    QStringList texts;
    for (const RecordedText& t : inCell)
        if (!t.text.trimmed().isEmpty())
            texts << t.text + u'@' + t.fontName;
    EXPECT_EQ(texts, QStringList({QStringLiteral("Ci@宋体"), QString(QChar(0xE24B)) + QStringLiteral("@Nimbrix"),
                                  QStringLiteral("Ac@宋体")}));
    // After the last cloud cell the surface is back in "宋体" 9 before anything else is drawn.
    const auto& requests = surface.fontRequests();
    qsizetype lastSymbol = -1;
    for (qsizetype i = 0; i < static_cast<qsizetype>(requests.size()); ++i)
        if (requests[i].kind == FontRequest::Name && requests[i].name == u"Nimbrix")
            lastSymbol = i;
    ASSERT_GE(lastSymbol, 0);
    QString name;
    double size = 0;
    for (auto i = static_cast<std::size_t>(lastSymbol) + 1; i < requests.size(); ++i) {
        if (requests[i].kind == FontRequest::Name)
            name = requests[i].name;
        else if (requests[i].size == 11)
            break;   // the page number
        else
            size = requests[i].size;
    }
    EXPECT_EQ(name, QStringLiteral("宋体"));
    EXPECT_EQ(size, 9);
    EXPECT_TRUE(boxes().shown.empty());
}

TEST_F(CloudFormPagesTest, OtherModeLetterBlanksEveryRow)
{
    positionCoded();
    c.tables.AfileMode(8) = QStringLiteral("B");
    c.tables.AfilePara(4) = 28;
    CanvasCallRecorder rec(c.canvas);
    PrintCloudForm(c, 8, 1);
    EXPECT_TRUE(printedClouds().empty());
    PageExpectation page;
    for (int d = 1; d <= 31; ++d)
        page.row(DayGridRowY(d), 1020, 2310, QStringList(8, QStringLiteral(" ")));
    EXPECT_TRUE(page.only(1020, 1110, 19500, 11960).matches(rec));
    EXPECT_TRUE(rec.contains(R"c(PrintCell(-1, " ", 2310, 350, 17190, 11610))c"));
    EXPECT_TRUE(rec.contains(R"c(PrintCell(-1, "4", 2310, 400, 17190, 710))c"));
    EXPECT_TRUE(boxes().shown.empty());
}

TEST_F(CloudFormPagesTest, ErrorIsReportedWithItsContext)
{
    c.tables.ACloudForm.dim({Bounds{1, 31}, Bounds{1, 20}});
    PrintCloudForm(c, 6, 4);
    // Arguments the dispatcher never passes are refused the same way, not divided by.
    PrintCloudForm(c, 0, 1);
    PrintCloudForm(c, 8, 5);
    ASSERT_EQ(boxes().shown.size(), 3u);
    for (const auto& box : boxes().shown)
        EXPECT_EQ(box.title, QStringLiteral("打印云状"));
}

}  // namespace
}  // namespace tabulon::test
