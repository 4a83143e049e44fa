#include "toolkit/TextHelpers.h"

#include "platform/MessageBox.h"
#include "platform/RecordingSurface.h"
#include "toolkit/CanvasObserver.h"
#include "platform/ReportError.h"
#include "report/Component.h"
#include "window/EnterToTab.h"

#include <QApplication>
#include <QLineEdit>
#include <QVBoxLayout>
#include <QWidget>
#include <gtest/gtest.h>

using namespace tabulon;
using namespace Qt::StringLiterals;

namespace {

QString TwoDigits(QString v)
{
    FormatTwoDigits(v);
    return v;
}

QString SpellDates(QString v, const QString& year)
{
    FormatSpellDates(v, year);
    return v;
}

}  // namespace

TEST(FormatTwoDigits, FillsTheDigitRunToTwoDigits)
{
    EXPECT_EQ(TwoDigits("5"), "05");
    EXPECT_EQ(TwoDigits("0"), "00");
    EXPECT_EQ(TwoDigits("-3"), "-03");
    EXPECT_EQ(TwoDigits("123"), "123");
    EXPECT_EQ(TwoDigits("007"), "07");
    EXPECT_EQ(TwoDigits("000"), "00");
    EXPECT_EQ(TwoDigits("12B"), "12B");
    EXPECT_EQ(TwoDigits("-5B"), "-05B");
    EXPECT_EQ(TwoDigits("7/5"), "7/05");
    EXPECT_EQ(TwoDigits("-/5"), "-/05");
}

TEST(FormatTwoDigits, LeavesFillersAndDigitlessTextsAlone)
{
    for (const QString& v : QStringList{u"←---"_s, "-", "----", "-/-", "", "--", "x/y", "7/"})
        EXPECT_EQ(TwoDigits(v), v) << v.toStdString();
}

TEST(FormatTwoDigits, HandlesLongAndSeveralDigitRunsWithoutChangingThem)
{
    const QString longRun(400, u'9');
    EXPECT_EQ(TwoDigits(longRun), longRun);
    EXPECT_EQ(TwoDigits("0000000000000000000000000000042"), "42");
    // Several runs after the first "/" are not a table value: kept as they are.
    EXPECT_EQ(TwoDigits("1.5"), "1.5");
    EXPECT_EQ(TwoDigits("1/2/3"), "1/2/3");
}

TEST(FormatTwoDigits, ApplyingTwiceChangesNothing)
{
    for (const QString& v : QStringList{"5", "-3", "007", "7/5", "12B", "0", "-", "a9b"}) {
        const QString once = TwoDigits(v);
        EXPECT_EQ(TwoDigits(once), once) << v.toStdString();
    }
}

TEST(FormatSpellDates, DropsTheReportYearFromTheThirdField)
{
    EXPECT_EQ(SpellDates("a/b/2008xy", "2008"), "a/bxy");
    EXPECT_EQ(SpellDates("a/b/2007xy", "2008"), "a/b/2007xy");
    EXPECT_EQ(SpellDates("a/b", "2008"), "a/b");
    EXPECT_EQ(SpellDates("a/b/2008x/y", "2008"), "a/bxy");
    EXPECT_EQ(SpellDates("12/3/2008", "2008"), "12/3");
}

TEST(FormatSpellDates, ShortThirdFieldLeavesTheText)
{
    EXPECT_EQ(SpellDates("a/b/20", "2008"), "a/b/20");
    EXPECT_EQ(SpellDates("a/b/", "2008"), "a/b/");
}

TEST(FormatSpellDates, ReadsTheYearOfTheLoadedFile)
{
    Component c{Services{std::make_unique<ScriptedMessageBox>(), nullptr}};
    c.tables.AfilePara(2) = 2008;   // the reader may give the year as a number
    QString v = "5/3/200811";
    FormatSpellDates(c, v);
    EXPECT_EQ(v, "5/311");
    c.tables.AfilePara(2) = QStringLiteral("2008");
    v = "5/3/2007";
    FormatSpellDates(c, v);
    EXPECT_EQ(v, "5/3/2007");
}

