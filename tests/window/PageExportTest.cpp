#include "platform/AtomicOutputFile.h"
#include "outside/ImageEncoder.h"
#include "platform/PreviewPanes.h"
#include "platform/Surface.h"
#include "toolkit/ErrorReporter.h"
#include "window/PageExport.h"
#include "window/PreviewPane.h"
#include "WindowFixture.h"
#include "support/FileSizeLimit.h"

#include <cerrno>
#include <csignal>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QMenu>
#include <QImageReader>

namespace tabulon {
namespace {

// Wraps the real encoder, recording each call and whether the bitmap was there.
class RecordingEncoder : public ImageEncoder {
public:
    struct Log {
        QStringList paths;
        int bitmapsPresent = 0;
        int failOnCall = 0;   // 1-based; 0 never
    };
    explicit RecordingEncoder(Log& log) : log_(log) {}
    void JpegEncoder(const QString& BmpPath) override
    {
        log_.paths << BmpPath;
        if (QFile::exists(QString(BmpPath).replace(u'\\', u'/')))
            ++log_.bitmapsPresent;
        if (log_.paths.size() == log_.failOnCall)
            throw ReportError(75, "encoder failed");
        MakeStandardObjectFactory()->Create<ImageEncoder>(ProgId::ImageEncoder)->JpegEncoder(BmpPath);
    }

private:
    Log& log_;
};

class PageExport : public WindowFixture {
protected:
    PageExport()
    {
        QDir().mkpath(systemPath + "ReportFile");
        c->objects().registerMaker(ProgId::ImageEncoder, [this] { return std::make_unique<RecordingEncoder>(log); });
        openWindow(MonthlySurfaceReport);
        c->tables.AfilePara(7) = "54511";
        c->tables.AfilePara(2) = "2003";
        c->tables.AfilePara(3) = "3";
        loadReport(ManualStation, 13);
        c->state.CurrentPage = 5;
        c->canvas.PageScale = Decimal4::fromRaw(13000);
    }

    // Stands in for the page dispatch: draws a mark per page and records the drawing
    // state; on a failing page it reports and moves on to the next page, as the dispatch does.
    PageDrawer drawer()
    {
        return [this](Component& comp) {
            const int page = comp.state.CurrentPage;
            if (comp.canvas.PrintMode == 0) {
                ++previewDraws;
                return true;
            }
            scales << comp.canvas.PageScale.toString();
            margins << comp.canvas.LeftMargin;
            if (page == signalledPage)
                std::raise(signalWhileDrawing);
            if (page == failingPage) {
                ShowError(comp, "地面月报表", ReportError(9, "下标越界"));
                return false;
            }
            if (page == movingPage) {   // a page whose failure moved the report on
                ShowError(comp, "地面月报表", ReportError(9, "下标越界"));
                comp.state.CurrentPage = static_cast<std::int16_t>(page + 1);
                return true;
            }
            comp.canvas.target().Line(750, 750 + page * 150, 20250, 750 + page * 150);
            return true;
        };
    }

    QStringList files(const QString& filter) const
    {
        return QDir(systemPath + "ReportFile/Rpic").entryList({filter}, QDir::Files, QDir::Name);
    }
    static QStringList names(const QString& prefix, int count, const QString& ext)
    {
        QStringList n;
        for (int p = 1; p <= count; ++p)
            n << prefix + u'_' + QString::number(p).rightJustified(2, u'0') + ext;
        return n;
    }

