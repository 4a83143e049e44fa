// The whole road on the bundled sample data: the host's call, a load, paging and saving
// every page, with the real page dispatch and the real encoder.

#include "window/ClsTabulon.h"
#include "window/DataLoader.h"
#include "window/PageExport.h"
#include "window/PreviewPane.h"
#include "WindowFixture.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QMenu>
#include <QSet>

namespace tabulon {
namespace {

class ReportRoad : public WindowFixture {
protected:
    ReportRoad()
    {
        const QString sample = QStringLiteral(TABULON_SOURCE_DIR "/data/sample/system");
        QDirIterator it(sample, QDir::Files, QDirIterator::Subdirectories);
        while (it.hasNext()) {
            const QString from = it.next();
            const QString to = systemPath + QDir(sample).relativeFilePath(from);
            QDir().mkpath(QFileInfo(to).path());
            QFile::copy(from, to);
        }
    }
    void load(const QString& name) { LoadReportFile(*c, systemPath + "ReportFile\\", name); }
    QStringList rpic(const QString& filter) const
    {
        return QDir(systemPath + "ReportFile/Rpic").entryList({filter}, QDir::Files, QDir::Name);
    }
};

TEST_F(ReportRoad, LoadPageAndSaveAMonthlyReport)
{
    ClsTabulon(*c).MonthTabulon(systemPath, "");
    frmReportOutPut& w = *c->existingWindow();
    w.Form_Activate();
    load("A54511-200303.TXT");
    ASSERT_EQ(c->state.StationKind, ManualStation);
    ASSERT_EQ(c->state.PageCount, 13);
    EXPECT_TRUE(w.toolbarButton("Save")->isEnabled());
    EXPECT_EQ(w.pageMenu("NextPage")->actions().size(), 12);
    EXPECT_GT(w.PaneWidth(3), 0);   // the cover is on screen

    w.mnuPrevPage_Click();
    const int shown = c->state.CurrentPage;   // the last page, or where a failing page led
    messages->shown.clear();

    const ExportResult r = SaveReportPages(*c);
    EXPECT_TRUE(r.confirmed);
    EXPECT_FALSE(r.aborted);
    EXPECT_EQ(r.saved, 13);
    EXPECT_TRUE(r.skipped.empty() && r.stopped.empty());
    // Every image is a page of its own name; no bitmap is left.
    QSet<QString> expected;
    for (int p = 1; p <= 13; ++p)
        expected << QStringLiteral("A54511200303_%1.jpg").arg(p, 2, 10, QChar(u'0'));
    const QStringList jpgs = rpic("*.jpg");
    EXPECT_EQ(jpgs.size(), r.saved);
    for (const QString& f : jpgs)
        EXPECT_TRUE(expected.contains(f)) << f.toStdString();
    EXPECT_TRUE(rpic("*.bmp").isEmpty());
    // The question first; the export itself reported no failure of its own.
    EXPECT_EQ(messages->shown.front().title, QStringLiteral("询问"));
    EXPECT_FALSE(messages->titles().contains(QStringLiteral("JPG方式保存报表内容")));
    EXPECT_EQ(c->state.CurrentPage, shown);
    EXPECT_EQ(c->canvas.PrintMode, 0);
    EXPECT_EQ(c->canvas.LeftMargin, 0);
    for (int i = 0; i < 4; ++i)
        EXPECT_FALSE(w.pane(i)->isHidden());
}

TEST_F(ReportRoad, TheYearlyReportSavesSixNamedPages)
{
    ClsTabulon(*c).YearTabluon(systemPath, "");
    c->existingWindow()->Form_Activate();
    load("Y54511-2003.TXT");
    ASSERT_EQ(c->state.PageCount, 6);
    const ExportResult r = SaveReportPages(*c);
    EXPECT_EQ(r.saved, 6);
    EXPECT_TRUE(r.skipped.empty() && r.stopped.empty());
    for (const QString& f : rpic("*.jpg"))
        EXPECT_TRUE(f.startsWith("Y545112003_0")) << f.toStdString();
}

TEST_F(ReportRoad, EveryRadiationReportSavesEveryPageWithoutAnError)
{
    ClsTabulon(*c).MonthFSTabulon(systemPath, "");
    c->existingWindow()->Form_Activate();
    const std::pair<const char*, int> files[] = {{"R54511-200303.TXT", 7}, {"R54511-200302.TXT", 7},
                                                 {"R57494-200303.TXT", 4}, {"R56294-200303.TXT", 3}};
    for (const auto& [file, pages] : files) {
        SCOPED_TRACE(file);
        load(QString::fromLatin1(file));
        ASSERT_EQ(c->state.PageCount, pages);
        messages->shown.clear();
        const ExportResult r = SaveReportPages(*c);
        EXPECT_EQ(r.saved, pages);
        EXPECT_TRUE(r.skipped.empty() && r.stopped.empty());
        EXPECT_EQ(messages->titles(), QStringList{QStringLiteral("询问")});
    }
    EXPECT_EQ(rpic("R*.jpg").size(), 21);
}

// Every bundled report, of every kind: each page saved, named and encoded, no box but the
// question.
TEST_F(ReportRoad, EverySampleReportSavesExactlyItsPages)
{
    const QStringList files = QDir(systemPath + "ReportFile").entryList({"*.TXT"}, QDir::Files, QDir::Name);
    ASSERT_GE(files.size(), 13);
    ClsTabulon(*c).MonthTabulon(systemPath, "");
    c->existingWindow()->Form_Activate();
    for (const QString& file : files) {
        SCOPED_TRACE(file.toStdString());
        c->state.ReportKind = file.startsWith(u'A') ? MonthlySurfaceReport
                              : file.startsWith(u'R') ? MonthlyRadiationReport
                                                      : YearlySurfaceReport;
        load(file);
        ASSERT_GT(c->state.PageCount, 0);
        QDir(systemPath + "ReportFile/Rpic").removeRecursively();
        messages->shown.clear();
        const ExportResult r = SaveReportPages(*c);
        EXPECT_EQ(r.saved, c->state.PageCount);
        EXPECT_TRUE(r.skipped.empty() && r.stopped.empty());
        EXPECT_FALSE(r.aborted);
        EXPECT_EQ(messages->titles(), QStringList{QStringLiteral("询问")});
        EXPECT_EQ(rpic("*.jpg").size(), c->state.PageCount);
        EXPECT_TRUE(rpic("*.bmp").isEmpty());
    }
}

}  // namespace
}  // namespace tabulon