TEST(GetField, CountsFieldsFromOne)
{
    EXPECT_EQ(GetField("  a/b  ", "/", 1), "a");
    EXPECT_EQ(GetField("  a/b  ", "/", 2), "b");
    EXPECT_EQ(GetField("  a/b  ", "/", 3), "");
    EXPECT_EQ(GetField("a/b/c", "/", 0), "");
    EXPECT_EQ(GetField("a/b/c", "/", -1), "");
    EXPECT_EQ(GetField("abc", "/", 1), "abc");
    EXPECT_EQ(GetField("a//c", "/", 2), "");
    EXPECT_EQ(GetField("a//c", "/", 3), "c");
    EXPECT_EQ(GetField("", "/", 1), "");
    EXPECT_EQ(GetField("a::b", "::", 2), "b");
}

TEST(GetField, EmptySeparatorGivesTheWholeTextAsFieldOne)
{
    EXPECT_EQ(GetField(" a/b ", "", 1), "a/b");
    EXPECT_EQ(GetField(" a/b ", "", 2), "");
    EXPECT_EQ(GetField(" a/b ", "", 0), "");
}

TEST(WindDirectionName, NamesTheSixteenPoints)
{
    EXPECT_EQ(WindDirectionName("0"), "N");
    EXPECT_EQ(WindDirectionName("11"), "N");
    EXPECT_EQ(WindDirectionName("360"), "N");
    EXPECT_EQ(WindDirectionName("349"), "N");
    EXPECT_EQ(WindDirectionName("12"), "NNE");
    EXPECT_EQ(WindDirectionName("90"), "E");
    EXPECT_EQ(WindDirectionName("180"), "S");
    EXPECT_EQ(WindDirectionName("258"), "WSW");
    EXPECT_EQ(WindDirectionName("348"), "NNW");
}

TEST(WindDirectionName, GapsAndOutOfRangeGiveDashAndTextsPassThrough)
{
    EXPECT_EQ(WindDirectionName("11.5"), "-");
    EXPECT_EQ(WindDirectionName("33.5"), "-");
    EXPECT_EQ(WindDirectionName("348.5"), "-");
    EXPECT_EQ(WindDirectionName("-1"), "-");
    EXPECT_EQ(WindDirectionName("361"), "-");
    EXPECT_EQ(WindDirectionName("abc"), "abc");
    EXPECT_EQ(WindDirectionName(""), "");
    EXPECT_EQ(WindDirectionName("C"), "C");
}

TEST(FormatWind, NamesTheDirectionAndMarksCalm)
{
    EXPECT_EQ(FormatWind("90/2"), "C/2");
    EXPECT_EQ(FormatWind("90/25"), "E/25");
    EXPECT_EQ(FormatWind("90/3"), "E/3");
    EXPECT_EQ(FormatWind(" 270/0 "), "C/0");
    EXPECT_EQ(FormatWind("N/25"), "N/25");
    EXPECT_EQ(FormatWind(""), "");
    EXPECT_EQ(FormatWind("C"), "C");
}

TEST(FormatWind, MissingSpeedKeepsTheDirectionName)
{
    EXPECT_EQ(FormatWind("270/"), "W/");
    EXPECT_EQ(FormatWind("270/-"), "W/-");
    EXPECT_EQ(FormatWind("270"), "W/");
}

TEST(EnterToTab, SwallowsEnterAndMovesTheFocusOn)
{
    QWidget w;
    auto* layout = new QVBoxLayout(&w);
    auto* first = new QLineEdit(&w);
    auto* second = new QLineEdit(&w);
    layout->addWidget(first);
    layout->addWidget(second);
    w.show();
    QApplication::setActiveWindow(&w);
    first->setFocus();
    QApplication::processEvents();
    ASSERT_EQ(QApplication::focusWidget(), first);

    std::int16_t key = 65;
    EnterToTab(key);
    EXPECT_EQ(key, 65);
    QApplication::processEvents();
    EXPECT_EQ(QApplication::focusWidget(), first);

    key = 13;
    EnterToTab(key);
    EXPECT_EQ(key, 0);
    QApplication::processEvents();
    EXPECT_EQ(QApplication::focusWidget(), second);
}

