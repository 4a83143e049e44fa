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
#include "platform/RecordingSurface.h"
#include "toolkit/CanvasObserver.h"
#include "toolkit/DispatchTable.h"
#include "toolkit/Dispatcher.h"
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

class RendererContractTest : public LoaderTest, public ::testing::WithParamInterface<QString> {
protected:
    void printPage(RecordingSurface& printer, test::RecordingPanes& panes)
    {
        c().setPanes(&panes);
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
        {
            CanvasCallsNoted noted(c().canvas, printer);
            printPage(printer, untouched);
        }
        EXPECT_EQ(printer.endDocCount(), 1);
        EXPECT_TRUE(Untouched(untouched));
        EXPECT_EQ(c().canvas.OutputTarget, &printer);
        EXPECT_EQ(c().state.CurrentPage, n);
        EXPECT_TRUE(messages->shown.empty()) << messages->titles().join(u',').toStdString();

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

INSTANTIATE_TEST_SUITE_P(SampleFiles, RendererContractTest, ::testing::ValuesIn(SampleFiles().toVector()),
                         [](const ::testing::TestParamInfo<QString>& info) {
                             return QString(info.param).replace(QRegularExpression(QStringLiteral("[^A-Za-z0-9]")),
                                                                QStringLiteral("_")).toStdString();
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
