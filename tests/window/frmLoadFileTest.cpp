#include "window/frmLoadFile.h"

#include "outside/SettingsWriter.h"
#include "platform/MessageBox.h"
#include "platform/ReportError.h"
#include "report/Component.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTableWidget>
#include <QTreeView>
#include <QElapsedTimer>
#include <QFileSystemModel>
#include <QTemporaryDir>
#include <QKeyEvent>
#include <gtest/gtest.h>

using namespace tabulon;

namespace {

struct IniWrite {
    QString section, key, value, file;
};

class RecordingSettings : public SettingsWriter {
public:
    explicit RecordingSettings(std::vector<IniWrite>& log) : log_(log) {}
    void WriteINI(const QString& Section, const QString& Key, const QString& Value,
                  const QString& IniFile) override
    {
        log_.push_back({Section, Key, Value, IniFile});
    }

private:
    std::vector<IniWrite>& log_;
};

struct Load {
    QString folder, name;
};

// A component whose settings writer records, with a system folder and a data folder of files.
struct LoadFileDialog : ::testing::Test {
    LoadFileDialog()
    {
        auto factory = std::make_unique<ObjectFactory>();
        factory->registerMaker(ProgId::Settings,
                               [this] { return std::make_unique<RecordingSettings>(writes); });
        auto box = std::make_unique<ScriptedMessageBox>();
        messages = box.get();
        c = std::make_unique<Component>(Services{std::move(box), std::move(factory)});
        c->state.ReportKind = MonthlySurfaceReport;
        c->state.SystemPath = sys.path() + u'\\';
        c->state.DataPath = data.path();
        for (const char* name : {"A54511-200303.TXT", "A50001-200301.TXT", "A53000-200302.TXT"})
            Touch(data.path(), name);
    }
    static void Touch(const QString& folder, const QString& name)
    {
        QFile f(folder + u'/' + name);
        f.open(QIODevice::WriteOnly);
    }
    std::unique_ptr<frmLoadFile> Open()
    {
        return std::make_unique<frmLoadFile>(*c, nullptr, [this](Component&, const QString& folder, const QString& name) {
            loads.push_back({folder, name});
            return loaderCloses;
        });
    }
    static QLineEdit* PathBox(frmLoadFile& d) { return d.findChild<QLineEdit*>("txtPath"); }
    static QPushButton* Ok(frmLoadFile& d) { return d.findChild<QPushButton*>("cmdOk"); }
    static QTableWidget* Table(frmLoadFile& d) { return d.findChild<QTableWidget*>("grdFileList"); }

    QTemporaryDir sys, data;
    std::vector<IniWrite> writes;
    std::vector<Load> loads;
    bool loaderCloses = false;
    ScriptedMessageBox* messages = nullptr;
    std::unique_ptr<Component> c;
};

}  // namespace

TEST_F(LoadFileDialog, OpensOnTheDataFolderAndRemembersIt)
{
    auto d = Open();
    EXPECT_EQ(d->windowTitle(), "选择地面气象记录月报表文件");
    EXPECT_EQ(PathBox(*d)->text(), QDir(data.path()).absolutePath());
    EXPECT_EQ(d->statusText(), "当前目录下共3个A文件");
    EXPECT_FALSE(Ok(*d)->isEnabled());

    QTableWidget* table = Table(*d);
    EXPECT_EQ(table->rowCount(), 20);   // 20 data rows under the heading row
    EXPECT_EQ(table->columnCount(), 5);
    EXPECT_EQ(table->horizontalHeaderItem(4)->text(), "是否选取");
    EXPECT_EQ(table->item(0, 1)->text(), "A50001-200301.TXT");
    EXPECT_EQ(table->item(2, 3)->text(), "2003年03月");
    EXPECT_EQ(table->item(0, 1)->textAlignment(), int(Qt::AlignCenter));

    ASSERT_EQ(writes.size(), 1u);
    EXPECT_EQ(writes[0].section, "Open_File");
    EXPECT_EQ(writes[0].key, "AFileReportPath");
    EXPECT_EQ(writes[0].value, PathBox(*d)->text());
    EXPECT_EQ(writes[0].file, c->state.SystemPath + "SysConfig\\UserOpt.ini");
}

