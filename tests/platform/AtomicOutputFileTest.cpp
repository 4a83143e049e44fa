#include "platform/AtomicOutputFile.h"
#include "support/FileSizeLimit.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <cerrno>
#include <sys/stat.h>

namespace tabulon {
namespace {

using Durability = AtomicOutputFile::Durability;

class AtomicOutput : public ::testing::Test {
protected:
    QString path(const QString& name) const { return dir.filePath(name); }
    void put(const QString& name, const QByteArray& bytes) const
    {
        QFile f(path(name));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        ASSERT_EQ(f.write(bytes), bytes.size());
    }
    QByteArray bytesOf(const QString& name) const
    {
        QFile f(path(name));
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<none>");
    }
    // Every entry, hidden temporary files included.
    QStringList entries() const
    {
        return QDir(dir.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot,
                                          QDir::Name);
    }
    QTemporaryDir dir;
};

TEST_F(AtomicOutput, ReplacesAFileWholeKeepingItsPermissions)
{
    put("UserOpt.ini", "old");
    ASSERT_EQ(::chmod(QFile::encodeName(path("UserOpt.ini")).constData(), 0640), 0);
    EXPECT_EQ(WriteFileWhole(path("UserOpt.ini"), "new contents", Durability::Synced), QString());
    EXPECT_EQ(bytesOf("UserOpt.ini"), QByteArray("new contents"));
    struct stat st {};
    ASSERT_EQ(::stat(QFile::encodeName(path("UserOpt.ini")).constData(), &st), 0);
    EXPECT_EQ(st.st_mode & 07777, 0640u);
    EXPECT_EQ(entries(), QStringList{"UserOpt.ini"});
}

TEST_F(AtomicOutput, AWriteCutShortLeavesTheOldBytesAndNoTemporaryFile)
{
    put("UserOpt.ini", "[Open_File]\r\nReportOutPutStatus=1\r\n");
    const QByteArray big(64 * 1024, 'x');
    const int child = test::RunUnderFileSizeLimit(4096, [&] {
        const QString error = WriteFileWhole(path("UserOpt.ini"), big, Durability::Synced);
        return error.contains(path("UserOpt.ini")) && error.contains(SystemErrorText(EFBIG)) ? 0 : 1;
    });
    EXPECT_EQ(child, 0) << "the failed write was not reported with the system's reason";
    EXPECT_EQ(bytesOf("UserOpt.ini"), QByteArray("[Open_File]\r\nReportOutPutStatus=1\r\n"));
    EXPECT_EQ(entries(), QStringList{"UserOpt.ini"});

    // An image cut short the same way.
    QImage noise(300, 300, QImage::Format_RGB32);
    for (int y = 0; y < noise.height(); ++y)
        for (int x = 0; x < noise.width(); ++x)
            noise.setPixel(x, y, static_cast<QRgb>((x * 7919u + y * 104729u) * 2654435761u));
    EXPECT_EQ(test::RunUnderFileSizeLimit(4096, [&] {
        return WriteImageWhole(path("P_01.jpg"), noise, "jpeg", 90).contains(SystemErrorText(EFBIG)) ? 0 : 1;
    }), 0);
    EXPECT_EQ(entries(), QStringList{"UserOpt.ini"});
}

TEST_F(AtomicOutput, ALinkAtTheNameIsRefusedAndItsTargetNeverTouched)
{
    put("victim", "precious");
    ASSERT_TRUE(QFile::link(path("victim"), path("out.bmp")));
    ASSERT_TRUE(QFile::link(path("nowhere"), path("dangling.bmp")));
    for (const QString& name : {QStringLiteral("out.bmp"), QStringLiteral("dangling.bmp")}) {
        const QString error = WriteFileWhole(path(name), "overwritten");
        EXPECT_TRUE(error.contains(QStringLiteral("链接"))) << error.toStdString();
        EXPECT_TRUE(QFileInfo(path(name)).isSymLink());
    }
    EXPECT_EQ(bytesOf("victim"), QByteArray("precious"));
    EXPECT_FALSE(QFile::exists(path("nowhere")));
    EXPECT_EQ(entries(), (QStringList{"dangling.bmp", "out.bmp", "victim"}));
}

TEST_F(AtomicOutput, AFolderAtTheNameOrAFolderThatTakesNoFileIsRefused)
{
    // A folder at the output name.
    ASSERT_TRUE(QDir(dir.path()).mkdir("out-1.pdf"));
    EXPECT_FALSE(WriteFileWhole(path("out-1.pdf"), "x").isEmpty());
    EXPECT_TRUE(QFileInfo(path("out-1.pdf")).isDir());

    // A place no one can write, even the superuser the tests may run as: the folder named
    // in the path is a regular file.
    put("blocker", "file");
    AtomicOutputFile file(path("blocker/out.pdf"));
    EXPECT_FALSE(file.open());
    EXPECT_TRUE(file.error().contains(path("blocker/out.pdf")));
    EXPECT_FALSE(file.commit());
    EXPECT_EQ(bytesOf("blocker"), QByteArray("file"));
}

TEST_F(AtomicOutput, AFileGivenUpOrNeverCommittedLeavesTheOldOne)
{
    put("out.pdf", "old");
    {
        AtomicOutputFile file(path("out.pdf"));
        ASSERT_TRUE(file.open());
        file.write("half");
        file.fail(QStringLiteral("PDF文件不完整"));
        EXPECT_FALSE(file.commit());
        EXPECT_EQ(file.error(), QStringLiteral("PDF文件不完整"));
    }
    {
        AtomicOutputFile file(path("out.pdf"));
        ASSERT_TRUE(file.open());
        file.write("never committed");
    }
    EXPECT_EQ(bytesOf("out.pdf"), QByteArray("old"));
    EXPECT_EQ(entries(), QStringList{"out.pdf"});
}

}  // namespace
}  // namespace tabulon