    RecordingEncoder::Log log;
    QStringList scales;
    QList<int> margins;
    int previewDraws = 0;
    int failingPage = 0;
    int movingPage = 0;
    int signalledPage = 0;        // the page during whose drawing the process gets a signal
    int signalWhileDrawing = 0;
};

TEST_F(PageExport, SavesEveryPageOfAMonthlyReportAndRestoresTheView)
{
    const ExportResult r = SaveReportPages(*c, drawer());
    EXPECT_EQ(r.saved, 13);
    ASSERT_EQ(messages->shown.size(), 1u);
    EXPECT_EQ(messages->shown[0].title, QStringLiteral("询问"));
    EXPECT_EQ(messages->shown[0].style, 36);
    EXPECT_EQ(messages->shown[0].text,
              QStringLiteral("此功能是将报表内容生成JPG文件,\r\n文件保存在") + systemPath +
                  QStringLiteral("ReportFile\\Rpic\\中,\r\n写入文件需花费约2-5分钟,确实保存吗?"));

    QStringList called;
    for (const QString& p : log.paths)
        called << p.section(u'\\', -1);
    EXPECT_EQ(called, names("A54511200303", 13, ".bmp"));
    EXPECT_EQ(log.bitmapsPresent, 13);
    EXPECT_EQ(files("*.jpg"), names("A54511200303", 13, ".jpg"));
    EXPECT_TRUE(files("*.bmp").isEmpty());
    QImageReader jpeg(systemPath + "ReportFile/Rpic/A54511200303_01.jpg");
    EXPECT_EQ(jpeg.size(), QSize(1400, 1000));

    // Drawn at scale 1 with 750-twip margins; the preview is back as it was.
    EXPECT_EQ(scales, QStringList(13, "1"));
    EXPECT_EQ(margins, QList<int>(13, 750));
    EXPECT_EQ(c->state.CurrentPage, 5);
    EXPECT_EQ(c->canvas.PageScale, Decimal4::fromRaw(13000));
    EXPECT_EQ(c->canvas.LeftMargin, 0);
    EXPECT_EQ(c->canvas.TopMargin, 0);
    EXPECT_EQ(c->canvas.PrintMode, 0);
    EXPECT_EQ(c->canvas.OutputTarget, nullptr);
    EXPECT_EQ(previewDraws, 1);
    for (int i = 0; i < 4; ++i)
        EXPECT_FALSE(c->existingWindow()->pane(i)->isHidden());
}

TEST_F(PageExport, YearlyNamesCarryNoMonthAndRadiationSavesThePagesOffered)
{
    c->state.ReportKind = YearlySurfaceReport;
    c->tables.YfilePara(5) = "54511";
    c->tables.YfilePara(2) = "2003";
    EXPECT_EQ(SaveReportPages(*c, drawer()).saved, 6);
    EXPECT_EQ(files("*.jpg"), names("Y545112003", 6, ".jpg"));

    c->state.ReportKind = MonthlyRadiationReport;
    c->state.StationKind = 2;
    c->state.PageCount = 4;
    c->tables.RfilePara(7) = "54511";
    c->tables.RfilePara(2) = "2003";
    c->tables.RfilePara(3) = "11";
    EXPECT_EQ(SaveReportPages(*c, drawer()).saved, 4);
    EXPECT_EQ(files("R*.jpg"), names("R54511200311", 4, ".jpg"));
}

TEST_F(PageExport, AnsweringNoWritesNothingAndRestoresTheView)
{
    messages->answers.push_back(MsgAnswer::No);
    c->existingWindow()->pane(3)->moveToTwips(-2000, -900);
    const ExportResult r = SaveReportPages(*c, drawer());
    EXPECT_FALSE(r.confirmed);
    EXPECT_FALSE(QDir(systemPath + "ReportFile/Rpic").exists());
    EXPECT_TRUE(log.paths.isEmpty());
    EXPECT_EQ(c->state.CurrentPage, 5);
    EXPECT_EQ(c->canvas.PrintMode, 0);
    EXPECT_EQ(previewDraws, 1);
    EXPECT_EQ(c->existingWindow()->pane(3)->leftTwips(), 15);
}

TEST_F(PageExport, AFailingPageIsReportedOnceAndSkipped)
{
    failingPage = 4;
    const ExportResult r = SaveReportPages(*c, drawer());
    EXPECT_EQ(r.saved, 12);
    EXPECT_EQ(r.skipped, std::vector<int>{4});
    EXPECT_FALSE(r.complete());
    EXPECT_EQ(messages->titles(), (QStringList{"询问", "地面月报表"}));
    QStringList expected = names("A54511200303", 13, ".jpg");
    expected.removeAt(3);
    EXPECT_EQ(files("*.jpg"), expected);
    EXPECT_EQ(c->state.CurrentPage, 5);
    EXPECT_EQ(c->existingWindow()->pageMenu("PrevPage")->actions().size(), 4);
}

TEST_F(PageExport, APageThatMovesTheReportOnIsNotSavedUnderItsName)
{
    movingPage = 13;
    const ExportResult r = SaveReportPages(*c, drawer());
    EXPECT_EQ(r.saved, 12);
    EXPECT_EQ(r.skipped, std::vector<int>{13});
    EXPECT_EQ(files("*.jpg").size(), 12);
}

TEST_F(PageExport, HeaderFieldsThatAreNoPlainFileNameWriteNothing)
{
    c->tables.AfilePara(7) = "../../x";
    const ExportResult r = SaveReportPages(*c, drawer());
    EXPECT_TRUE(r.aborted);
    EXPECT_EQ(r.saved, 0);
    EXPECT_FALSE(QDir(systemPath + "ReportFile/Rpic").exists());
    ASSERT_EQ(messages->shown.size(), 2u);
    EXPECT_TRUE(messages->shown[1].text.contains("../../x"));
    EXPECT_EQ(c->state.CurrentPage, 5);
}

TEST_F(PageExport, EncoderFailuresAreReportedOnceAndLeaveNoBitmap)
{
    c->objects().setFailing(ProgId::ImageEncoder, true);
    EXPECT_TRUE(SaveReportPages(*c, drawer()).aborted);
    EXPECT_EQ(messages->titles(), QStringList{"JPG方式保存报表内容"});
    EXPECT_FALSE(QDir(systemPath + "ReportFile/Rpic").exists());

    messages->shown.clear();
    c->objects().setFailing(ProgId::ImageEncoder, false);
    log.failOnCall = 2;
    const ExportResult r = SaveReportPages(*c, drawer());
    EXPECT_TRUE(r.aborted);
    EXPECT_EQ(r.saved, 1);
    EXPECT_EQ(messages->titles(), (QStringList{"询问", "JPG方式保存报表内容"}));
    EXPECT_TRUE(files("*.bmp").isEmpty());
    EXPECT_EQ(c->state.CurrentPage, 5);
    EXPECT_EQ(c->canvas.LeftMargin, 0);
}

TEST_F(PageExport, AMissingReportFolderIsReported)
{
    QDir(systemPath + "ReportFile").removeRecursively();
    EXPECT_TRUE(SaveReportPages(*c, drawer()).aborted);
    EXPECT_EQ(messages->titles(), (QStringList{"询问", "JPG方式保存报表内容"}));
    EXPECT_TRUE(messages->shown.back().text.contains(SystemErrorText(ENOENT))) << messages->shown.back().text.toStdString();
}

TEST_F(PageExport, AnUnknownStationKindSavesNoPagesButMakesTheFolder)
{
    c->state.StationKind = 0;
    EXPECT_EQ(ExportPageCount(*c), 0);
    EXPECT_EQ(SaveReportPages(*c, drawer()).saved, 0);
    EXPECT_TRUE(QDir(systemPath + "ReportFile/Rpic").exists());
}

// Every page name whose bitmap or image is a planted link: nothing is written through it.
TEST_F(PageExport, ALinkAtAPageBitmapOrImageNameIsRefusedAndItsTargetKept)
{
    const QString victim = dir.path() + "/victim";
    {
        QFile f(victim);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write("precious");
    }
    QDir().mkpath(systemPath + "ReportFile/Rpic");
    for (const QString name : {QStringLiteral("A54511200303_03.bmp"), QStringLiteral("A54511200303_03.jpg")}) {
        SCOPED_TRACE(name.toStdString());
        const QString link = systemPath + "ReportFile/Rpic/" + name;
        ASSERT_TRUE(QFile::link(victim, link));
        messages->shown.clear();
        const ExportResult r = SaveReportPages(*c, drawer());
        EXPECT_TRUE(r.aborted);
        EXPECT_EQ(r.saved, 2);
        ASSERT_EQ(messages->titles(), (QStringList{"询问", "JPG方式保存报表内容"}));
        EXPECT_TRUE(messages->shown[1].text.contains(name));
        EXPECT_TRUE(messages->shown[1].text.contains(QStringLiteral("链接")));
        EXPECT_TRUE(QFileInfo(link).isSymLink());
        QFile::remove(link);
    }
    QFile f(victim);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    EXPECT_EQ(f.readAll(), QByteArray("precious"));
    EXPECT_TRUE(files("*.bmp").isEmpty());
}

TEST_F(PageExport, APageCutShortByAFileSizeLimitIsNeitherKeptNorCounted)
{
    // The bitmap of a page is over 4 MB: the first page's write fails.
    const int child = test::RunUnderFileSizeLimit(1024 * 1024, [&] {
        const ExportResult r = SaveReportPages(*c, drawer());
        return r.aborted && r.saved == 0 && messages->titles() == QStringList{"询问", "JPG方式保存报表内容"} ? 0 : 1;
    });
    EXPECT_EQ(child, 0);
    EXPECT_EQ(QDir(systemPath + "ReportFile/Rpic").entryList(QDir::Files | QDir::Hidden), QStringList{});
}

TEST_F(PageExport, AStopSignalEndsTheRunAfterThePageInHandAndLeavesOnlyWholeImages)
{
    const QString folder = systemPath + "ReportFile/Rpic";
    signalledPage = 4;
    for (const int signal : {SIGINT, SIGTERM, SIGHUP}) {
        SCOPED_TRACE(signal);
        QDir(folder).removeRecursively();
        // As a process started from a terminal has it (a background job may ignore SIGINT).
        struct sigaction byDefault {}, before {}, after {};
        byDefault.sa_handler = SIG_DFL;
        ::sigaction(signal, &byDefault, &before);
        signalWhileDrawing = signal;
        const ExportResult r = SaveReportPages(*c, drawer());
        ::sigaction(signal, &before, &after);
        EXPECT_EQ(r.interruptedBy, signal);
        EXPECT_FALSE(r.complete());
        // Pages 1 and 2 were on disk before page 3 was drawn; page 3 was being written.
        EXPECT_TRUE(r.saved == 2 || r.saved == 3) << r.saved;
        EXPECT_EQ(QDir(folder).entryList(QDir::Files | QDir::Hidden, QDir::Name), names("A54511200303", r.saved, ".jpg"));
        EXPECT_EQ(c->state.CurrentPage, 5);
        // Outside the run the signal acts as it did before.
        EXPECT_EQ(after.sa_handler, SIG_DFL);
    }

    // A signal the process ignores (started under nohup) stays ignored.
    struct sigaction ignore {}, before {};
    ignore.sa_handler = SIG_IGN;
    ::sigaction(SIGHUP, &ignore, &before);
    const ExportResult r = SaveReportPages(*c, drawer());
    ::sigaction(SIGHUP, &before, nullptr);
    EXPECT_EQ(r.interruptedBy, 0);
    EXPECT_EQ(r.saved, 13);
}

TEST(PageImageNames, MonthsAndPagesHaveTwoDigits)
{
    Component c{Services{std::make_unique<ScriptedMessageBox>(), nullptr}};
    c.state.ReportKind = MonthlySurfaceReport;
    c.tables.AfilePara(7) = "54511";
    c.tables.AfilePara(2) = "2003";
    c.tables.AfilePara(3) = "12";
    EXPECT_EQ(PageImageName(c, 7), QStringLiteral("A54511200312_07.bmp"));
    EXPECT_EQ(PageImageName(c, 37), QStringLiteral("A54511200312_37.bmp"));
    c.tables.AfilePara(7) = "a\\b";
    QString problem;
    EXPECT_TRUE(PageImageName(c, 1, &problem).isEmpty());
    EXPECT_FALSE(problem.isEmpty());
    c.state.ReportKind = 0;
    EXPECT_TRUE(PageImageName(c, 1).isEmpty());
    // A yearly file the reader could not read whole leaves the fields empty: a plain name.
    c.state.ReportKind = YearlySurfaceReport;
    EXPECT_EQ(PageImageName(c, 1), QStringLiteral("Y_01.bmp"));
}

TEST(JpegEncoderStandIn, WritesTheJpegBesideTheBitmap)
{
    QTemporaryDir dir;
    QImage image(40, 30, QImage::Format_RGB32);
    image.fill(Qt::white);
    const QString bmp = dir.path() + "/P_01.bmp";
    ASSERT_TRUE(image.save(bmp, "BMP"));
    auto encoder = MakeStandardObjectFactory()->Create<ImageEncoder>(ProgId::ImageEncoder);
    encoder->JpegEncoder(bmp);
    EXPECT_EQ(QImageReader(dir.path() + "/P_01.jpg").format(), QByteArray("jpeg"));
    EXPECT_TRUE(QFile::remove(bmp));   // finished with the bitmap
    EXPECT_THROW(encoder->JpegEncoder(dir.path() + "/missing.bmp"), ReportError);
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList{"P_01.jpg"});
}

TEST(JpegEncoderStandIn, AJpegCutShortIsNotLeftAndTheFailureRaised)
{
    QTemporaryDir dir;
    QImage noise(400, 300, QImage::Format_RGB32);
    for (int y = 0; y < noise.height(); ++y)
        for (int x = 0; x < noise.width(); ++x)
            noise.setPixel(x, y, static_cast<QRgb>((x * 7919u + y * 104729u) * 2654435761u));
    const QString bmp = dir.path() + "/P_01.bmp";
    ASSERT_TRUE(noise.save(bmp, "BMP"));
    const int child = test::RunUnderFileSizeLimit(8192, [&] {
        try {
            MakeStandardObjectFactory()->Create<ImageEncoder>(ProgId::ImageEncoder)->JpegEncoder(bmp);
        } catch (const ReportError& e) {
            return e.description().contains("P_01.jpg") ? 0 : 2;
        }
        return 1;
    });
    EXPECT_EQ(child, 0);
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList{"P_01.bmp"});
}

}  // namespace
}  // namespace tabulon
