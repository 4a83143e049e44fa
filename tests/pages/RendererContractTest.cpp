// The contract every page renderer keeps, checked on every page of every bundled report
// whose renderer is built: while printing it ends exactly one job, draws only on the
// printer and touches no pane; in preview at scale 1 its panes together show the same marks
// as the printed page; no error is reported; the page number is the page's place in the
// report. Pages not built yet are left out until their renderer registers.
#include "platform/RecordingSurface.h"
#include "toolkit/DispatchTable.h"
#include "toolkit/Dispatcher.h"
#include "toolkit/Renderers.h"
#include "support/FakePanes.h"
#include "support/ScopedRenderers.h"
#include "window/LoaderFixture.h"

#include <QDir>
#include <QRegularExpression>

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
        printPage(printer, untouched);
        EXPECT_EQ(printer.endDocCount(), 1);
        EXPECT_TRUE(Untouched(untouched));
        EXPECT_EQ(c().canvas.OutputTarget, &printer);
        EXPECT_EQ(c().state.CurrentPage, n);
        EXPECT_TRUE(messages->shown.empty()) << messages->titles().join(u',').toStdString();
        // Not even a quiet trap (a repeat, a silent one) caught anything: the page drew whole.
        EXPECT_EQ(c().DrawingErrors, 0);

        const std::optional<QString> number = ExpectedPageNumber(entry->renderer, n);
        EXPECT_EQ(PageNumbersOn(printer), number ? number->toStdString() : std::string());

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