TEST_F(LoadFileDialog, StartsInTheReportFolderWithoutADataFolder)
{
    c->state.DataPath.clear();
    c->state.ReportKind = YearlySurfaceReport;
    QDir(sys.path()).mkdir("ReportFile");
    Touch(sys.path() + "/ReportFile", "Y54511-2003.TXT");
    auto d = Open();
    EXPECT_EQ(d->windowTitle(), "选择地面气象记录年报表文件");
    EXPECT_EQ(PathBox(*d)->text(), QDir(sys.path() + "/ReportFile").absolutePath());
    EXPECT_EQ(d->statusText(), "当前目录下共1个Y文件");
    ASSERT_EQ(writes.size(), 1u);
    EXPECT_EQ(writes[0].key, "YFileReportPath");
}

TEST_F(LoadFileDialog, TypingRescansAndRewritesTheSettingsEveryKeystroke)
{
    auto d = Open();
    writes.clear();
    QLineEdit* box = PathBox(*d);
    box->setText(box->text() + "/x");
    EXPECT_EQ(d->statusText(), "当前目录下没有A文件");
    box->backspace();
    box->backspace();
    EXPECT_EQ(d->statusText(), "当前目录下共3个A文件");
    ASSERT_EQ(writes.size(), 3u);
    EXPECT_EQ(writes[2].value, box->text());
}

TEST_F(LoadFileDialog, OkLoadsTheChosenFileAndClosesOnlyWhenTheLoadSucceeds)
{
    auto d = Open();
    d->grdFileList_Click(2, FileChooserGrid::NameColumn);
    EXPECT_EQ(Table(*d)->item(1, 4)->text(), "√");
    EXPECT_TRUE(Ok(*d)->isEnabled());
    EXPECT_EQ(d->statusText(), "您选取了" + PathBox(*d)->text() + "\\A53000-200302.TXT文件");

    Ok(*d)->click();
    ASSERT_EQ(loads.size(), 1u);
    EXPECT_EQ(loads[0].folder, PathBox(*d)->text() + u'\\');
    EXPECT_EQ(loads[0].name, "A53000-200302.TXT");
    EXPECT_EQ(d->result(), QDialog::Rejected);   // a failed load keeps the chooser with its choice
    EXPECT_TRUE(Ok(*d)->isEnabled());

    loaderCloses = true;
    d->grdFileList_DblClick(3, FileChooserGrid::NameColumn);
    ASSERT_EQ(loads.size(), 2u);
    EXPECT_EQ(loads[1].name, "A54511-200303.TXT");
    EXPECT_EQ(d->result(), QDialog::Accepted);
}

TEST_F(LoadFileDialog, AFolderChangeDisablesOkUntilANewChoice)
{
    auto d = Open();
    d->grdFileList_Click(1, FileChooserGrid::NameColumn);
    ASSERT_TRUE(Ok(*d)->isEnabled());
    QTemporaryDir other;
    Touch(other.path(), "A59999-200303.TXT");
    PathBox(*d)->setText(other.path());
    EXPECT_FALSE(Ok(*d)->isEnabled());
    d->cmdOk_Click();
    EXPECT_TRUE(loads.empty());

    d->grdFileList_DblClick(5, FileChooserGrid::NameColumn);   // an empty row
    EXPECT_TRUE(loads.empty());
    d->grdFileList_DblClick(1, FileChooserGrid::NameColumn);
    ASSERT_EQ(loads.size(), 1u);
    EXPECT_EQ(loads[0].folder, other.path() + u'\\');
    EXPECT_EQ(loads[0].name, "A59999-200303.TXT");
}

TEST_F(LoadFileDialog, MouseFollowHighlightsOneFileName)
{
    auto d = Open();
    d->grdFileList_MouseMove(2, FileChooserGrid::DateColumn);
    const QColor blue(0, 0, 255);
    EXPECT_EQ(Table(*d)->item(1, 1)->foreground().color(), blue);
    d->grdFileList_MouseMove(3, FileChooserGrid::NameColumn);
    EXPECT_NE(Table(*d)->item(1, 1)->foreground().color(), blue);
    EXPECT_EQ(Table(*d)->item(2, 1)->foreground().color(), blue);
}

TEST_F(LoadFileDialog, HeadingClickSortsTheShownRows)
{
    auto d = Open();
    d->grdFileList_HeadingClick(FileChooserGrid::NameColumn);
    d->grdFileList_HeadingClick(FileChooserGrid::NameColumn);
    EXPECT_EQ(Table(*d)->item(0, 1)->text(), "A54511-200303.TXT");
    EXPECT_EQ(Table(*d)->item(0, 0)->text(), "3");
}

