#include "window/frmLoadFile.h"

#include "ui_frmLoadFile.h"

#include "outside/SettingsWriter.h"
#include "platform/Paths.h"
#include "toolkit/ErrorReporter.h"
#include "toolkit/TextHelpers.h"
#include "report/Component.h"
#include "window/DataLoader.h"
#include "window/EnterToTab.h"

#include <QFileInfo>
#include <QFileSystemModel>
#include <QHeaderView>
#include <QScrollBar>
#include <QKeyEvent>
#include <QLabel>
#include <QTableWidgetItem>

#include <memory>

namespace tabulon {

namespace {

constexpr int TwipsPerPixel = 15;
const QColor HighlightColour{0, 0, 255};   // the system's &HFF0000 (blue)

// The report named by kind ("地面气象记录月报表文件"); empty for any other kind.
QString ReportFileCaption(int reportKind)
{
    switch (reportKind) {
    case MonthlySurfaceReport: return QStringLiteral("地面气象记录月报表文件");
    case MonthlyRadiationReport: return QStringLiteral("气象辐射记录月报表文件");
    case YearlySurfaceReport: return QStringLiteral("地面气象记录年报表文件");
    default: return QString();
    }
}

QTableWidgetItem* CellItem(QTableWidget* table, int row, int col)
{
    QTableWidgetItem* item = table->item(row, col);
    if (!item) {
        item = new QTableWidgetItem;
        item->setTextAlignment(Qt::AlignCenter);
        table->setItem(row, col, item);
    }
    return item;
}

}  // namespace

frmLoadFile::frmLoadFile(Component& c, QWidget* parent, FileLoader loader)
    : QDialog(parent), ui(std::make_unique<Ui::frmLoadFile>()), c_(c),
      loader_(loader ? std::move(loader) : FileLoader(LoadReportFile)),
      grid_(c.state.ReportKind)
{
    ui->setupUi(this);
    statusPanel_ = new QLabel(this);
    ui->stbChoiceFile->addWidget(statusPanel_, 1);

    folders_ = new QFileSystemModel(this);
    folders_->setFilter(QDir::AllDirs | QDir::NoDotAndDotDot | QDir::Drives);
    folders_->setRootPath(QDir::rootPath());
    ui->treePath->setModel(folders_);
    for (int col = 1; col < folders_->columnCount(); ++col)
        ui->treePath->hideColumn(col);
    // The model reads folders in the background, and every folder it fills above the chosen
    // one moves it down: keep the chosen folder in view until the user scrolls or clicks
    // in the tree.
    auto following = std::make_shared<bool>(true);
    const auto keepChosenInView = [this, following] {
        const QModelIndex current = ui->treePath->currentIndex();
        if (*following && current.isValid())
            ui->treePath->scrollTo(current);
    };
    connect(folders_, &QFileSystemModel::directoryLoaded, this, keepChosenInView);
    connect(folders_, &QAbstractItemModel::rowsInserted, this, keepChosenInView);
    connect(folders_, &QAbstractItemModel::layoutChanged, this, keepChosenInView);
    connect(ui->treePath->verticalScrollBar(), &QScrollBar::actionTriggered, this, [following] { *following = false; });
    connect(ui->treePath, &QTreeView::pressed, this, [following] { *following = false; });
    connect(ui->treePath->selectionModel(), &QItemSelectionModel::currentChanged, this,
            [this](const QModelIndex& current) { treePath_PathChanged(folders_->filePath(current)); });

    connect(ui->txtPath, &QLineEdit::textChanged, this, &frmLoadFile::txtPath_Change);
    ui->txtPath->installEventFilter(this);

    QTableWidget* table = ui->grdFileList;
    table->setMouseTracking(true);
    connect(table, &QTableWidget::cellEntered, this,
            [this](int row, int col) { grdFileList_MouseMove(row + 1, col); });
    connect(table, &QTableWidget::cellClicked, this,
            [this](int row, int col) { grdFileList_Click(row + 1, col); });
    connect(table, &QTableWidget::cellDoubleClicked, this,
            [this](int row, int col) { grdFileList_DblClick(row + 1, col); });
    connect(table->horizontalHeader(), &QHeaderView::sectionClicked, this,
            &frmLoadFile::grdFileList_HeadingClick);

    connect(ui->cmdOk, &QPushButton::clicked, this, &frmLoadFile::cmdOk_Click);
    connect(ui->cmdCancel, &QPushButton::clicked, this, &frmLoadFile::cmdCancel_Click);

    Form_Load();
}

frmLoadFile::~frmLoadFile() = default;

QString frmLoadFile::statusText() const
{
    return statusPanel_->text();
}

void frmLoadFile::Form_Load()
{
    setWindowTitle(QStringLiteral("选择") + ReportFileCaption(c_.state.ReportKind));
    SetUpGrid();

    QString start = c_.state.DataPath;
    if (start.isEmpty())
        start = c_.state.SystemPath + QStringLiteral("ReportFile");
    else if (!start.endsWith(u'\\'))
        start += u'\\';

    // The path box takes the folder as the tree reports it back; a folder the tree cannot
    // show is kept as given (its list is then empty).
    const QString native = QDir::cleanPath(NativePath(start));
    const QModelIndex folder = folders_->index(native);
    if (folder.isValid()) {
        ui->treePath->setCurrentIndex(folder);
        ui->treePath->scrollTo(folder);
    } else {
        // Show the nearest folder that exists without reporting it as chosen, so that
        // focusing the tree later does not jump the path box to some other folder.
        QString existing = native;
        while (!QFileInfo(existing).isDir()) {
            const QString parent = QFileInfo(existing).path();
            if (parent == existing)
                break;
            existing = parent;
        }
        const QSignalBlocker quiet(ui->treePath->selectionModel());
        ui->treePath->setCurrentIndex(folders_->index(existing));
    }
    if (ui->txtPath->text().isEmpty())
        ui->txtPath->setText(folder.isValid() ? folders_->filePath(folder) : start);
}

void frmLoadFile::SetUpGrid()
{
    QTableWidget* table = ui->grdFileList;
    table->setColumnCount(FileChooserGrid::ColumnCount);
    table->verticalHeader()->hide();
    QHeaderView* header = table->horizontalHeader();
    header->setSectionsClickable(true);
    header->setHighlightSections(false);
    header->setDefaultAlignment(Qt::AlignCenter);
    for (int col = 0; col < FileChooserGrid::ColumnCount; ++col) {
        auto* item = new QTableWidgetItem(grid_.heading(col));
        item->setTextAlignment(Qt::AlignCenter);
        table->setHorizontalHeaderItem(col, item);
        table->setColumnWidth(col, FileChooserGrid::ColumnWidths[static_cast<size_t>(col)] / TwipsPerPixel);
    }
    // Wide enough for every column beside the vertical scroll bar, so the "√" column is
    // never hidden behind a horizontal scroll.
    int columns = 0;
    for (int col = 0; col < FileChooserGrid::ColumnCount; ++col)
        columns += table->columnWidth(col);
    table->setMinimumWidth(columns + 2 * table->frameWidth() + table->verticalScrollBar()->sizeHint().width());
    ShowGrid();
}

void frmLoadFile::ShowGrid()
{
    QTableWidget* table = ui->grdFileList;
    table->setRowCount(grid_.rowCount() - 1);
    const QColor windowText = palette().color(QPalette::WindowText);
    for (int row = 1; row < grid_.rowCount(); ++row) {
        for (int col = 0; col < FileChooserGrid::ColumnCount; ++col)
            CellItem(table, row - 1, col)->setText(grid_.cell(row, col));
        CellItem(table, row - 1, FileChooserGrid::NameColumn)
            ->setForeground(row == grid_.highlightedRow() ? HighlightColour : windowText);
    }
    statusPanel_->setText(grid_.status());
    ui->cmdOk->setEnabled(grid_.okEnabled());
}

void frmLoadFile::treePath_PathChanged(const QString& path)
{
    ui->txtPath->setText(path);
}

void frmLoadFile::txtPath_Change(const QString& text)
{
    RememberFolder(text);
    grid_.RefreshFileList(text);
    ShowGrid();
}

void frmLoadFile::RememberFolder(const QString& text)
{
    try {
        std::unique_ptr<SettingsWriter> settings = c_.objects().Create<SettingsWriter>(ProgId::Settings);
        settings->WriteINI(QStringLiteral("Open_File"), grid_.letter() + QStringLiteral("FileReportPath"),
                           text, c_.state.SystemPath + QStringLiteral("SysConfig\\UserOpt.ini"));
    } catch (const ReportError& e) {
        // The folder is remembered on every keystroke: say once that it cannot be, then list anyway.
        if (!settingsFailureReported_) {
            settingsFailureReported_ = true;
            ShowError(c_, QStringLiteral("保存文件路径"), e);
        }
    }
}

void frmLoadFile::grdFileList_MouseMove(int row, int col)
{
    grid_.MouseMove(row, col);
    ShowGrid();
}

void frmLoadFile::grdFileList_Click(int row, int col)
{
    grid_.ClickCell(row, col);
    ShowGrid();
}

void frmLoadFile::grdFileList_HeadingClick(int col)
{
    grid_.ClickHeading(col);
    ShowGrid();
}

void frmLoadFile::grdFileList_DblClick(int row, int col)
{
    const bool load = grid_.DoubleClickCell(row, col);
    ShowGrid();
    if (load)
        cmdOk_Click();
}

void frmLoadFile::cmdOk_Click()
{
    if (!grid_.okEnabled())
        return;
    bool close = false;
    try {
        close = loader_(c_, grid_.folder(), grid_.chosenName());
    } catch (const ReportError& e) {
        ShowError(c_, QStringLiteral("读报表数据文件"), e);
    }
    if (close)
        accept();
}

void frmLoadFile::cmdCancel_Click()
{
    reject();
}

bool frmLoadFile::eventFilter(QObject* watched, QEvent* event)
{
    // txtPath_KeyPress: Enter moves the focus on instead of being typed or closing the dialog.
    if (watched == ui->txtPath && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            std::int16_t KeyAscii = 13;
            EnterToTab(KeyAscii);
            return KeyAscii == 0;
        }
    }
    return QDialog::eventFilter(watched, event);
}

void ShowLoadFileDialog(Component& c, QWidget* parent)
{
    const QString caption = ReportFileCaption(c.state.ReportKind);
    if (caption.isEmpty())
        return;
    frmLoadFile dialog(c, parent);
    dialog.setWindowTitle(caption);
    dialog.exec();
}

}  // namespace tabulon
