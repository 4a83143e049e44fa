// The contract every page renderer keeps, checked on every page of every bundled report
// whose renderer is built: while printing it ends exactly one job, draws only on the
// printer and touches no pane; in preview at scale 1 its panes together show the same marks
// as the printed page; no error is reported; the page number is the page's place in the
// report. Pages not built yet are left out until their renderer registers.
// Every printed page is also pinned whole: its drawing (each canvas call the page makes with
// the alignment it draws under, then every line, text, font request and job end that reach the
// printer) must hash to the page's line in page-references.txt. A page that differs is written
// to page-drawings/ in the build folder. After a deliberate change to what pages draw,
// tools/update-page-references.sh rewrites the reference, so its diff shows the pages changed.
// And how each renderer fails: a table cut short trips its own trap, which reports the error
// under the renderer's title and ends the page as the trap says.
#include "platform/RecordingSurface.h"
#include "toolkit/Canvas.h"
#include "toolkit/CanvasObserver.h"
#include "toolkit/DispatchTable.h"
#include "toolkit/Dispatcher.h"
#include "toolkit/ErrorReporter.h"
#include "toolkit/Renderers.h"
#include "support/FakePanes.h"
#include "support/ScopedRenderers.h"
#include "window/LoaderFixture.h"

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QSaveFile>

#include <algorithm>
#include <functional>
#include <map>
#include <optional>
#include <set>
#include <string>
#include <vector>

namespace tabulon::testing {
namespace {

QStringList SampleFiles()
{
    return QDir(SampleFolder()).entryList({QStringLiteral("*.TXT")}, QDir::Files, QDir::Name);
}

int ReportKindOfFile(const QString& name)
{
    switch (name.at(0).toLatin1()) {
    case 'A': return MonthlySurfaceReport;
    case 'R': return MonthlyRadiationReport;
    case 'Y': return YearlySurfaceReport;
    default: return 0;
    }
}

// The number the page drawn as page `n` prints: none on the covers and the yearly back page;
// the brief tables count on their own; every other page prints its place minus the cover.
std::optional<QString> ExpectedPageNumber(RendererId renderer, int n)
{
    const auto hyphenated = [](int k) { return QStringLiteral("-%1-").arg(k); };
    switch (renderer) {
    case RendererId::PrintCover:
    case RendererId::PrintBackCover:
    case RendererId::PrintYearBackCover:
        return std::nullopt;
    case RendererId::PrintMonthlyBrief1: return hyphenated(1);
    case RendererId::PrintMonthlyBrief2: return hyphenated(2);
    case RendererId::PrintMonthlyBrief3: return hyphenated(3);
    default: return hyphenated(n - 1);
    }
}

// The page numbers printed, comma-separated.
std::string PageNumbersOn(const RecordingSurface& s)
{
    static const QRegularExpression pageNumber(QStringLiteral(R"(^-\d+-$)"));
    QStringList found;
    for (const RecordedText& t : s.texts())
        if (pageNumber.match(t.text).hasMatch())
            found << t.text;
    return found.join(u',').toStdString();
}

// Every mark as text: lines first, then texts with their face, size and place.
std::vector<std::string> Marks(const std::vector<const RecordingSurface*>& surfaces)
{
    std::vector<std::string> marks;
    for (const RecordingSurface* s : surfaces)
        for (const RecordedLine& l : s->lines())
            marks.push_back(QStringLiteral("line %1,%2 %3,%4").arg(l.x1).arg(l.y1).arg(l.x2).arg(l.y2).toStdString());
    for (const RecordingSurface* s : surfaces)
        for (const RecordedText& t : s->texts())
            marks.push_back(QStringLiteral("text \"%1\" %2 %3 at %4,%5")
                                .arg(t.text, t.fontName)
                                .arg(t.fontSize)
                                .arg(t.x)
                                .arg(t.y)
                                .toStdString());
    return marks;
}

// The pinned pages: (file, page) -> SHA-1 of the page's drawing, one "file page digest" line each.
using PageDigests = std::map<std::pair<QString, int>, QString>;

const QString PageReferencesPath = QStringLiteral(TABULON_SOURCE_DIR "/tests/pages/page-references.txt");

bool UpdatingPageReferences() { return qEnvironmentVariableIsSet("TABULON_UPDATE_PAGE_REFERENCES"); }

PageDigests ReadPageReferences()
{
    PageDigests digests;
    QFile f(PageReferencesPath);
    if (!f.open(QIODevice::ReadOnly | QIODevice::Text))
        return digests;
    while (!f.atEnd()) {
        const QStringList fields = QString::fromUtf8(f.readLine()).simplified().split(u' ');
        if (fields.size() == 3 && !fields[0].startsWith(u'#'))
            digests[{fields[0], fields[1].toInt()}] = fields[2];
    }
    return digests;
}

void WritePageReferences(const PageDigests& digests)
{
    QSaveFile f(PageReferencesPath);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Text)) << PageReferencesPath.toStdString();
    f.write("# Every page of every bundled sample report, drawn while printing: file, page, SHA-1 of\n"
            "# its drawing (RecordingSurface::drawing() with the page's canvas calls, one per line).\n"
            "# Rewritten by tools/update-page-references.sh after a deliberate change.\n");
    for (const auto& [page, digest] : digests)
        f.write(QStringLiteral("%1 %2 %3\n").arg(page.first).arg(page.second).arg(digest).toUtf8());
    ASSERT_TRUE(f.commit()) << PageReferencesPath.toStdString();
}