TEST(PrintBlankDayRows, FillsTheRowsPastTheLastDay)
{
    Component c{Services{std::make_unique<ScriptedMessageBox>(), nullptr}};
    RecordingSurface surface;
    c.canvas.OutputTarget = &surface;
    c.canvas.PrintMode = -1;
    CanvasCallRecorder rec(c.canvas);

    c.tables.AfilePara(4) = 28;
    PrintBlankDayRows(c, 10000, 1000, 500, 300, 2);
    EXPECT_EQ(rec.strings(), (QStringList{
        R"(PrintCell(-1, "  ", 500, 300, 1000, 9100))", R"(PrintCell(-1, "  ", 500, 300, 1500, 9100))",
        R"(PrintCell(-1, "  ", 500, 300, 1000, 9400))", R"(PrintCell(-1, "  ", 500, 300, 1500, 9400))",
        R"(PrintCell(-1, "  ", 500, 300, 1000, 9700))", R"(PrintCell(-1, "  ", 500, 300, 1500, 9700))"}));

    // Without grid lines the cells carry no border; the days may come as text.
    rec.clear();
    c.canvas.ShowGridLines = 0;
    c.tables.AfilePara(4) = QStringLiteral("30");
    PrintBlankDayRows(c, 10000, 1000, 500, 300, 1);
    EXPECT_EQ(rec.strings(), QStringList{R"(PrintCell(0, "  ", 500, 300, 1000, 9700))"});

    rec.clear();
    c.tables.AfilePara(4) = 31;
    PrintBlankDayRows(c, 10000, 1000, 500, 300, 2);
    EXPECT_TRUE(rec.calls().empty());

    // A count far outside a month blanks at most the 31 rows a page has, and returns.
    rec.clear();
    c.tables.AfilePara(4) = QStringLiteral("-1e12");
    PrintBlankDayRows(c, 10000, 1000, 500, 300, 1);
    EXPECT_EQ(rec.calls().size(), 31u);
    rec.clear();
    c.tables.AfilePara(4) = QStringLiteral("1e12");
    PrintBlankDayRows(c, 10000, 1000, 500, 300, 1);
    EXPECT_TRUE(rec.calls().empty());
}

TEST(PrintBlankDayRows, DaysThatAreNoNumberRaiseATypeMismatch)
{
    Component c{Services{std::make_unique<ScriptedMessageBox>(), nullptr}};
    RecordingSurface surface;
    c.canvas.OutputTarget = &surface;
    c.tables.AfilePara(4) = QStringLiteral("x");
    try {
        PrintBlankDayRows(c, 10000, 1000, 500, 300, 2);
        FAIL() << "no error raised";
    } catch (const ReportError& e) {
        EXPECT_EQ(e.number(), ErrorNumber::TypeMismatch);
    }
    EXPECT_TRUE(surface.texts().empty());
}

TEST(FormatNumber00, NumbersTakeAtLeastTwoDigitsOtherTextsStay)
{
    EXPECT_EQ(FormatNumber00(QStringLiteral("7")), QStringLiteral("07"));
    EXPECT_EQ(FormatNumber00(QStringLiteral("42")), QStringLiteral("42"));
    EXPECT_EQ(FormatNumber00(QStringLiteral("123")), QStringLiteral("123"));
    EXPECT_EQ(FormatNumber00(QStringLiteral("007")), QStringLiteral("07"));
    EXPECT_EQ(FormatNumber00(QStringLiteral("7.6")), QStringLiteral("08"));
    EXPECT_EQ(FormatNumber00(QStringLiteral("2.5")), QStringLiteral("03"));
    EXPECT_EQ(FormatNumber00(QStringLiteral("-5")), QStringLiteral("-05"));
    EXPECT_EQ(FormatNumber00(QStringLiteral("0")), QStringLiteral("00"));
    EXPECT_EQ(FormatNumber00(QStringLiteral(" 9 ")), QStringLiteral("09"));
    EXPECT_EQ(FormatNumber00(QString()), QString());
    EXPECT_EQ(FormatNumber00(QStringLiteral("-")), QStringLiteral("-"));
    EXPECT_EQ(FormatNumber00(QStringLiteral("x")), QStringLiteral("x"));
    EXPECT_EQ(FormatNumber00(QStringLiteral("7/3")), QStringLiteral("7/3"));
}
