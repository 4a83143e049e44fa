#include "platform/RecordingSurface.h"
#include "toolkit/CanvasObserver.h"
#include "toolkit/Cover.h"
#include "report/Component.h"

#include <gtest/gtest.h>

using namespace tabulon;

namespace {

const QString GroundWindLabel = QStringLiteral("风  速  感  应  器  距  地 高 度____________________________米");
const QString PlatformWindLabel = QStringLiteral("风 速 感 应 器 距 平  台  高  度____________________________米");
const QString PlatformLabel = QStringLiteral("平   台    距     地    高    度____________________________米");
const QString PressureLabel = QStringLiteral("气 压 感 应 部 分 拔  海  高  度____________________________米");

class CoverDrawingTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        c.canvas.PrintMode = -1;
        c.canvas.OutputTarget = &surface;
        c.tables.AfilePara(2) = 2026;
        c.tables.AfilePara(3) = 7;
        c.tables.AfilePara(7) = QStringLiteral("54511");
        c.tables.AfilePara(8) = QStringLiteral("39.57N");
        c.tables.AfilePara(9) = QStringLiteral("116.28E");
        c.tables.AfilePara(10) = QStringLiteral("31.3");
        c.tables.AfilePara(11) = QStringLiteral("32.6");
        c.tables.AfilePara(12) = QStringLiteral("10.5");
        c.tables.AStationInfo(2) = QStringLiteral("南郊");
    }
    std::vector<CanvasCall> draw(int coverKind)
    {
        CanvasCallRecorder rec(c.canvas);
        PrintCover(c, coverKind);
        return rec.calls();
    }
    static QStringList strings(const std::vector<CanvasCall>& calls)
    {
        QStringList s;
        for (const CanvasCall& call : calls)
            s << call.toString();
        return s;
    }
    static QString cell(int border, const QString& text, int w, int h, int x, int y)
    {
        return QStringLiteral(R"(PrintCell(%1, "%2", %3, %4, %5, %6))").arg(border).arg(text).arg(w).arg(h).arg(x).arg(y);
    }
    static QString label(const QString& text, int y) { return cell(0, text, 19500, 500, 0, y); }

    ScriptedMessageBox* box = new ScriptedMessageBox;
    Component c{Services{std::unique_ptr<MessageBox>(box), nullptr}};
    RecordingSurface surface;
};

}  // namespace

TEST_F(CoverDrawingTest, FramedIdentityCellsLeftAlignedThenCentred)
{
    const std::vector<CanvasCall> calls = draw(1);
    const QStringList s = strings(calls);
    const int form = static_cast<int>(s.indexOf(cell(-1, QStringLiteral("气  表-1 (人工)"), 2000, 350, 500, 900)));
    ASSERT_GE(form, 0);
    EXPECT_EQ(s.at(form + 1), cell(-1, QStringLiteral("区站号  54511"), 2000, 350, 500, 1250));
    EXPECT_EQ(calls[static_cast<std::size_t>(form)].textAlign, 1);
    EXPECT_EQ(calls[static_cast<std::size_t>(form + 2)].textAlign, 1);
    const int title = static_cast<int>(
        s.indexOf(cell(0, QStringLiteral("地   面   气   象   记   录   月   报   表"), 19500, 700, 0, 2000)));
    ASSERT_GE(title, 0);
    EXPECT_EQ(calls[static_cast<std::size_t>(title)].textAlign, 0);
    EXPECT_EQ(s.filter("SetFont"), (QStringList{"SetFont(14, 1)", "SetFont(20, 1)", "SetFont(28, 1)",
                                                "SetFont(14, 1)", "SetFont(25, 1)"}));
    EXPECT_TRUE(s.contains(cell(0, QStringLiteral("2026年7月"), 19500, 500, 0, 3100)));
    EXPECT_TRUE(s.contains(cell(0, QStringLiteral("r   o   r   o   d"), 19500, 700, 0, 12400)));
    EXPECT_FALSE(s.join("").contains(QStringLiteral("基    准")));
    EXPECT_EQ(surface.endDocCount(), 1);
    EXPECT_TRUE(box->shown.empty());
}