// A page's drawing as the bytes that are hashed and, for a page that differs, written out.
QByteArray DrawingText(const RecordingSurface& printer) { return (printer.drawing().join(u'\n') + u'\n').toUtf8(); }

QString Sha1(const QByteArray& bytes) { return QString::fromLatin1(QCryptographicHash::hash(bytes, QCryptographicHash::Sha1).toHex()); }

// Writes a page's drawing into the build folder and returns where.
QString WritePageDrawing(const QString& file, int page, const QByteArray& drawing)
{
    const QString dir = QCoreApplication::applicationDirPath() + QStringLiteral("/page-drawings");
    QDir().mkpath(dir);
    const QString path = QStringLiteral("%1/%2-page-%3.txt").arg(dir, file).arg(page);
    QFile f(path);
    if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate) || f.write(drawing) != drawing.size())
        return QStringLiteral("(could not write %1)").arg(path);
    return path;
}

// Notes every call a page makes on the canvas in the printer's drawing, ahead of its marks.
class CanvasCallsNoted : public CanvasCallRecorder {
public:
    CanvasCallsNoted(Canvas& canvas, RecordingSurface& printer) : CanvasCallRecorder(canvas), printer_(printer) {}
    void onCall(const CanvasCall& call) override
    {
        printer_.note(call.toString() + QStringLiteral(" align %1").arg(call.textAlign));
    }

private:
    RecordingSurface& printer_;
};

bool Untouched(const test::RecordingPanes& panes)
{
    if (panes.sizeCalls != 0 || panes.cleared != 0)
        return false;
    for (const RecordingSurface& s : panes.surfaces)
        if (!s.lines().empty() || !s.texts().empty() || s.endDocCount() != 0)
            return false;
    return true;
}

// Draws CurrentPage through the dispatcher, as the print run and the preview do.
class PageDrawingTest : public LoaderTest {
protected:
    void printPage(RecordingSurface& printer)
    {
        c().canvas.PrintMode = -1;
        c().canvas.OutputTarget = &printer;
        PrintReportPage(c());
    }
    void previewPage(test::RecordingPanes& panes)
    {
        c().setPanes(&panes);
        c().canvas.PrintMode = 0;
        c().canvas.OutputTarget = nullptr;
        PrintReportPage(c());
    }
};

class RendererContractTest : public PageDrawingTest, public ::testing::WithParamInterface<QString> {};

