#pragma once
// What the file chooser's list shows and does, without the widgets: the rows of the data
// files of one folder, the chosen file with its "√" mark, the status text, the state of OK,
// the row that follows the mouse, and sorting by a column heading. Row 0 holds the headings;
// data rows are 1..rowCount() - 1; columns are 0 number, 1 file name, 2 station, 3 date, 4 mark.

#include <QString>
#include <array>
#include <vector>

namespace tabulon {

class FileChooserGrid {
public:
    static constexpr int ColumnCount = 5;
    static constexpr int NumberColumn = 0;
    static constexpr int NameColumn = 1;
    static constexpr int StationColumn = 2;
    static constexpr int DateColumn = 3;
    static constexpr int MarkColumn = 4;
    static constexpr int MinimumDataRows = 20;
    // Column widths in twips.
    static constexpr std::array<int, ColumnCount> ColumnWidths{660, 2310, 870, 1230, 900};

    explicit FileChooserGrid(int reportKind);

    const QString& letter() const { return letter_; }
    int rowCount() const { return static_cast<int>(rows_.size()); }
    const QString& cell(int row, int col) const;
    QString heading(int col) const { return cell(0, col); }

    // The listed folder (ends with "\"), the chosen file name (upper case, no folder).
    const QString& folder() const { return folder_; }
    const QString& chosenName() const { return chosenName_; }
    const QString& status() const { return status_; }
    bool okEnabled() const { return okEnabled_; }
    int currentRow() const { return currentRow_; }
    int currentCol() const { return currentCol_; }
    // The data row whose file name is shown highlighted (it follows the mouse); 0 for none.
    int highlightedRow() const { return highlightedRow_; }

    // Lists the data files of the folder typed in the path box. A new folder starts with no
    // choice: the old name belongs to another folder, so OK is disabled until a file is chosen.
    void RefreshFileList(const QString& folderText);

    // The mouse is over a cell: the current cell follows it; over a data row, that row's
    // file name is highlighted.
    void MouseMove(int row, int col);
    // A click on a data cell: chooses, toggles or (on the other columns) disables OK.
    void ClickCell(int row, int col);
    // A click on a column heading: sorts the listed files on columns 1, 2 and 3, ascending and
    // descending in turn; the number and the mark move with their rows.
    void ClickHeading(int col);
    // A double click: on a listed file name chooses it; true when the file should be loaded.
    bool DoubleClickCell(int row, int col);
    // Marks the current row as chosen, by the current column.
    void SelectFileRow();

private:
    using Row = std::array<QString, ColumnCount>;

    bool isDataRow(int row) const { return row >= 1 && row < rowCount(); }
    void clearMarks(int exceptRow);
    void choose(int row);
    void setCurrent(int row, int col);

    int reportKind_;
    QString letter_;
    std::vector<Row> rows_;
    QString folder_;
    QString chosenName_;
    QString status_;
    bool okEnabled_ = false;
    bool sortDescending_ = false;
    int currentRow_ = 0;
    int currentCol_ = 0;
    int highlightedRow_ = 0;
};

}  // namespace tabulon
