#include "window/DataFileNames.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace tabulon;

namespace {

void Touch(const QString& folder, const QString& name)
{
    QFile f(folder + u'/' + name);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
}

}  // namespace

TEST(DataFileNames, LettersByReportKind)
{
    EXPECT_EQ(FileLetterFor(1), "A");
    EXPECT_EQ(FileLetterFor(2), "R");
    EXPECT_EQ(FileLetterFor(3), "Y");
    EXPECT_EQ(FileLetterFor(0), "");
    EXPECT_EQ(FileLetterFor(4), "");
}

TEST(DataFileNames, MonthlySurfaceNames)
{
    EXPECT_TRUE(IsDataFileName("A54511-200303.TXT", "A"));
    EXPECT_TRUE(IsDataFileName("a54511-200303.txt", "A"));
    EXPECT_TRUE(IsDataFileName("AX4511-200312.TXT", "A"));   // character 2 may be anything
    for (const char* edition : {"-0", "-1", "-9"})
        EXPECT_TRUE(IsDataFileName(QStringLiteral("A54511-200303%1.TXT").arg(edition), "A")) << edition;

    EXPECT_FALSE(IsDataFileName("A54511-200313.TXT", "A"));   // month 13
    EXPECT_FALSE(IsDataFileName("A54511_200303.TXT", "A"));   // "_" for "-"
    EXPECT_FALSE(IsDataFileName("A54511-200303-2.TXT", "A"));
    EXPECT_FALSE(IsDataFileName("A54511-200303.DAT", "A"));
    EXPECT_FALSE(IsDataFileName("A5451X-200303.TXT", "A"));
    EXPECT_FALSE(IsDataFileName("A54511-20X303.TXT", "A"));
    EXPECT_FALSE(IsDataFileName("A54511-2003XX.TXT", "A"));
    EXPECT_FALSE(IsDataFileName("A54511-2003.TXT", "A"));
    EXPECT_FALSE(IsDataFileName("R54511-200303.TXT", "A"));
    EXPECT_FALSE(IsDataFileName("", "A"));
}

TEST(DataFileNames, RadiationAndYearlyNames)
{
    EXPECT_TRUE(IsDataFileName("R54511-200303.TXT", "R"));
    EXPECT_FALSE(IsDataFileName("R54511-200303-0.TXT", "R"));
    EXPECT_FALSE(IsDataFileName("R54511-200313.TXT", "R"));

    EXPECT_TRUE(IsDataFileName("Y54511-2003.TXT", "Y"));
    EXPECT_TRUE(IsDataFileName("Y54511-2003-0.TXT", "Y"));
    EXPECT_TRUE(IsDataFileName("Y54511-2003-1.TXT", "Y"));
    EXPECT_FALSE(IsDataFileName("Y54511-2003-9.TXT", "Y"));
    EXPECT_FALSE(IsDataFileName("Y54511-200303.TXT", "Y"));
    EXPECT_FALSE(IsDataFileName("Y54511-2003.TXT", ""));
}

TEST(DataFileNames, ListsValidNamesUpperCasedInNameOrder)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    for (const char* name : {"A54511-200305.TXT", "a54511-200303.txt", "A50001-200303-9.TXT",
                             "A54511-200313.TXT", "A54511_200303.TXT", "A54511-200303-2.TXT",
                             "R54511-200303.TXT", "notes.txt"})
        Touch(dir.path(), name);
    QDir(dir.path()).mkdir("A54511-200304.TXT");   // a folder is no data file

    // The folder comes as the system builds it, with a trailing backslash.
    EXPECT_EQ(ListDataFiles(dir.path() + u'\\', "A"),
              (QStringList{"A50001-200303-9.TXT", "A54511-200303.TXT", "A54511-200305.TXT"}));
    EXPECT_EQ(ListDataFiles(dir.path() + u'\\', "R"), QStringList{"R54511-200303.TXT"});
    EXPECT_TRUE(ListDataFiles(dir.path() + u'\\', "Y").isEmpty());
    EXPECT_TRUE(ListDataFiles(dir.path() + QStringLiteral("/missing\\"), "A").isEmpty());
}
