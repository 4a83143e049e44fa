#include "toolkit/StationChangeSentences.h"

#include "support/TextLists.h"

#include <gtest/gtest.h>

#include <ostream>

using namespace tabulon;

namespace tabulon {
// Readable failures: the date and the sentence.
static void PrintTo(const DatedEntry& e, std::ostream* os)
{
    *os << '"' << e.date.toStdString() << "\" \"" << e.text.toStdString() << '"';
}
}  // namespace tabulon

namespace {

DatedEntry Entry(const char* record)
{
    const StationChange change = StationChangeSentence(QString::fromUtf8(record));
    EXPECT_TRUE(change.remarks.isEmpty()) << record;
    return change.entry.value_or(DatedEntry{QStringLiteral("<none>"), QStringLiteral("<none>")});
}

DatedEntry Dated(const char* date, const char* text)
{
    return {QString::fromUtf8(date), QString::fromUtf8(text)};
}

}  // namespace

TEST(StationChangeSentence, DatesAreWrittenDaySlashMonth)
{
    EXPECT_EQ(StationChangeDate(QStringLiteral("0315")), QStringLiteral("15/3"));
    EXPECT_EQ(StationChangeDate(QStringLiteral("0315-0320")), QStringLiteral("15/3-20/3"));
    EXPECT_EQ(StationChangeDate(QStringLiteral("1201-")), QStringLiteral("1/12-"));
    EXPECT_EQ(StationChangeDate(QStringLiteral("15")), QStringLiteral("15"));
    EXPECT_EQ(StationChangeDate(QStringLiteral("05")), QStringLiteral("5"));
    EXPECT_EQ(StationChangeDate(QString()), QString());
}

TEST(StationChangeSentence, EveryCodeHasItsWording)
{
    EXPECT_EQ(Entry("01/0315/新名"), Dated("15/3", "从即日起本站名更改为新名。"));
    EXPECT_EQ(Entry("02/0401/54512"), Dated("1/4", "从即日起本站站号更改为54512。"));
    EXPECT_EQ(Entry("03/0401/基准站"), Dated("1/4", "从即日起本站级别调整为基准站。"));
    EXPECT_EQ(Entry("04/0401/市气象局"), Dated("1/4", "从即日起本站归市气象局所属。"));
    EXPECT_EQ(Entry("05/0601/3957N/11628E/523/新址路1号/城东/800;NE"),
              Dated("1/6", "即日起本站迁移到新址路1号(城东)，距原址800米，方位NE，39°57′N，116°28′E，"
                           "观测场拔海高度为52.3米。"));
    EXPECT_EQ(Entry("05/0601/3957S/11628W/523/新址路1号//800;NE"),
              Dated("1/6", "即日起本站迁移到新址路1号，距原址800米，方位NE，39°57′S，116°28′W，"
                           "观测场拔海高度为52.3米。"));
    EXPECT_EQ(Entry("06/0510/东北/楼房/12/30/150"),
              Dated("10/5", "即日起本站观测场东北方向增加了楼房障碍物。其仰角为12度，宽度角为30度，距离为150米。"));
    EXPECT_EQ(Entry("07/0701/电线积冰"), Dated("1/7", "从即日起本站增加电线积冰观测项目。"));
    EXPECT_EQ(Entry("77/0701/冻土"), Dated("1/7", "从即日起本站取消冻土观测项目。"));
    EXPECT_EQ(Entry("09/0101/北京时"), Dated("1/1", "从即日起观测时制采用北京时。"));
    EXPECT_EQ(Entry("BB/0301/自动站与人工站并行观测。"), Dated("1/3", "自动站与人工站并行观测。"));
    EXPECT_EQ(Entry("12/0301-0310/仪器检定。"), Dated("1/3-10/3", "仪器检定。"));
}

TEST(StationChangeSentence, InstrumentRecordsTakeOneOfThreeForms)
{
    EXPECT_EQ(Entry("08/0315/蒸发/E601B型蒸发器"), Dated("15/3", "从即日起蒸发采用E601B型蒸发器观测。"));
    EXPECT_EQ(Entry("08/0315/蒸发/E601B型蒸发器/0/0"), Dated("15/3", "从即日起蒸发采用E601B型蒸发器观测。"));
    EXPECT_EQ(Entry("08/0315/风/EL型/105/0"),
              Dated("15/3", "从即日起风采用EL型观测，仪器距地高度为10.5米。"));
    EXPECT_EQ(Entry("08/0315/风/EL型/105/125"),
              Dated("15/3", "从即日起风采用EL型观测，仪器距平台高度为10.5米，平台高度为12.5米。"));
}

