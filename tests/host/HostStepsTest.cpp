#include "HostAutomation.h"
#include "HostOptions.h"

#include "platform/RunInterruption.h"
#include "support/ScopedRenderers.h"
#include "toolkit/PageFrame.h"
#include "window/LoaderFixture.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryFile>
#include <QThread>
#include <csignal>
#include <cstdio>
#include <gtest/gtest.h>
#include <unistd.h>

namespace tabulon {
namespace {

// What the process writes to standard error (or another stream) while alive.
class CapturedStderr {
public:
    explicit CapturedStderr(int stream = STDERR_FILENO) : stream_(stream)
    {
        std::fflush(nullptr);
        file_.open();
        saved_ = ::dup(stream_);
        ::dup2(file_.handle(), stream_);
    }
    ~CapturedStderr() { restore(); }
    QString text()
    {
        restore();
        QFile f(file_.fileName());
        return f.open(QIODevice::ReadOnly) ? QString::fromUtf8(f.readAll()) : QString();
    }

private:
    void restore()
    {
        if (saved_ < 0)
            return;
        std::fflush(nullptr);
        ::dup2(saved_, stream_);
        ::close(saved_);
        saved_ = -1;
    }
    int stream_;
    QTemporaryFile file_;
    int saved_ = -1;
};

std::optional<HostOptions> Parse(QStringList args, QString& error)
{
    args.prepend(QStringLiteral("tabulon-host"));
    return ParseHostOptions(args, error);
}

TEST(HostOptions, EmptyFileNamesAndPagesWithoutAPdfAreBadOptions)
{
    QString error;
    EXPECT_FALSE(Parse({"--sys", "/s", "--print-pdf", ""}, error));
    EXPECT_EQ(error, QStringLiteral("--print-pdf needs a file name"));
    EXPECT_FALSE(Parse({"--sys", "/s", "--load", ""}, error));
    EXPECT_EQ(error, QStringLiteral("--load needs a file name"));
    EXPECT_FALSE(Parse({"--sys", "/s", "--pages", "1-3"}, error));
    EXPECT_EQ(error, QStringLiteral("--pages needs --print-pdf"));
    // A folder would get "-1.pdf", "-2.pdf", ... inside it.
    for (const QString& folder : {QStringLiteral("out/"), QStringLiteral("out\\"), QDir::tempPath()}) {
        EXPECT_FALSE(Parse({"--sys", "/s", "--print-pdf", folder}, error));
        EXPECT_TRUE(error.startsWith(QStringLiteral("--print-pdf needs a file name, not a folder"))) << error.toStdString();
    }
    const std::optional<HostOptions> good = Parse({"--sys", "/s", "--print-pdf", "o.pdf", "--pages", "1-2"}, error);
    ASSERT_TRUE(good);
    EXPECT_EQ(good->printPages, (std::vector<int>{1, 2}));
}

TEST(HostRun, LostPrintOutputMakesTheRunFail)
{
    Component c{Services{MakeHostMessageBox(), nullptr}};
    c.state.ReportKind = YearlySurfaceReport;
    c.state.PageCount = 6;
    test::ScopedRenderers renderers;
    for (RendererId id : {RendererId::PrintYearPage1, RendererId::PrintYearPage2})
        renderers.set(id, [](Component& comp, const RendererArgs&) {
            comp.canvas.OutputTarget->Line(0, 0, 1440, 1440);
            EndPrintedPage(comp);
        });
    QTemporaryDir dir;
    QFile blocker(dir.filePath(QStringLiteral("blocker")));
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.close();

    HostOptions options;
    options.printPages = {2, 3};
    options.printPdf = dir.filePath(QStringLiteral("out.pdf"));
    EXPECT_EQ(RunHostAutomation(c, options), 0);

    // The folder named for the files is a regular file: unwritable even for the superuser.
    options.printPdf = dir.filePath(QStringLiteral("blocker/out.pdf"));
    CapturedStderr err;
    EXPECT_EQ(RunHostAutomation(c, options), 1);
    const QString said = err.text();
    EXPECT_TRUE(said.contains(QStringLiteral("[打印报表]"))) << said.toStdString();
    EXPECT_TRUE(said.contains(QStringLiteral("blocker/out-1.pdf"))) << said.toStdString();
}

using HostLoad = testing::LoaderTest;

TEST_F(HostLoad, AFileOfNoKnownRadiationClassIsNotLoadedAndTheHostSaysWhy)
{
    nlohmann::json doc = testing::SampleJson("R54511-200303.TXT");
    doc["tables"]["RfilePara"]["cells"][10] = 4;   // element 11: no such class
    const QString path = temp.path() + QStringLiteral("/R54511-200303.TXT");
    {
        QFile f(path);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(QByteArray::fromStdString(doc.dump()));
    }
    c().state.ReportKind = MonthlyRadiationReport;
    HostOptions options;
    options.loadFile = path;
    CapturedStderr err;
    EXPECT_EQ(RunHostAutomation(c(), options), 1);
    const QString said = err.text();
    EXPECT_TRUE(said.contains(QStringLiteral("was not loaded: its header names no known radiation class (\"4\""))) << said.toStdString();
}

TEST_F(HostLoad, APageAnErrorStoppedIsNamedAndFailsTheSaveAndThePrintRun)
{
    // The total-radiation table one item short, as a bad data file would give it: page 3
    // goes up to the dispatcher on its last column.
    nlohmann::json doc = testing::SampleJson("R54511-200303.TXT");
    nlohmann::json& total = doc["tables"]["RTotalRadiation"];
    total["bounds"][1][1] = total["bounds"][1][1].get<int>() - 1;
    for (nlohmann::json& row : total["cells"])
        row.erase(row.size() - 1);
    const QString path = temp.path() + QStringLiteral("/R54511-200303.TXT");
    {
        QFile f(path);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(QByteArray::fromStdString(doc.dump()));
    }
    c().state.ReportKind = MonthlyRadiationReport;
    c().state.SystemPath = temp.path() + u'/';
    ASSERT_TRUE(QDir(temp.path()).mkdir(QStringLiteral("ReportFile")));
    HostOptions options;
    options.loadFile = path;
    options.saveAll = true;
    messages->answers.push_back(MsgAnswer::Yes);
    {
        CapturedStderr out(STDOUT_FILENO);
        EXPECT_EQ(RunHostAutomation(c(), options), 1);
        const QString said = out.text();
        EXPECT_TRUE(said.contains(QStringLiteral("Saved 6 page image(s)"))) << said.toStdString();
        EXPECT_TRUE(said.contains(QStringLiteral("page 3 could not be drawn and was skipped"))) << said.toStdString();
    }
    EXPECT_EQ(QDir(temp.path() + QStringLiteral("/ReportFile/Rpic")).entryList({"*.jpg"}).size(), 6);

    options.saveAll = false;
    options.printPdf = temp.path() + QStringLiteral("/pdf/r.pdf");
    CapturedStderr out(STDOUT_FILENO);
    EXPECT_EQ(RunHostAutomation(c(), options), 1);
    const QString said = out.text();
    EXPECT_TRUE(said.contains(QStringLiteral("Printed 7 of 7 page(s); page 3 stopped on an error"))) << said.toStdString();
}

TEST_F(HostLoad, AYearlyFileReadOnlyInPartIsOutputButNeverASuccess)
{
    const QByteArray whole = testing::ReadSample("Y54511-2003.TXT");
    c().state.ReportKind = YearlySurfaceReport;
    c().state.SystemPath = temp.path() + u'/';
    ASSERT_TRUE(QDir(temp.path()).mkdir(QStringLiteral("ReportFile")));
    // Cut in half, the reader refuses the file; the whole file after it is a success again.
    for (const auto& [bytes, status] : {std::pair{whole.left(whole.size() / 2), 1}, std::pair{whole, 0}}) {
        SCOPED_TRACE(status);
        const QString path = temp.path() + QStringLiteral("/Y54511-2003.TXT");
        QFile f(path);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
        f.write(bytes);
        f.close();
        HostOptions options;
        options.loadFile = path;
        options.saveAll = true;
        options.printPdf = temp.path() + QStringLiteral("/pdf/y.pdf");
        messages->answers.push_back(MsgAnswer::Yes);
        CapturedStderr err;
        CapturedStderr out(STDOUT_FILENO);
        EXPECT_EQ(RunHostAutomation(c(), options), status);
        const QString printed = out.text();
        EXPECT_TRUE(printed.contains(QStringLiteral("Saved 6 page image(s)"))) << printed.toStdString();
        EXPECT_TRUE(printed.contains(QStringLiteral("Printed 6 of 6 page(s)"))) << printed.toStdString();
        const QStringList said = err.text().split(u'\n', Qt::SkipEmptyParts);
        const QString why = QStringLiteral("tabulon-host: exit status 1: the data file Y54511-2003.TXT was read only in part");
        EXPECT_EQ(!said.isEmpty() && said.last().startsWith(why), status == 1) << said.join(u'\n').toStdString();
    }
}

// The host stopped by a signal while it saves or prints the reference station's 37 pages:
// it ends with 128 + the signal's number, says how far it got, and leaves only whole files.
TEST(HostInterrupted, AStoppedSaveOrPrintLeavesOnlyWholeFilesAndSaysHowFarItGot)
{
    struct Case {
        int signal;
        bool print;
        int filesBeforeSignal;
    };
    const QString host = QFileInfo(QStringLiteral("/proc/self/exe")).canonicalPath() + QStringLiteral("/tabulon-host");
    for (const Case& k : {Case{SIGTERM, false, 1}, Case{SIGINT, false, 4}, Case{SIGHUP, false, 2}, Case{SIGTERM, true, 2}}) {
        SCOPED_TRACE(k.signal);
        QTemporaryDir sys;
        const QString out = k.print ? sys.filePath(QStringLiteral("pdf")) : sys.filePath(QStringLiteral("ReportFile/Rpic"));
        ASSERT_TRUE(QDir().mkpath(out));
        QStringList args{"--sys", sys.path() + u'/', "--load",
                         testing::SampleFolder() + QStringLiteral("A57494-200303.TXT"), "--quit"};
        args << (k.print ? QStringList{"--print-pdf", out + QStringLiteral("/r.pdf")} : QStringList{"--save-all"});
        QProcess run;
        // As started from a terminal: a background job of a script would ignore SIGINT.
        run.setChildProcessModifier([] {
            for (int s : {SIGINT, SIGTERM, SIGHUP})
                std::signal(s, SIG_DFL);
        });
        run.start(host, args);
        ASSERT_TRUE(run.waitForStarted());
        const QStringList whole = {k.print ? QStringLiteral("*.pdf") : QStringLiteral("*.jpg")};
        QElapsedTimer waited;
        waited.start();
        while (QDir(out).entryList(whole, QDir::Files).size() < k.filesBeforeSignal && waited.elapsed() < 120000 &&
               run.state() == QProcess::Running)
            QThread::msleep(2);
        ::kill(static_cast<pid_t>(run.processId()), k.signal);
        ASSERT_TRUE(run.waitForFinished(120000));

        EXPECT_EQ(run.exitStatus(), QProcess::NormalExit);
        EXPECT_EQ(run.exitCode(), 128 + k.signal);
        const QString said = QString::fromUtf8(run.readAllStandardOutput());
        EXPECT_TRUE(said.contains(InterruptedText(k.signal))) << said.toStdString();
        // Only whole images or jobs, as many as the run said: no bitmap, no temporary file.
        const QStringList left = QDir(out).entryList(QDir::Files | QDir::Hidden, QDir::Name);
        const QString count = QString::number(left.size());
        EXPECT_TRUE(said.startsWith(k.print ? "Printed " + count + " of " : "Saved " + count + " page image(s)"))
            << said.toStdString();
        EXPECT_LT(left.size(), 37);
        for (const QString& name : left) {
            QFile f(out + u'/' + name);
            ASSERT_TRUE(f.open(QIODevice::ReadOnly));
            const QByteArray bytes = f.readAll();
            EXPECT_TRUE(k.print ? bytes.trimmed().endsWith("%%EOF") : bytes.endsWith("\xFF\xD9")) << name.toStdString();
        }
    }
}

}  // namespace
}  // namespace tabulon