TEST_P(RendererContractTest, EveryBuiltPageKeepsTheContract)
{
    const QString file = GetParam();
    const int kind = ReportKindOfFile(file);
    ASSERT_TRUE(load(kind, file));
    c().canvas.PageScale = Decimal4::fromInt(1);
    c().canvas.LeftMargin = 0;
    c().canvas.TopMargin = 0;
    PageDigests references = ReadPageReferences();
    PageDigests drawn;
    int built = 0;
    for (int n = 1; n <= c().state.PageCount; ++n) {
        const std::optional<PageEntry> entry = LookupPage(kind, c().state.StationKind, n);
        ASSERT_TRUE(entry) << "page " << n;
        ASSERT_TRUE(IsRendererAvailable(entry->renderer)) << "page " << n << ": " << DescribePageEntry(*entry).toStdString();
        ++built;
        SCOPED_TRACE(QStringLiteral("page %1: %2").arg(n).arg(DescribePageEntry(*entry)).toStdString());
        c().state.CurrentPage = static_cast<std::int16_t>(n);
        messages->shown.clear();

        RecordingSurface printer;
        test::RecordingPanes untouched;
        c().setPanes(&untouched);
        {
            CanvasCallsNoted noted(c().canvas, printer);
            printPage(printer);
        }
        EXPECT_EQ(printer.endDocCount(), 1);
        EXPECT_TRUE(Untouched(untouched));
        EXPECT_EQ(c().canvas.OutputTarget, &printer);
        EXPECT_EQ(c().state.CurrentPage, n);
        EXPECT_TRUE(messages->shown.empty()) << messages->titles().join(u',').toStdString();
        // Not even a quiet trap (a repeat, a silent one) caught anything: the page drew whole.
        EXPECT_EQ(c().DrawingErrors, 0);

        const std::optional<QString> number = ExpectedPageNumber(entry->renderer, n);
        EXPECT_EQ(PageNumbersOn(printer), number ? number->toStdString() : std::string());

        const QByteArray drawing = DrawingText(printer);
        const QString digest = drawn[{file, n}] = Sha1(drawing);
        const auto reference = references.find({file, n});
        if (!UpdatingPageReferences() && (reference == references.end() || reference->second != digest))
            ADD_FAILURE() << file.toStdString() << " page " << n
                          << (reference == references.end() ? " has no reference" : " draws differently from its reference")
                          << " in " << PageReferencesPath.toStdString() << "; its drawing is in "
                          << WritePageDrawing(file, n, drawing).toStdString();

        test::RecordingPanes panes;
        previewPage(panes);
        EXPECT_EQ(c().state.CurrentPage, n);
        EXPECT_TRUE(messages->shown.empty()) << messages->titles().join(u',').toStdString();
        std::vector<const RecordingSurface*> paneSurfaces;
        for (const RecordingSurface& s : panes.surfaces) {
            EXPECT_EQ(s.endDocCount(), 0);
            paneSurfaces.push_back(&s);
        }
        EXPECT_EQ(Marks(paneSurfaces), Marks({&printer}));
    }
    EXPECT_EQ(built, c().state.PageCount) << file.toStdString();

    // The reference holds exactly the pages drawn.
    for (auto it = references.lower_bound({file, 0}); it != references.end() && it->first.first == file;) {
        if (!drawn.count(it->first) && !UpdatingPageReferences())
            ADD_FAILURE() << file.toStdString() << " page " << it->first.second << " has a reference but is not drawn";
        it = references.erase(it);
    }
    if (UpdatingPageReferences()) {
        references.merge(drawn);
        WritePageReferences(references);
    }
}

// A gtest name: every character but letters and digits becomes "_".
std::string TestName(QString text)
{
    return text.replace(QRegularExpression(QStringLiteral("[^A-Za-z0-9]")), QStringLiteral("_")).toStdString();
}

INSTANTIATE_TEST_SUITE_P(SampleFiles, RendererContractTest, ::testing::ValuesIn(SampleFiles().toVector()),
                         [](const ::testing::TestParamInfo<QString>& info) { return TestName(info.param); });

// How a renderer's own trap ends a page that fails (toolkit/ErrorPatterns.h).
enum class Trap {
    StopAndReport,      // the page stops at the failure; every failure is reported
    ReportOnceDrawOn,   // each error number reported once per slot; the page is drawn to its end
    None,               // the error goes up to the dispatcher, which reports "地面月报表"
};

// Cuts a table short, as a bad data file leaves an element table: its last dimension ends at
// `lastItem` and the cells kept hold their values. False when that drops nothing. Pages that
// read every element table they print with care have a fixed table cut instead.
template <typename T, int Rank>
bool EndLastDimensionAt(Table<T, Rank>& table, int lastItem)
{
    std::array<Bounds, Rank> bounds = table.bounds();
    const auto oldCount = static_cast<std::ptrdiff_t>(bounds[Rank - 1].count());
    bounds[Rank - 1].hi = lastItem;
    const auto newCount = static_cast<std::ptrdiff_t>(bounds[Rank - 1].count());
    if (!table.allocated() || newCount >= oldCount)
        return false;
    const std::vector<T> whole = table.cells();
    table.dim(bounds);
    for (std::ptrdiff_t row = 0; row * newCount < static_cast<std::ptrdiff_t>(table.size()); ++row)
        std::copy_n(whole.begin() + row * oldCount, newCount, table.cells().begin() + row * newCount);
    return true;
}

