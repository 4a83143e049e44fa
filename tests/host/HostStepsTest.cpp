#include "HostAutomation.h"
#include "HostOptions.h"

#include "support/ScopedRenderers.h"
#include "toolkit/PageFrame.h"
#include "window/LoaderFixture.h"

#include <QDir>
#include <QFile>
#include <QTemporaryFile>
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

}  // namespace
}  // namespace tabulon
