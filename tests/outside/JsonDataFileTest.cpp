#include "outside/JsonDataFile.h"
#include "outside/JsonDataReader.h"
#include "window/LoaderFixture.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace tabulon;
using namespace tabulon::testing;
using nlohmann::json;

namespace {

class DataFileTest : public ::testing::Test {
protected:
    QString write(const QByteArray& bytes)
    {
        const QString path = dir.path() + QStringLiteral("/A54511-200303.TXT");
        QFile f(path);
        EXPECT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
        f.write(bytes);
        return path;
    }
    QString write(const json& doc) { return write(QByteArray::fromStdString(doc.dump())); }

    static json document(json tables)
    {
        return {{"format", "Tabulon data file"}, {"version", 1}, {"kind", "A"}, {"tables", std::move(tables)}};
    }

    QTemporaryDir dir;
};

}  // namespace

TEST_F(DataFileTest, OpenRefusesWhatIsNotADataFileOfTheKind)
{
    JsonDataFile f;
    EXPECT_FALSE(f.open(dir.path() + "/missing.TXT", "A"));
    EXPECT_FALSE(f.open(dir.path(), "A"));   // a folder
    EXPECT_FALSE(f.open(write(QByteArray("")), "A"));
    EXPECT_FALSE(f.open(write(QByteArray("{\"format\": \"Tabulon data file\", \"version\": 1")), "A"));
    EXPECT_FALSE(f.open(write(QByteArray("[1, 2]")), "A"));
    EXPECT_FALSE(f.open(write(document(json::object())), "R"));
    json other = document(json::object());
    other["version"] = 2;
    EXPECT_FALSE(f.open(write(other), "A"));
    other = document(json::object());
    other["tables"] = json::array();
    EXPECT_FALSE(f.open(write(other), "A"));
    // Invalid UTF-8 inside a text.
    EXPECT_FALSE(f.open(write(QByteArray("{\"format\": \"Tabulon data file\", \"version\": 1, \"kind\": \"A\xff\", \"tables\": {}}")), "A"));
    EXPECT_TRUE(f.open(write(document(json::object())), "A"));
}

TEST_F(DataFileTest, DeepNestingAndOversizedFilesAreRefusedBeforeParsing)
{
    JsonDataFile f;
    EXPECT_FALSE(f.open(write(QByteArray(200000, '[')), "A"));
    EXPECT_EQ(f.failure(), "nested too deeply");
    // Brackets inside texts do not count.
    json doc = document({{"AStationInfo", {{"bounds", {{1, 12}}}, {"cells", json::array()}}}});
    doc["note"] = std::string(100, '[');
    EXPECT_TRUE(f.open(write(doc), "A"));

    QByteArray big = QByteArray::fromStdString(document(json::object()).dump());
    big.append(QByteArray(DataFileLimits::MaxFileBytes, ' '));
    EXPECT_FALSE(f.open(write(big), "A"));
    EXPECT_EQ(f.failure(), "file too large");
}

