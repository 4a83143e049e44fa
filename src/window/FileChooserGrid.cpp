#include "window/FileChooserGrid.h"

#include "window/DataFileNames.h"
#include "report/ReportState.h"

#include <algorithm>

namespace tabulon {

namespace {
const QString EmptyCell;
const QString ChosenMark = QStringLiteral("√");
}  // namespace

FileChooserGrid::FileChooserGrid(int reportKind)
    : reportKind_(reportKind), letter_(FileLetterFor(reportKind)),
      rows_(MinimumDataRows + 1)
{
    rows_[0] = Row{QStringLiteral("序号"), QStringLiteral("文件名"), QStringLiteral("区站号"),
                   reportKind == YearlySurfaceReport ? QStringLiteral("年份") : QStringLiteral("年月"),
                   QStringLiteral("是否选取")};
}

const QString& FileChooserGrid::cell(int row, int col) const
{
    if (row < 0 || row >= rowCount() || col < 0 || col >= ColumnCount)
        return EmptyCell;
    return rows_[static_cast<size_t>(row)][static_cast<size_t>(col)];
}

void FileChooserGrid::RefreshFileList(const QString& folderText)
{
    folder_ = folderText.endsWith(u'\\') ? folderText : folderText + u'\\';
    const QStringList names = ListDataFiles(folder_, letter_);
    const int n = static_cast<int>(names.size());

    rows_.resize(static_cast<size_t>(std::max(n, MinimumDataRows) + 1));
    for (size_t r = 1; r < rows_.size(); ++r)
        rows_[r] = Row{};
    chosenName_.clear();
    okEnabled_ = false;
    highlightedRow_ = 0;

    if (n == 0) {
        status_ = QStringLiteral("当前目录下没有") + letter_ + QStringLiteral("文件");
        return;
    }
    status_ = QStringLiteral("当前目录下共") + QString::number(n) + QStringLiteral("个") + letter_
        + QStringLiteral("文件");
    for (int i = 1; i <= n; ++i) {
        const QString& name = names[i - 1];
        QString date = name.mid(7, 4) + QStringLiteral("年");
        if (reportKind_ != YearlySurfaceReport)
            date += name.mid(11, 2) + QStringLiteral("月");
        rows_[static_cast<size_t>(i)] = Row{QString::number(i), name, name.mid(1, 5), date, QString()};
    }
    setCurrent(1, NameColumn);
}

void FileChooserGrid::setCurrent(int row, int col)
{
    currentRow_ = row;
    currentCol_ = col;
}

void FileChooserGrid::MouseMove(int row, int col)
{
    if (isDataRow(row) && row != currentRow_) {
        currentRow_ = row;
        highlightedRow_ = row;
    }
    currentCol_ = col;
}

void FileChooserGrid::ClickCell(int row, int col)
{
    MouseMove(row, col);
    SelectFileRow();
}

bool FileChooserGrid::DoubleClickCell(int row, int col)
{
    MouseMove(row, col);
    if (currentCol_ != NameColumn || cell(currentRow_, NameColumn).isEmpty())
        return false;
    SelectFileRow();
    return okEnabled_;
}

void FileChooserGrid::clearMarks(int exceptRow)
{
    for (int r = 1; r < rowCount(); ++r) {
        if (r != exceptRow)
            rows_[static_cast<size_t>(r)][MarkColumn].clear();
    }
}

void FileChooserGrid::choose(int row)
{
    rows_[static_cast<size_t>(row)][MarkColumn] = ChosenMark;
    chosenName_ = rows_[static_cast<size_t>(row)][NameColumn];
    status_ = QStringLiteral("您选取了") + folder_ + chosenName_ + QStringLiteral("文件");
    okEnabled_ = true;
}

void FileChooserGrid::SelectFileRow()
{
    okEnabled_ = false;
    const int row = currentRow_;
    if (!isDataRow(row) || cell(row, NameColumn).isEmpty() || cell(row, NumberColumn).isEmpty())
        return;
    if (currentCol_ == NameColumn) {
        clearMarks(0);
        choose(row);
    } else if (currentCol_ == MarkColumn) {
        clearMarks(row);
        if (cell(row, MarkColumn) == ChosenMark)
            rows_[static_cast<size_t>(row)][MarkColumn].clear();   // unchosen: OK stays off
        else
            choose(row);
    }
}

void FileChooserGrid::ClickHeading(int col)
{
    if (col != NameColumn && col != StationColumn && col != DateColumn)
        return;
    int endRow = rowCount() - 1;
    for (int r = 1; r < rowCount(); ++r) {
        if (cell(r, NameColumn).isEmpty()) {
            endRow = r - 1;
            break;
        }
    }
    // Nothing to order with fewer than two files (and never the heading row).
    if (endRow <= 1)
        return;
    const bool descending = sortDescending_;
    std::stable_sort(rows_.begin() + 1, rows_.begin() + endRow + 1,
                     [col, descending](const Row& a, const Row& b) {
                         const int order = a[static_cast<size_t>(col)].compare(b[static_cast<size_t>(col)]);
                         return descending ? order > 0 : order < 0;
                     });
    sortDescending_ = !sortDescending_;
}

}  // namespace tabulon
