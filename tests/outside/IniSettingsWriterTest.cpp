#include "platform/AtomicOutputFile.h"
#include "platform/FileLock.h"
#include "outside/IniFile.h"
#include "outside/SettingsWriter.h"
#include "platform/ObjectFactory.h"
#include "platform/ReportError.h"
#include "support/FileSizeLimit.h"

#include <cerrno>
#include <chrono>
#include <cstdio>
#include <map>
#include <thread>
#include <QDir>
#include <QFile>
#include <QStringEncoder>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

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

TEST(SetIniValueInFile, AUtf16FileStaysUtf16InItsByteOrderAndABrokenOneIsNotRewritten)
{
    const QString before = QStringLiteral("\uFEFF; 设置\r\n[Open_File]\r\nReportOutPutStatus=1\r\n");
    const QString after = QStringLiteral("\uFEFF; 设置\r\n[Open_File]\r\nReportOutPutStatus=0\r\n");
    for (const auto order : {QStringConverter::Utf16LE, QStringConverter::Utf16BE}) {
        QStringEncoder encode(order, QStringConverter::Flag::ConvertInitialBom);
        const QByteArray file = encode(before);
        ASSERT_TRUE(file.startsWith(order == QStringConverter::Utf16LE ? "\xFF\xFE" : "\xFE\xFF"));
        EXPECT_EQ(SetIniValueInFile(file, "Open_File", "ReportOutPutStatus", "0"), QByteArray(encode(after)));
    }
    // An odd byte count or a lone surrogate would not come back as the same bytes.
    EXPECT_EQ(SetIniValueInFile("\xFF\xFE[\0S\0]", "S", "K", "v"), std::nullopt);
    EXPECT_EQ(SetIniValueInFile(QByteArray("\xFF\xFE\x00\xD8[\0", 6), "S", "K", "v"), std::nullopt);
    // Any other file is changed as bytes.
    EXPECT_EQ(SetIniValueInFile("[S]\nK=1\n", "S", "K", "2"), QByteArray("[S]\nK=2\n"));
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
    // A file stands where the folder should be: the system's reason is told.
    try {
        writer()->WriteINI("S", "K", "V", dir.path() + "/blocker/UserOpt.ini");
        ADD_FAILURE() << "no error raised";
    } catch (const ReportError& e) {
        EXPECT_TRUE(e.description().contains(SystemErrorText(EEXIST))) << e.description().toStdString();
    }
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

// The settings file as the user set it up: its owner (the other account where the tests run
// as the superuser), mode and folder mode; the close writes one key.
class SettingsFileSetup : public SettingsWriterFile {
protected:
    static constexpr char Before[] = "; station\r\n[Open_File]\r\nAFileReportPath=/d/\r\nReportOutPutStatus=1\r\n";
    static constexpr char After[] = "; station\r\n[Open_File]\r\nAFileReportPath=/d/\r\nReportOutPutStatus=0\r\n";

    void SetUp() override
    {
        // The other account reaches the station folder, which it owns.
        ASSERT_EQ(::chmod(QFile::encodeName(dir.path()).constData(), 0711), 0);
        ASSERT_TRUE(QDir(dir.path()).mkdir("SysConfig"));
        put(Before);
    }
    void TearDown() override { setModes(0644, 0755); }   // the folder can be removed again
    void put(const QByteArray& bytes)
    {
        QFile f(file());
        ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
        ASSERT_EQ(f.write(bytes), bytes.size());
        f.close();
        if (::geteuid() == 0) {
            for (const QString& p : {folder(), file()})
                ASSERT_EQ(::chown(QFile::encodeName(p).constData(), test::OtherAccount, test::OtherAccount), 0);
        }
    }
    void setModes(mode_t fileMode, mode_t folderMode)
    {
        ASSERT_EQ(::chmod(QFile::encodeName(file()).constData(), fileMode), 0);
        ASSERT_EQ(::chmod(QFile::encodeName(folder()).constData(), folderMode), 0);
    }
    // Writes the key as the other account; 0 written, 1 refused with the system's reason.
    int writeAsTheOtherAccount(rlim_t sizeLimit, const QString& value = "0")
    {
        return test::RunUnderFileSizeLimit(sizeLimit, [&] {
            if (!test::LeaveTheSuperuser())
                return 90;
            try {
                writer()->WriteINI("Open_File", "ReportOutPutStatus", value, file());
                return 0;
            } catch (const ReportError& e) {
                return e.description().contains(file()) && !e.description().contains("Unknown error") ? 1 : 2;
            }
        });
    }
    QByteArray bytes() const
    {
        QFile f(file());
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<none>");
    }
    struct stat info() const
    {
        struct stat st {};
        ::stat(QFile::encodeName(file()).constData(), &st);
        return st;
    }
    QString folder() const { return dir.path() + "/SysConfig"; }
    QString file() const { return folder() + "/UserOpt.ini"; }
};

TEST_F(SettingsFileSetup, AnotherAccountsFileKeepsItsOwnerGroupAndMode)
{
    if (::geteuid() != 0)
        GTEST_SKIP() << "only the superuser writes another account's file";
    setModes(0640, 0755);
    writer()->WriteINI("Open_File", "ReportOutPutStatus", "0", file());
    EXPECT_EQ(bytes(), QByteArray(After));
    const struct stat st = info();
    EXPECT_EQ(st.st_uid, test::OtherAccount);
    EXPECT_EQ(st.st_gid, test::OtherAccount);
    EXPECT_EQ(st.st_mode & 07777, 0640u);
    EXPECT_EQ(QDir(folder()).entryList(QDir::Files | QDir::Hidden), QStringList{"UserOpt.ini"});
}

TEST_F(SettingsFileSetup, AReadOnlyFileIsNotReplaced)
{
    setModes(0444, 0755);
    const ino_t inode = info().st_ino;
    EXPECT_EQ(writeAsTheOtherAccount(RLIM_INFINITY), 1);
    EXPECT_EQ(bytes(), QByteArray(Before));
    EXPECT_EQ(info().st_ino, inode);
    EXPECT_EQ(info().st_mode & 07777, 0444u);
}

TEST_F(SettingsFileSetup, AFolderThatTakesNoNewFileGetsTheKeyWrittenInPlace)
{
    setModes(0644, 0555);
    const ino_t inode = info().st_ino;
    EXPECT_EQ(writeAsTheOtherAccount(RLIM_INFINITY), 0);
    EXPECT_EQ(bytes(), QByteArray(After));
    EXPECT_EQ(info().st_ino, inode);

    // Longer than a file-size limit allows: the old bytes are put back and the reason told.
    EXPECT_EQ(writeAsTheOtherAccount(256, QString(1024, u'x')), 1);
    EXPECT_EQ(bytes(), QByteArray(After));
    // Shorter: the file is cut to its new length.
    setModes(0644, 0755);
    put(QByteArray(Before).replace("=1\r", "=12345\r"));
    setModes(0644, 0555);
    EXPECT_EQ(writeAsTheOtherAccount(RLIM_INFINITY), 0);
    EXPECT_EQ(bytes(), QByteArray(After));
    EXPECT_EQ(QDir(folder()).entryList(QDir::Files | QDir::Hidden), QStringList{"UserOpt.ini"});
}

TEST_F(SettingsFileSetup, AUtf16FileGetsTheKeyChangedAndStaysUtf16)
{
    QStringEncoder encode(QStringConverter::Utf16LE, QStringConverter::Flag::WriteBom);
    put(encode(QString::fromUtf8(Before)));
    setModes(0644, 0755);
    writer()->WriteINI("Open_File", "ReportOutPutStatus", "0", file());
    QStringEncoder expected(QStringConverter::Utf16LE, QStringConverter::Flag::WriteBom);
    EXPECT_EQ(bytes(), QByteArray(expected(QString::fromUtf8(After))));
}

// Writers that meet at the settings file: a program holding its lock (a forked child) makes
// the close wait, and writers closing at once leave one whole file.
class SettingsFileLock : public SettingsFileSetup {
protected:
    using Clock = std::chrono::steady_clock;
    static constexpr std::chrono::milliseconds Hold{300};

    void TearDown() override
    {
        FileLock::setStandardPatience(std::chrono::seconds(5));
        SettingsFileSetup::TearDown();
    }
    // Runs body in a forked child and returns at once; finish() gives its exit status.
    static pid_t spawn(const std::function<int()>& body)
    {
        const pid_t child = ::fork();
        if (child == 0) {
            ::alarm(60);
            ::_exit(body());
        }
        return child;
    }
    static int finish(pid_t child)
    {
        int status = 0;
        if (child < 0 || ::waitpid(child, &status, 0) != child || !WIFEXITED(status))
            return -1;
        return WEXITSTATUS(status);
    }
    // A child that locks the settings file, holds it for `hold`, then (when given) renames a
    // file with `replacement` over it and lets go. Returns once the lock is held.
    pid_t holdLock(std::chrono::milliseconds hold, const QByteArray& replacement = {})
    {
        int ready[2];
        if (::pipe(ready) != 0)
            return -1;
        const pid_t child = spawn([&] {
            ::close(ready[0]);
            FileLock lock(file(), FileLock::Mode::Exclusive);
            if (!lock.acquire() || !lock.locked() || ::write(ready[1], "x", 1) != 1)
                return 2;
            std::this_thread::sleep_for(hold);
            return replacement.isEmpty() || WriteFileWhole(file(), replacement).isEmpty() ? 0 : 3;
        });
        ::close(ready[1]);
        char byte = 0;
        const bool held = ::read(ready[0], &byte, 1) == 1;
        ::close(ready[0]);
        return held ? child : -1;
    }
    // The settings file holding `text`; with a second name (a hard link) it is written in place.
    void putFile(const QByteArray& text, bool secondLink)
    {
        ::unlink(QFile::encodeName(link()).constData());
        put(text);
        if (secondLink)
            ASSERT_EQ(::link(QFile::encodeName(file()).constData(), QFile::encodeName(link()).constData()), 0);
    }
    QString link() const { return folder() + "/UserOpt.bak"; }
    QStringList filesLeft(bool secondLink) const
    {
        return secondLink ? QStringList{"UserOpt.bak", "UserOpt.ini"} : QStringList{"UserOpt.ini"};
    }
};

TEST_F(SettingsFileLock, AWriteWaitsForTheLockThenChangesTheFileAsItIsThen)
{
    const QByteArray replaced = "; replaced\r\n[Open_File]\r\nReportOutPutStatus=1\r\n";
    const struct {
        const char* name;
        bool secondLink;         // written in place
        QByteArray replacement;  // renamed over the name while the lock is held
        QByteArray expected;
    } cases[] = {
        {"replaced whole", false, {}, After},
        {"written in place", true, {}, After},
        {"name replaced while the write waited", false, replaced, QByteArray(replaced).replace("=1", "=0")},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        putFile(Before, c.secondLink);
        const Clock::time_point start = Clock::now();
        const pid_t holder = holdLock(Hold, c.replacement);
        ASSERT_GT(holder, 0);
        EXPECT_NO_THROW(writer()->WriteINI("Open_File", "ReportOutPutStatus", "0", file()));
        EXPECT_GE(Clock::now() - start, Hold);
        EXPECT_EQ(finish(holder), 0);
        EXPECT_EQ(bytes(), c.expected);
        EXPECT_EQ(info().st_nlink, c.secondLink ? 2u : 1u);
        EXPECT_EQ(QDir(folder()).entryList(QDir::Files | QDir::Hidden), filesLeft(c.secondLink));
    }
}

TEST_F(SettingsFileLock, ALockHeldPastThePatienceIsAnErrorAndChangesNothing)
{
    FileLock::setStandardPatience(std::chrono::milliseconds(100));
    for (const bool secondLink : {false, true}) {
        SCOPED_TRACE(secondLink ? "written in place" : "replaced whole");
        putFile(Before, secondLink);
        const ino_t inode = info().st_ino;
        const pid_t holder = holdLock(Hold);
        ASSERT_GT(holder, 0);
        try {
            writer()->WriteINI("Open_File", "ReportOutPutStatus", "0", file());
            ADD_FAILURE() << "no error raised";
        } catch (const ReportError& e) {
            EXPECT_EQ(e.number(), 75);
            EXPECT_TRUE(e.description().contains(file())) << e.description().toStdString();
        }
        EXPECT_EQ(finish(holder), 0);
        EXPECT_EQ(bytes(), QByteArray(Before));
        EXPECT_EQ(info().st_ino, inode);
        EXPECT_EQ(QDir(folder()).entryList(QDir::Files | QDir::Hidden), filesLeft(secondLink));
    }
}

TEST_F(SettingsFileLock, WritersClosingAtOnceLeaveOneWholeFileAndAReaderSeesOnlyWholeOnes)
{
    constexpr int Writers = 8;
    constexpr int Rounds = 4;
    // The race's keys stand first and grow with every round, so each write moves the long tail
    // after them: a read that meets a write half-done sees a tail out of place.
    const QByteArray head = "; station\r\n[Race]\r\n";
    QByteArray tail = "[Open_File]\r\n";
    for (int i = 0; i < 4000; ++i)
        tail += "; " + QByteArray(70, char('a' + i % 26)) + "\r\n";
    const auto value = [](int round) { return QByteArray(round, char('0' + round)); };
    // A whole version is the head, each writer's key at most once in any order, and the tail.
    const auto keysOfWholeVersion = [&](const QByteArray& text) -> std::optional<std::map<int, int>> {
        if (!text.startsWith(head) || !text.endsWith(tail))
            return std::nullopt;
        std::map<int, int> keys;
        const QByteArray lines = text.mid(head.size(), text.size() - head.size() - tail.size());
        for (const QByteArray& line : lines.split('\n')) {
            if (line.isEmpty())
                continue;
            bool isNumber = false;
            const int writer = line.mid(1, line.indexOf('=') - 1).toInt(&isNumber);
            const int round = int(line.size() - line.indexOf('=') - 2);
            if (!isNumber || writer < 0 || writer >= Writers || round < 1 || round > Rounds ||
                line != "K" + QByteArray::number(writer) + "=" + value(round) + "\r" ||
                !keys.emplace(writer, round).second)
                return std::nullopt;
        }
        return keys;
    };
    // What is tested is the file, not the wait: a loaded machine must not turn a slow race into
    // error 75.
    FileLock::setStandardPatience(std::chrono::seconds(30));
    for (const bool secondLink : {false, true}) {
        SCOPED_TRACE(secondLink ? "written in place" : "replaced whole");
        putFile(head + tail, secondLink);
        std::vector<pid_t> writers;
        for (int w = 0; w < Writers; ++w)
            writers.push_back(spawn([&, w] {
                try {
                    // A pause between two writes, as between two windows, lets the others in:
                    // a writer asking again at once would take the lock back before they look.
                    for (int round = 1; round <= Rounds; ++round) {
                        writer()->WriteINI("Race", QStringLiteral("K%1").arg(w), value(round), file());
                        std::this_thread::sleep_for(std::chrono::milliseconds(20));
                    }
                    return 0;
                } catch (const ReportError&) {
                    return 1;
                }
            }));
        // A cooperating reader takes the shared lock while the writers run.
        int reads = 0;
        const auto running = [&] {
            for (const pid_t pid : writers) {
                siginfo_t ended {};   // looked at, not reaped: finish() reaps it
                if (::waitid(P_PID, pid, &ended, WEXITED | WNOHANG | WNOWAIT) == 0 && ended.si_pid == 0)
                    return true;
            }
            return false;
        };
        do {
            FileLock lock(file(), FileLock::Mode::Shared);
            ASSERT_TRUE(lock.acquire()) << lock.reason().toStdString();
            const std::optional<QByteArray> text = lock.readAll();
            ASSERT_TRUE(text);
            ASSERT_TRUE(keysOfWholeVersion(*text)) << "a half-written file was read: " << text->size() << " bytes";
            lock.release();
            ++reads;
            std::this_thread::sleep_for(std::chrono::milliseconds(1));
        } while (running());
        for (const pid_t pid : writers)
            EXPECT_EQ(finish(pid), 0);
        EXPECT_GT(reads, 1);
        // Every write went to the file the one before it left: no key was lost.
        const std::optional<std::map<int, int>> keys = keysOfWholeVersion(bytes());
        ASSERT_TRUE(keys);
        std::map<int, int> expected;
        for (int w = 0; w < Writers; ++w)
            expected[w] = Rounds;
        EXPECT_EQ(*keys, expected);
        EXPECT_EQ(QDir(folder()).entryList(QDir::Files | QDir::Hidden), filesLeft(secondLink));
    }
}

}  // namespace
}  // namespace tabulon