// One report table, by its name in the tables, and where it is cut short.
struct ShortTable {
    template <typename T, int Rank, typename Tables>
    ShortTable(Table<T, Rank> Tables::*table, int lastItem)
        : cutShort([table, lastItem](ReportTables& tables) { return EndLastDimensionAt(tables.*table, lastItem); })
    {
    }
    std::function<bool(ReportTables&)> cutShort;
};

// A page of a bundled report whose renderer's trap a short table trips.
struct TrapCase {
    const char* file;
    int page;
    ShortTable table;
    const char* title;   // of the error box
    Trap trap;
};

void PrintTo(const TrapCase& row, std::ostream* out)
{
    *out << row.file << " page " << row.page;
}

using R = ReportTables;

// Every renderer once, and each variant whose box has a title of its own: the temperature,
// day-grid and hourly-with-means pages by element.
const TrapCase TrapCases[] = {
    // The cover fills its lines before it knows its form number, so its box says "打印" alone.
    {"A54511-200303.TXT", 1, {&R::AStationInfo, 6}, "打印", Trap::StopAndReport},
    {"A54511-200303.TXT", 2, {&R::ARelativeHumidity, 2}, "本站气压、气温、湿球、水汽压、相对湿度、露点", Trap::StopAndReport},
    {"A54511-200303.TXT", 3, {&R::ACloudHeight, 2}, "打印能见度,天气现象", Trap::StopAndReport},
    {"A54511-200303.TXT", 4, {&R::APrecipitation, 2}, "能见度、定时降水量、天气现象", Trap::ReportOnceDrawOn},
    {"A54511-200303.TXT", 5, {&R::AHourlyPrecipitation, 12}, "打印自记降水量", Trap::StopAndReport},
    {"A54511-200303.TXT", 6, {&R::AWind10Min, 12}, "地面月报表", Trap::None},
    {"A54511-200303.TXT", 7, {&R::AWind, 2}, "蒸发、积雪、电线积冰、定时风", Trap::StopAndReport},
    {"A54511-200303.TXT", 8, {&R::ASoilTemp40cm, 2}, "地温(0cm-40cm)、14时深层地温", Trap::StopAndReport},
    {"A54511-200303.TXT", 9, {&R::ASeaLevelPressure, 2}, "打印冻土、日照、海平面气压,草雪面温度", Trap::StopAndReport},
    {"A54511-200303.TXT", 10, {&R::AfilePara, 14}, "打印封底", Trap::StopAndReport},
    {"A54511-200303.TXT", 11, {&R::ARelativeHumidity, 2}, "打印月简表第一页", Trap::StopAndReport},
    {"A54511-200303.TXT", 12, {&R::AWind, 2}, "打印月简表第二页", Trap::StopAndReport},
    {"A54511-200303.TXT", 13, {&R::APrecipitation, 2}, "打印月简表3 ", Trap::StopAndReport},
    {"A50953-200303.TXT", 2, {&R::AStationPressure, 14}, "打印本站气压", Trap::StopAndReport},
    {"A50953-200303.TXT", 3, {&R::AAirTemperature, 14}, "打印气温", Trap::StopAndReport},
    {"A50953-200303.TXT", 4, {&R::AWetBulb, 12}, "湿球温度", Trap::StopAndReport},
    {"A50953-200303.TXT", 5, {&R::AVapourPressure, 12}, "水汽压", Trap::StopAndReport},
    {"A50953-200303.TXT", 6, {&R::ARelativeHumidity, 12}, "打印相对湿度", Trap::StopAndReport},
    {"A50953-200303.TXT", 7, {&R::ADewPoint, 12}, "露点温度", Trap::StopAndReport},
    {"A50953-200303.TXT", 8, {&R::ATotalCloud, 12}, "地面月报表", Trap::None},
    {"A50953-200303.TXT", 10, {&R::ACloudForm, 1}, "打印云状", Trap::StopAndReport},
    {"A50953-200303.TXT", 14, {&R::ACloudHeight, 12}, "云高", Trap::StopAndReport},
    {"A50953-200303.TXT", 15, {&R::AVisibility, 12}, "打印能见度", Trap::StopAndReport},
    {"A50953-200303.TXT", 16, {&R::AWeather, 0}, "天气现象", Trap::ReportOnceDrawOn},
    {"A50953-200303.TXT", 17, {&R::ASnow, 1}, "打印定时降水量、蒸发量、雪深、雪压、电线积冰", Trap::StopAndReport},
    {"A50953-200303.TXT", 18, {&R::ADekadStat, 166}, "打印E601B自动观测蒸发量", Trap::StopAndReport},
    {"A50953-200303.TXT", 21, {&R::AWind, 12}, "打印二分钟风向风速", Trap::StopAndReport},
    {"A50953-200303.TXT", 22, {&R::AWindDirectionStat, 1}, "打印风统计", Trap::StopAndReport},
    {"A50953-200303.TXT", 23, {&R::AGroundTemperature, 14}, "打印地面(0cm)温度", Trap::StopAndReport},
    {"A50953-200303.TXT", 24, {&R::ASoilTemp5cm, 12}, "5cm地温", Trap::StopAndReport},
    {"A50953-200303.TXT", 25, {&R::ASoilTemp10cm, 12}, "10cm地温", Trap::StopAndReport},
    {"A50953-200303.TXT", 26, {&R::ASoilTemp15cm, 12}, "15cm地温", Trap::StopAndReport},
    {"A50953-200303.TXT", 27, {&R::ASoilTemp20cm, 12}, "20cm地温", Trap::StopAndReport},
    {"A50953-200303.TXT", 28, {&R::ASoilTemp40cm, 12}, "40cm地温", Trap::StopAndReport},
    {"A50953-200303.TXT", 29, {&R::ASoilTemp80cm, 12}, "80cm地温", Trap::StopAndReport},
    {"A50953-200303.TXT", 30, {&R::ASoilTemp160cm, 12}, "160cm地温", Trap::StopAndReport},
    {"A50953-200303.TXT", 31, {&R::ASoilTemp320cm, 12}, "320cm地温", Trap::StopAndReport},
    {"A50953-200303.TXT", 32, {&R::AGrassTemperature, 14}, "打印草面(雪面)温度", Trap::StopAndReport},
    {"A57494-200303.TXT", 9, {&R::AVisibility, 2}, "能见度、天气现象", Trap::ReportOnceDrawOn},
    {"R54511-200303.TXT", 2, {&R::RStationInfo, 1}, "打印辐射报表：现用仪器及备注", Trap::StopAndReport},
    {"R54511-200303.TXT", 3, {&R::RTotalRadiation, 14}, "地面月报表", Trap::None},
    {"R54511-200303.TXT", 4, {&R::RNetRadiation, 14}, "地面月报表", Trap::None},
    {"R54511-200303.TXT", 5, {&R::RDiffuseRadiation, 13}, "地面月报表", Trap::None},
    {"R54511-200303.TXT", 6, {&R::RDirectRadiation, 14}, "地面月报表", Trap::None},
    {"R54511-200303.TXT", 7, {&R::RReflectedRadiation, 17}, "地面月报表", Trap::None},
    {"Y54511-2003.TXT", 2, {&R::YMaxPrecipitation, 2}, "地面月报表", Trap::None},
    {"Y54511-2003.TXT", 3, {&R::YFirstLastDates, 2}, "年报表第二页", Trap::ReportOnceDrawOn},
    {"Y54511-2003.TXT", 4, {&R::YWindStat, 2}, "地面月报表", Trap::None},
    {"Y54511-2003.TXT", 5, {&R::YMonthStat, 75}, "地面月报表", Trap::None},
    // The yearly back page reports its errors too: a page cut short must not pass for a whole one.
    {"Y54511-2003.TXT", 6, {&R::YfilePara, 8}, "打印年报表封底", Trap::StopAndReport},
};

