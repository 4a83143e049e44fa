#include "HostAutomation.h"
#include "HostOptions.h"

#include "support/ScopedRenderers.h"
#include "toolkit/PageFrame.h"
#include "window/LoaderFixture.h"

#include <QFile>
#include <QTemporaryFile>
#include <cstdio>
#include <gtest/gtest.h>
#include <unistd.h>

namespace tabulon {
namespace {

// What the process writes to standard error while alive.
class CapturedStderr {
public:
    CapturedStderr()
    {
        std::fflush(stderr);
        file_.open();
        saved_ = ::dup(STDERR_FILENO);
        ::dup2(file_.handle(), STDERR_FILENO);
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
        std::fflush(stderr);
        ::dup2(saved_, STDERR_FILENO);
        ::close(saved_);
        saved_ = -1;
    }
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

}  // namespace
}  // namespace tabulon