TEST_F(CoverDrawingTest, ValuesStandOnTheirUnderlines)
{
    const QStringList s = strings(draw(1));
    EXPECT_TRUE(s.contains(cell(0, QStringLiteral("南郊"), 6000, 500, 7000, 3985)));
    EXPECT_TRUE(s.contains(cell(0, QStringLiteral("39 °57 ′N"), 3000, 500, 6400, 5485)));
    EXPECT_TRUE(s.contains(cell(0, QStringLiteral("116 °28 ′E"), 3000, 500, 11000, 5485)));
    EXPECT_TRUE(s.contains(cell(0, QStringLiteral("32.6"), 3000, 500, 10000, 6485)));
    EXPECT_TRUE(s.contains(cell(0, QStringLiteral("10.5"), 3000, 500, 10000, 6985)));
    EXPECT_TRUE(s.contains(cell(0, QString(), 3000, 500, 6000, 9485)));    // first computation
    EXPECT_TRUE(s.contains(cell(0, QString(), 3000, 500, 11000, 9485)));   // second computation
    EXPECT_TRUE(s.contains(label(QStringLiteral("台(站)名____________________________________________________  "), 4060)));
    EXPECT_TRUE(s.contains(label(PressureLabel, 6560)));
}

TEST_F(CoverDrawingTest, WindSensorLabelsFollowThePlatformHeight)
{
    for (const char* height : {"", "0"}) {
        c.tables.AfilePara(14) = QString::fromLatin1(height);
        const QStringList s = strings(draw(2));
        EXPECT_TRUE(s.contains(label(GroundWindLabel, 7060))) << height;
        EXPECT_FALSE(s.join("").contains(PlatformLabel)) << height;
        EXPECT_TRUE(s.filter(QStringLiteral(", 7485)")).isEmpty()) << height;
    }
    c.tables.AfilePara(14) = QStringLiteral("12.5");
    const QStringList s = strings(draw(2));
    EXPECT_TRUE(s.contains(label(PlatformWindLabel, 7060)));
    EXPECT_TRUE(s.contains(label(PlatformLabel, 7560)));
    EXPECT_FALSE(s.join("").contains(GroundWindLabel));
    EXPECT_TRUE(s.contains(cell(0, QStringLiteral("12.5"), 3000, 500, 10000, 7485)));
}

TEST_F(CoverDrawingTest, ReferenceStationLine)
{
    const QStringList s = strings(draw(3));
    EXPECT_TRUE(s.contains(cell(0, QStringLiteral("基    准    气    候    站"), 19500, 700, 0, 1300)));
    EXPECT_TRUE(s.contains(cell(-1, QStringLiteral("气  表-1 (基准)"), 2000, 350, 500, 900)));
}

TEST_F(CoverDrawingTest, RadiationCoverHasRadiometersInsteadOfPressureAndWind)
{
    c.tables.RfilePara(11) = 2;
    c.tables.RfilePara(2) = 2026;
    c.tables.RfilePara(3) = 8;
    const QStringList s = strings(draw(5));
    const QString all = s.join("");
    EXPECT_TRUE(s.contains(cell(-1, QStringLiteral("气  表 -33(二)"), 2000, 350, 500, 900)));
    EXPECT_TRUE(s.contains(cell(0, QStringLiteral("气   象   辐   射   记   录   月   报   表"), 19500, 700, 0, 2000)));
    EXPECT_TRUE(s.contains(label(QStringLiteral("总 、散、直 辐 射 表 距 地 高 度____________________________米"), 6560)));
    EXPECT_TRUE(s.contains(label(QStringLiteral("净 、反  辐 射 表  距  地  高 度____________________________米"), 7060)));
    EXPECT_FALSE(all.contains(PressureLabel));
    EXPECT_FALSE(all.contains(GroundWindLabel));
    EXPECT_FALSE(all.contains(PlatformLabel));
    EXPECT_TRUE(s.contains(cell(0, QStringLiteral("、、"), 3000, 500, 10000, 6485)));
}

TEST_F(CoverDrawingTest, YearlyTitle)
{
    const QStringList s = strings(draw(4));
    EXPECT_TRUE(s.contains(cell(0, QStringLiteral("地   面   气   象   记   录   年   报   表"), 19500, 700, 0, 2000)));
    EXPECT_TRUE(s.contains(cell(-1, QStringLiteral("气    表 - 21"), 2000, 350, 500, 900)));
}

TEST_F(CoverDrawingTest, FailureAfterTheFormNumberIsReportedUnderIt)
{
    c.canvas.OutputTarget = nullptr;
    draw(1);
    ASSERT_EQ(box->shown.size(), 1u);
    EXPECT_EQ(box->shown[0].title, QStringLiteral("打印气  表-1 (人工)"));
}