QStringList TextsOn(const RecordingSurface& s)
{
    QStringList texts;
    for (const RecordedText& t : s.texts())
        texts << t.text;
    return texts;
}

// How often the surface was asked for the text face.
qsizetype TextFaceRequests(const RecordingSurface& s)
{
    return std::count_if(s.fontRequests().begin(), s.fontRequests().end(), [](const FontRequest& r) {
        return r.kind == FontRequest::Name && r.name == TextFontName;
    });
}

class RendererTrapTest : public PageDrawingTest, public ::testing::WithParamInterface<TrapCase> {
protected:
    void expectErrorBox(std::size_t index, const QString& title)
    {
        ASSERT_GT(messages->shown.size(), index);
        const ScriptedMessageBox::Shown& box = messages->shown[index];
        EXPECT_EQ(box.title.toStdString(), title.toStdString());
        EXPECT_EQ(box.text.toStdString(), ErrorMessageText(ReportError::subscriptOutOfRange()).toStdString());
        EXPECT_EQ(box.style, MsgStyle::Critical);
    }
};

// The page is drawn whole, then twice with the same table cut short, while printing; then
// once in preview.
TEST_P(RendererTrapTest, AShortTableIsReportedAndEndsThePageAsItsTrapSays)
{
    const TrapCase& row = GetParam();
    const QString file = QString::fromLatin1(row.file);
    const QString title = QString::fromUtf8(row.title);
    const int kind = ReportKindOfFile(file);
    ASSERT_TRUE(load(kind, file));
    const std::optional<PageEntry> entry = LookupPage(kind, c().state.StationKind, row.page);
    ASSERT_TRUE(entry);
    SCOPED_TRACE(DescribePageEntry(*entry).toStdString());
    c().state.CurrentPage = static_cast<std::int16_t>(row.page);
    RecordingSurface whole;
    printPage(whole);
    ASSERT_TRUE(messages->shown.empty());
    const QStringList wholePage = TextsOn(whole);
    ASSERT_TRUE(row.table.cutShort(c().tables));

    RecordingSurface first;
    printPage(first);
    EXPECT_GT(c().DrawingErrors, 0) << "the page passes for one drawn whole";
    EXPECT_EQ(messages->shown.size(), 1u);
    expectErrorBox(0, title);
    EXPECT_EQ(first.endDocCount(), 1);
    EXPECT_EQ(c().state.CurrentPage, row.page);
    const QStringList drawn = TextsOn(first);
    if (row.trap == Trap::ReportOnceDrawOn) {
        ASSERT_FALSE(drawn.isEmpty());
        EXPECT_EQ(drawn.back().toStdString(), wholePage.back().toStdString());   // the page number: drawn to the end
    } else {
        // Stopped at the failure; what was drawn before it stays.
        EXPECT_LT(drawn.size(), wholePage.size());
        const auto differing = std::mismatch(drawn.begin(), drawn.end(), wholePage.begin(), wholePage.end()).first;
        EXPECT_TRUE(differing == drawn.end()) << "text " << differing - drawn.begin() << " \"" << differing->toStdString()
                                              << "\" is not the whole page's";
    }

    RecordingSurface second;
    printPage(second);
    EXPECT_EQ(second.endDocCount(), 1);
    if (row.trap == Trap::ReportOnceDrawOn) {
        // The same number in the same slot: no box, the face goes back to the text face instead.
        EXPECT_EQ(messages->shown.size(), 1u);
        EXPECT_EQ(TextFaceRequests(second), TextFaceRequests(first) + 1);
    } else {
        EXPECT_EQ(messages->shown.size(), 2u);
        expectErrorBox(1, title);
    }

    // In preview only an error that reaches the dispatcher moves the window on to another page.
    test::RecordingPanes panes;
    previewPage(panes);
    EXPECT_EQ(c().state.CurrentPage != row.page, row.trap == Trap::None) << "preview ends on page " << c().state.CurrentPage;
}

