#include "outside/IniFile.h"
#include "outside/SettingsWriter.h"
#include "platform/ObjectFactory.h"
#include "report/ReportError.h"
#include "support/FileSizeLimit.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace tabulon {
namespace {

TEST(SetIniValue, ChangesOneKeyAndKeepsEveryOtherByte)
{
    const QByteArray before = "; comment\r\n[Open_File]\r\nAFileReportPath=D:\\data\\\r\nreportoutputstatus = 1\r\n"
                              "\r\n[Other]\r\nReportOutPutStatus=7\r\n";
    const QByteArray after = SetIniValue(before, "Open_File", "ReportOutPutStatus", "0");
    EXPECT_EQ(after, QByteArray("; comment\r\n[Open_File]\r\nAFileReportPath=D:\\data\\\r\nReportOutPutStatus=0\r\n"
                                "\r\n[Other]\r\nReportOutPutStatus=7\r\n"));
}

TEST(SetIniValue, AddsAMissingKeyAtTheEndOfItsSection)
{
    const QByteArray before = "[open_file]\nA=1\n\n[Other]\nB=2";
    EXPECT_EQ(SetIniValue(before, "Open_File", "ReportOutPutStatus", "0"),
              QByteArray("[open_file]\nA=1\nReportOutPutStatus=0\n\n[Other]\nB=2"));
    // The section's last line had no line ending.
    EXPECT_EQ(SetIniValue("[S]\nA=1", "S", "K", "v"), QByteArray("[S]\nA=1\nK=v\n"));
}

TEST(SetIniValue, AddsAMissingSectionAtTheEnd)
{
    EXPECT_EQ(SetIniValue("", "Open_File", "K", "0"), QByteArray("[Open_File]\r\nK=0\r\n"));
    EXPECT_EQ(SetIniValue("[A]\nx=1", "B", "K", "0"), QByteArray("[A]\nx=1\n[B]\nK=0\n"));
    // A key of the same name in another section is not the one changed.
    EXPECT_EQ(SetIniValue("[A]\nK=1\n", "B", "K", "0"), QByteArray("[A]\nK=1\n[B]\nK=0\n"));
}

TEST(SetIniValue, ChangesTheKeyInPlaceWhateverTheLineEndsAndKeepsAByteOrderMark)
{
    const QByteArray bom = "\xEF\xBB\xBF";
    // A mark before the first section header, LF line ends.
    EXPECT_EQ(SetIniValue(bom + "[Open_File]\nAFileReportPath=/d/\nReportOutPutStatus=1\n", "Open_File",
                          "ReportOutPutStatus", "0"),
              bom + "[Open_File]\nAFileReportPath=/d/\nReportOutPutStatus=0\n");
    // CR-only line ends, with a mark and CR LF, and a key added in a CR-only file.
    EXPECT_EQ(SetIniValue("; c\r[Open_File]\rReportOutPutStatus=1\r\r[X]\ry=2\r", "Open_File", "ReportOutPutStatus", "0"),
              QByteArray("; c\r[Open_File]\rReportOutPutStatus=0\r\r[X]\ry=2\r"));
    EXPECT_EQ(SetIniValue(bom + "[Open_File]\r\nReportOutPutStatus=1", "Open_File", "ReportOutPutStatus", "0"),
              bom + "[Open_File]\r\nReportOutPutStatus=0");
    EXPECT_EQ(SetIniValue("[Open_File]\rA=1\r[X]\ry=2", "Open_File", "K", "0"),
              QByteArray("[Open_File]\rA=1\rK=0\r[X]\ry=2"));
    // A file that is only a mark gets its section after the mark.
    EXPECT_EQ(SetIniValue(bom, "S", "K", "v"), bom + "[S]\r\nK=v\r\n");
}

class SettingsWriterFile : public ::testing::Test {
protected:
    std::unique_ptr<SettingsWriter> writer()
    {
        return MakeStandardObjectFactory()->Create<SettingsWriter>(ProgId::Settings);
    }
    QTemporaryDir dir;
};

TEST_F(SettingsWriterFile, CreatesTheFolderAndFileAndLeavesNoTemporaryFile)
{
    const QString sys = dir.path() + QStringLiteral("/sys/");
    writer()->WriteINI("Open_File", "ReportOutPutStatus", "0", sys + "SysConfig\\UserOpt.ini");
    QFile f(sys + "SysConfig/UserOpt.ini");
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    EXPECT_EQ(f.readAll(), QByteArray("[Open_File]\r\nReportOutPutStatus=0\r\n"));
    EXPECT_EQ(QDir(sys + "SysConfig").entryList(QDir::Files | QDir::Hidden), QStringList{"UserOpt.ini"});
}

TEST_F(SettingsWriterFile, AnUnwritablePlaceRaisesAnError)
{
    QFile blocker(dir.path() + "/blocker");
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    // A file stands where the folder should be.
    EXPECT_THROW(writer()->WriteINI("S", "K", "V", dir.path() + "/blocker/UserOpt.ini"), ReportError);
    EXPECT_THROW(writer()->WriteINI("S", "K", "V", ""), ReportError);
}

TEST_F(SettingsWriterFile, AWriteCutShortKeepsTheOldFileAndRaisesAnError)
{
    const QString file = dir.path() + "/UserOpt.ini";
    const QByteArray before = "[Open_File]\r\nReportOutPutStatus=1\r\n";
    {
        QFile f(file);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(before);
    }
    const QString value(8192, u'x');   // the new file is larger than the limit
    const int child = test::RunUnderFileSizeLimit(1024, [&] {
        try {
            writer()->WriteINI("Open_File", "AFileReportPath", value, file);
        } catch (const ReportError& e) {
            return e.description().contains(file) ? 0 : 2;
        }
        return 1;
    });
    EXPECT_EQ(child, 0);
    QFile f(file);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    EXPECT_EQ(f.readAll(), before);
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList{"UserOpt.ini"});
}

TEST_F(SettingsWriterFile, ALinkAtTheSettingsFileIsRefusedAndItsTargetKept)
{
    const QString victim = dir.path() + "/victim";
    {
        QFile f(victim);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write("[Open_File]\nReportOutPutStatus=1\n");
    }
    ASSERT_TRUE(QFile::link(victim, dir.path() + "/UserOpt.ini"));
    EXPECT_THROW(writer()->WriteINI("Open_File", "ReportOutPutStatus", "0", dir.path() + "/UserOpt.ini"), ReportError);
    QFile f(victim);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    EXPECT_EQ(f.readAll(), QByteArray("[Open_File]\nReportOutPutStatus=1\n"));
}

}  // namespace
}  // namespace tabulon
