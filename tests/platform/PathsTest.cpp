#include "platform/Paths.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace tabulon;

TEST(NativePath, TurnsBackslashesIntoSeparators)
{
    EXPECT_EQ(NativePath("/nowhere/SysConfig\\UserOpt.ini"), "/nowhere/SysConfig/UserOpt.ini");
    EXPECT_EQ(NativePath(""), "");
}

TEST(NativePath, FindsExistingFilesIgnoringCase)
{
    QTemporaryDir dir;
    ASSERT_TRUE(QDir(dir.path()).mkdir("report"));
    QFile f(dir.path() + "/report/a54511-200303.txt");
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));

    EXPECT_EQ(NativePath(dir.path() + "\\REPORT\\A54511-200303.TXT"), dir.path() + "/report/a54511-200303.txt");
    EXPECT_EQ(NativePath(dir.path() + "\\report\\a54511-200303.txt"), dir.path() + "/report/a54511-200303.txt");
    // Missing parts keep their spelling, so a new file is created as written.
    EXPECT_EQ(NativePath(dir.path() + "\\Report\\New.ini"), dir.path() + "/report/New.ini");
    EXPECT_EQ(NativePath(dir.path() + "\\Gone\\X.TXT"), dir.path() + "/Gone/X.TXT");
}
