#include "outside/IniFile.h"
#include "outside/SettingsWriter.h"
#include "platform/ObjectFactory.h"
#include "report/ReportError.h"

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

}  // namespace
}  // namespace tabulon