TEST_F(DataFileTest, TablesAreCopiedOnlyWhenTheirCellsMatchTheirBounds)
{
    JsonDataFile f;
    const json tables = {
        {"Good", {{"bounds", {{1, 2}, {0, 1}}}, {"cells", json::array({json::array({"a", "b"}), json::array({"c", "d"})})}}},
        {"Empty", {{"bounds", {{1, 0}}}, {"cells", json::array()}}},
        {"Short", {{"bounds", {{1, 2}, {1, 2}}}, {"cells", json::array({json::array({"a", "b"}), json::array({"c"})})}}},
        {"Ragged", {{"bounds", {{1, 2}, {1, 2}}}, {"cells", json::array({json::array({"a", "b"}), "cd"})}}},
        {"Number", {{"bounds", {{1, 1}}}, {"cells", {5}}}},
        {"Absurd", {{"bounds", {{1, 2000000000}}}, {"cells", json::array()}}},
        {"Backwards", {{"bounds", {{5, 1}}}, {"cells", json::array()}}},
        {"Fractional", {{"bounds", {{1, 1.5}}}, {"cells", {"x"}}}},
        {"NoCells", {{"bounds", {{1, 1}}}}},
        {"Text", "1234"},
        {"Params", {{"bounds", {{0, 4}}}, {"cells", {nullptr, true, 3, 2.5, "x"}}}},
        {"NestedParam", {{"bounds", {{0, 0}}}, {"cells", {json::array()}}}},
    };
    ASSERT_TRUE(f.open(write(document(tables)), "A"));

    TextTable t;
    ASSERT_TRUE(f.copy("Good", t)) << f.failure().toStdString();
    EXPECT_EQ(t.lbound(2), 0);
    EXPECT_EQ(t(2, 0), "c");
    EXPECT_EQ(t(1, 1), "b");
    TextList list;
    ASSERT_TRUE(f.copy("Empty", list));
    EXPECT_TRUE(list.allocated());
    EXPECT_EQ(list.size(), 0u);

    TextTable untouched;
    for (const char* bad : {"Short", "Ragged", "Missing", "Text"})
        EXPECT_FALSE(f.copy(bad, untouched)) << bad;
    EXPECT_FALSE(untouched.allocated());
    for (const char* bad : {"Number", "Absurd", "Backwards", "Fractional", "NoCells", "Good"})
        EXPECT_FALSE(f.copy(bad, list)) << bad;

    // A fixed table takes only its own bounds.
    TextList fixed{{Bounds{1, 12}}};
    EXPECT_FALSE(f.copy("Empty", fixed));
    EXPECT_EQ(fixed.ubound(), 12);

    ParameterBlock para;
    ASSERT_TRUE(f.copy("Params", para));
    EXPECT_FALSE(para(0).isValid());
    EXPECT_EQ(para(1), QVariant(true));
    EXPECT_EQ(para(2), QVariant(3));
    EXPECT_EQ(para(3), QVariant(2.5));
    EXPECT_EQ(para(4), QVariant(QStringLiteral("x")));
    EXPECT_FALSE(f.copy("NestedParam", para));

    QString text;
    EXPECT_TRUE(f.copy("Text", text));
    EXPECT_EQ(text, "1234");
    EXPECT_FALSE(f.copy("Good", text));
}

TEST_F(DataFileTest, TheReaderFillsTheStatisticsOfTheFileItReadLast)
{
    JsonDataReader reader;
    ATables a;
    reader.InitiativeAfilePara(AList::of(a));
    a.AfilePara(1) = SampleFolder() + "A57494-200303.TXT";
    QString sys = "/sys/";
    reader.ReadAfile(sys, AList::of(a));
    ASSERT_EQ(a.AfilePara(6), QVariant(true)) << reader.lastFailure().toStdString();
    EXPECT_EQ(a.AfilePara(1).toString(), SampleFolder() + "A57494-200303.TXT");
    EXPECT_TRUE(a.ADailyStat(1, 1).isEmpty());   // not before the statistics call
    reader.InitiativeAfileStatistic(AStatisticsList::of(a));
    reader.AFileMonthStatistic(a.AfilePara, a.AfileMode, AElementTables::of(a), AStatisticsList::of(a), a.AStatResult);
    EXPECT_FALSE(a.ADailyStat(1, 1).isEmpty());
    EXPECT_FALSE(a.AHourlyPrecipTotal.isEmpty());

    // Every element table is dimensioned with 31 day rows from 1.
    for (const TextTable* t : AElementTables::of(a).all()) {
        EXPECT_EQ(t->lbound(1), 1);
        EXPECT_EQ(t->ubound(1), 31);
    }

    // Preparing again clears every table; a failed read flags False and keeps the path.
    reader.InitiativeAfilePara(AList::of(a));
    EXPECT_FALSE(a.AStationPressure.allocated());
    EXPECT_TRUE(a.AStationInfo(2).isEmpty());
    a.AfilePara(1) = SampleFolder() + "R54511-200303.TXT";
    reader.ReadAfile(sys, AList::of(a));
    EXPECT_EQ(a.AfilePara(6), QVariant(false));
    EXPECT_EQ(a.AfilePara(1).toString(), SampleFolder() + "R54511-200303.TXT");
}

TEST_F(DataFileTest, NumericHeaderElementsMustBeNumbers)
{
    json doc = SampleJson("A54511-200303.TXT");
    doc["tables"]["AfilePara"]["cells"][16] = "four";
    JsonDataReader reader;
    ATables a;
    a.AfilePara(1) = write(doc);
    QString sys;
    reader.ReadAfile(sys, AList::of(a));
    EXPECT_EQ(a.AfilePara(6), QVariant(false));
}