INSTANTIATE_TEST_SUITE_P(ShortTables, RendererTrapTest, ::testing::ValuesIn(TrapCases),
                         [](const ::testing::TestParamInfo<TrapCase>& info) {
                             return TestName(QStringLiteral("%1_page%2").arg(QLatin1String(info.param.file)).arg(info.param.page));
                         });

// Every renderer is registered and drawn by some page of the bundled files, so the
// contract above reaches all of them.
TEST_F(LoaderTest, EveryRegisteredRendererHasASamplePage)
{
    std::set<RendererId> reached;
    for (const QString& file : SampleFiles()) {
        const int kind = ReportKindOfFile(file);
        ASSERT_TRUE(load(kind, file)) << file.toStdString();
        for (int n = 1; n <= c().state.PageCount; ++n)
            if (const std::optional<PageEntry> entry = LookupPage(kind, c().state.StationKind, n))
                reached.insert(entry->renderer);
    }
    for (int id = static_cast<int>(test::FirstRenderer); id <= static_cast<int>(test::LastRenderer); ++id) {
        const auto renderer = static_cast<RendererId>(id);
        EXPECT_TRUE(IsRendererAvailable(renderer)) << RendererName(renderer).toStdString();
        EXPECT_TRUE(reached.count(renderer)) << RendererName(renderer).toStdString();
    }
}

}  // namespace
}  // namespace tabulon::testing