TEST_F(LoadFileDialog, AFailingSettingsStoreIsReportedOnceAndTheListStillFills)
{
    c->objects().setFailing(ProgId::Settings, true);
    auto d = Open();
    EXPECT_EQ(d->statusText(), "当前目录下共3个A文件");
    PathBox(*d)->setText(PathBox(*d)->text() + "/");
    ASSERT_EQ(messages->shown.size(), 1u);
    EXPECT_EQ(messages->shown[0].style, MsgStyle::Critical);
}

TEST_F(LoadFileDialog, EnterInThePathBoxMovesOnWithoutClosing)
{
    auto d = Open();
    d->show();
    QApplication::setActiveWindow(d.get());
    PathBox(*d)->setFocus();
    // Activation and focus arrive through the event queue; a busy machine may take a while.
    const auto settle = [](const std::function<bool()>& done) {
        QElapsedTimer waited;
        waited.start();
        do
            QApplication::processEvents();
        while (!done() && waited.elapsed() < 5000);
    };
    settle([&] { return QApplication::focusWidget() == PathBox(*d); });
    ASSERT_EQ(QApplication::focusWidget(), PathBox(*d));
    const QString before = PathBox(*d)->text();
    QKeyEvent enter(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier, QStringLiteral("\r"));
    QApplication::sendEvent(PathBox(*d), &enter);
    settle([&] { return QApplication::focusWidget() != PathBox(*d); });
    EXPECT_TRUE(d->isVisible());
    EXPECT_EQ(PathBox(*d)->text(), before);
    EXPECT_NE(QApplication::focusWidget(), PathBox(*d));
}

TEST_F(LoadFileDialog, CancelClosesWithoutLoading)
{
    auto d = Open();
    d->grdFileList_Click(1, FileChooserGrid::NameColumn);
    d->findChild<QPushButton*>("cmdCancel")->click();
    EXPECT_EQ(d->result(), QDialog::Rejected);
    EXPECT_TRUE(loads.empty());
}

TEST_F(LoadFileDialog, AMissingStartFolderListsNothingAndStaysPut)
{
    c->state.DataPath = data.path() + "/gone\\";
    auto d = Open();
    EXPECT_EQ(PathBox(*d)->text(), data.path() + "/gone\\");
    EXPECT_EQ(d->statusText(), "当前目录下没有A文件");
    d->show();
    QApplication::setActiveWindow(d.get());
    d->findChild<QWidget*>("treePath")->setFocus(Qt::TabFocusReason);
    QApplication::processEvents();
    EXPECT_EQ(PathBox(*d)->text(), data.path() + "/gone\\");
    EXPECT_EQ(writes.size(), 1u);
}

TEST_F(LoadFileDialog, EveryColumnShowsWithoutScrollingSideways)
{
    auto d = Open();
    d->show();
    QApplication::processEvents();
    QTableWidget* table = Table(*d);
    // The choice mark in the last column must be visible as soon as a row is chosen.
    EXPECT_EQ(table->horizontalScrollBar()->maximum(), 0);
    const int lastRight = table->columnViewportPosition(4) + table->columnWidth(4);
    EXPECT_LE(lastRight, table->viewport()->width());
    d->close();
}

TEST_F(LoadFileDialog, TheFolderTreeShowsTheListedFolder)
{
    auto d = Open();
    d->show();
    auto* tree = d->findChild<QTreeView*>("treePath");
    ASSERT_NE(tree, nullptr);
    ASSERT_TRUE(tree->currentIndex().isValid());
    auto* folders = qobject_cast<QFileSystemModel*>(tree->model());
    ASSERT_NE(folders, nullptr);
    // The folders are read in the background, each read moving the rows below it: judge
    // the view only once the reading has settled.
    QElapsedTimer sinceLastRead, total;
    sinceLastRead.start();
    total.start();
    QObject::connect(folders, &QFileSystemModel::directoryLoaded, d.get(), [&] { sinceLastRead.restart(); });
    while (sinceLastRead.elapsed() < 500 && total.elapsed() < 8000)
        QApplication::processEvents(QEventLoop::AllEvents, 20);
    EXPECT_TRUE(tree->viewport()->rect().contains(tree->visualRect(tree->currentIndex())));
    d->close();
}