TEST(StationChangeSentence, RemeasurementNamesOnlyWhatWasMeasured)
{
    EXPECT_EQ(Entry("55/0320//////").text, QStringLiteral("即日起本站米。"));
    EXPECT_EQ(Entry("55/0320///123").text, QStringLiteral("即日起本站拔海高度变为12.3米。"));
    EXPECT_EQ(Entry("55/0320/3957N/11628E/123").text,
              QStringLiteral("即日起本站参数重新测量，纬度变为39°57′N，经度变为116°28′E，拔海高度变为12.3米。"));
    EXPECT_EQ(Entry("55/0320/3957N/11628E/123/新址路2号/城西").text,
              QStringLiteral("即日起本站地址变为“新址路2号(城西)”。参数重新测量，纬度为39°57′N，经度为116°28′E，"
                             "拔海高度为12.3米。"));
    EXPECT_EQ(Entry("55/0320///123/新址路2号").text, QStringLiteral("即日起本站地址变为“新址路2号”。拔海高度为12.3米。"));
    // A coordinate that is not given is left out, never printed as 0°00′W.
    EXPECT_EQ(Entry("55/0320/3957N").text, QStringLiteral("即日起本站参数重新测量，纬度变为39°57′N，米。"));
    EXPECT_EQ(Entry("55/0320//11628E").text, QStringLiteral("即日起本站参数重新测量，经度变为116°28′E，米。"));
}

TEST(StationChangeSentence, PreciseCoordinatesAreNotTakenForADate)
{
    EXPECT_EQ(Entry("00/053000/1162830"), Dated("", "站的纬、度(精确至秒)：05°30′00″N；116°28′30″E"));
    EXPECT_EQ(Entry("00/395730/0762805"), Dated("", "站的纬、度(精确至秒)：39°57′30″N；076°28′05″E"));
}

TEST(StationChangeSentence, ScheduleRecordsFeedTheRemarksLineOnly)
{
    StationChange c = StationChangeSentence(QStringLiteral("10/24/24小时连续观测"));
    EXPECT_FALSE(c.entry);
    EXPECT_TRUE(c.remarks.isEmpty());
    c = StationChangeSentence(QStringLiteral("10/08"));
    EXPECT_FALSE(c.entry);
    EXPECT_EQ(c.remarks, QStringLiteral("8次观测站    "));
    c = StationChangeSentence(QStringLiteral("11/守班"));
    EXPECT_FALSE(c.entry);
    EXPECT_EQ(c.remarks, QStringLiteral("夜间守班"));
    EXPECT_TRUE(IsRemarkOnlyCode(QStringLiteral("10")));
    EXPECT_TRUE(IsRemarkOnlyCode(QStringLiteral("11")));
    EXPECT_FALSE(IsRemarkOnlyCode(QStringLiteral("01")));
    for (const char* silent : {"13/0315/其他", "", "8888", "ZZ"})
        EXPECT_FALSE(StationChangeSentence(QString::fromUtf8(silent)).entry) << silent;
}

TEST(StationChangeSentence, ShortRecordsReadTheMissingFieldsAsEmpty)
{
    EXPECT_EQ(Entry("01"), Dated("", "从即日起本站名更改为。"));
    EXPECT_EQ(Entry("BB/0301"), Dated("1/3", ""));
    EXPECT_EQ(Entry("05/0601/3957N/11628E/523/新址路1号/城东/800"),
              Dated("1/6", "即日起本站迁移到新址路1号(城东)，距原址800米，方位，39°57′N，116°28′E，观测场拔海高度为52.3米。"));
    EXPECT_EQ(Entry("05/0601/3957N/11628E/523/新址路1号"),
              Dated("1/6", "即日起本站迁移到新址路1号，距原址0米，方位，39°57′N，116°28′E，观测场拔海高度为52.3米。"));
    EXPECT_EQ(Entry("08/0315/风/EL型/105"), Dated("15/3", "从即日起风采用EL型观测，仪器距地高度为10.5米。"));
    EXPECT_EQ(StationChangeSentence(QStringLiteral("10")).remarks, QStringLiteral("0次观测站    "));
    EXPECT_EQ(StationChangeSentence(QStringLiteral("11")).remarks, QStringLiteral("夜间"));
}

TEST(StationChangeSentences, ListsEntriesInOrderAndCollectsTheRemarks)
{
    const TextList records = test::TextListFromZero({"01/0101/零号不读", "11/守班", "55/0320/3957N/11628E/123/新址/东",
                                      "05/0601/3957N", "10/4", "55/0321///", "13/0101/无", "BB/0301/并行。"});
    const StationChangeNotes notes = StationChangeSentences(records);
    ASSERT_EQ(notes.entries.size(), 4u);
    EXPECT_EQ(notes.entries[0].date, QStringLiteral("20/3"));
    EXPECT_TRUE(notes.entries[1].text.startsWith(QStringLiteral("即日起本站迁移到，距原址0米")));
    // The second re-measurement holds only its own (empty) pieces.
    EXPECT_EQ(notes.entries[2], Dated("21/3", "即日起本站米。"));
    EXPECT_EQ(notes.entries[3], Dated("1/3", "并行。"));
    EXPECT_EQ(notes.remarks, QStringLiteral("夜间守班4次观测站    "));
    EXPECT_TRUE(StationChangeSentences(TextList{}).entries.empty());
    EXPECT_TRUE(StationChangeSentences(test::TextListFromZero({"01/0101/零号"})).entries.empty());
}
