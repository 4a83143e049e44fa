// Damaged sample files: truncated, with flipped bytes, or with values of the wrong type.
// Every load must end either in a good load or in the read-failure message, never in a
// crash, a trapped error or a hang (the sanitizer build runs this too).

#include "window/LoaderFixture.h"

#include <cstdint>

using namespace tabulon;
using namespace tabulon::testing;
using nlohmann::json;

namespace {

struct Sample {
    int reportKind;
    const char* file;
};

const Sample Samples[] = {
    {1, "A54511-200302.TXT"},
    {2, "R56294-200303.TXT"},
    {3, "Y54511-2003.TXT"},
};

class Lcg {
public:
    explicit Lcg(std::uint32_t seed) : s_(seed) {}
    std::uint32_t next(std::uint32_t bound)
    {
        s_ = s_ * 1664525u + 1013904223u;
        return (s_ >> 8) % bound;
    }

private:
    std::uint32_t s_;
};

// The replacement of a value by one of another type.
json OtherType(const json& v, std::uint32_t pick)
{
    switch (pick % 5) {
    case 0: return v.is_string() ? json(7) : json("7");
    case 1: return nullptr;
    case 2: return json::object();
    case 3: return json::array({v});
    default: return v.is_array() ? json(true) : json::array();
    }
}

// Swaps the type of one value somewhere in the tables: a whole table, its bounds,
// one bound, one row or one cell.
void SwapOneType(json& doc, Lcg& rng)
{
    json& tables = doc["tables"];
    auto it = tables.begin();
    std::advance(it, rng.next(static_cast<std::uint32_t>(tables.size())));
    json& table = it.value();
    const std::uint32_t pick = rng.next(1000);
    if (!table.is_object() || pick % 4 == 0) {
        table = OtherType(table, pick);
        return;
    }
    json& cells = table["cells"];
    switch (pick % 4) {
    case 1: table["bounds"] = OtherType(table["bounds"], pick / 4); return;
    case 2: table["bounds"][0][1] = OtherType(table["bounds"][0][1], pick / 4); return;
    default:
        if (!cells.is_array() || cells.empty())
            return;
        json& row = cells[rng.next(static_cast<std::uint32_t>(cells.size()))];
        if (row.is_array() && !row.empty() && pick % 8 < 4)
            row[rng.next(static_cast<std::uint32_t>(row.size()))] = OtherType(row[0], pick / 8);
        else
            row = OtherType(row, pick / 8);
    }
}

class MutationTest : public LoaderTest {
protected:
    const QString& failureTitle(int reportKind)
    {
        static const QString titles[] = {"读取A文件", "读取R文件", "警告"};
        return titles[reportKind - 1];
    }

    // One damaged file: a good load, or exactly the read-failure (or Y warning) box.
    void expectCleanOutcome(const Sample& s, const QByteArray& bytes, const std::string& what)
    {
        messages->shown.clear();
        const bool loaded = loadBytes(s.reportKind, QString::fromLatin1(s.file), bytes);
        if (messages->shown.empty()) {
            EXPECT_TRUE(loaded) << what;
            return;
        }
        ASSERT_EQ(messages->shown.size(), 1u) << what;
        EXPECT_EQ(messages->shown[0].title, failureTitle(s.reportKind)) << what;
        EXPECT_EQ(loaded, s.reportKind == 3) << what;
    }
};

}  // namespace

TEST_F(MutationTest, TruncatedFilesFailCleanly)
{
    for (const Sample& s : Samples) {
        const QByteArray bytes = ReadSample(QString::fromLatin1(s.file));
        ASSERT_FALSE(bytes.isEmpty()) << s.file;
        constexpr int Cuts = 24;
        for (int k = 0; k < Cuts; ++k) {
            const qsizetype at = bytes.size() * k / Cuts + (k * 7919) % 97;
            expectCleanOutcome(s, bytes.left(std::min(at, bytes.size() - 1)),
                               std::string(s.file) + " cut at " + std::to_string(at));
        }
    }
}

TEST_F(MutationTest, FlippedBytesFailCleanlyOrLoad)
{
    Lcg rng(20030301);
    for (const Sample& s : Samples) {
        const QByteArray original = ReadSample(QString::fromLatin1(s.file));
        for (int k = 0; k < 24; ++k) {
            QByteArray bytes = original;
            const int flips = 1 + static_cast<int>(rng.next(4));
            for (int f = 0; f < flips; ++f) {
                const auto at = static_cast<qsizetype>(rng.next(static_cast<std::uint32_t>(bytes.size())));
                bytes[at] = static_cast<char>(bytes[at] ^ (1 << rng.next(8)));
            }
            expectCleanOutcome(s, bytes, std::string(s.file) + " flip " + std::to_string(k));
        }
    }
}

TEST_F(MutationTest, ValuesOfTheWrongTypeFailCleanlyOrLoad)
{
    Lcg rng(54511);
    for (const Sample& s : Samples) {
        const json original = SampleJson(QString::fromLatin1(s.file));
        for (int k = 0; k < 32; ++k) {
            json doc = original;
            SwapOneType(doc, rng);
            expectCleanOutcome(s, QByteArray::fromStdString(doc.dump()),
                               std::string(s.file) + " swap " + std::to_string(k));
        }
    }
}
