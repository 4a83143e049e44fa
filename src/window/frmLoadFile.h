#pragma once
// The file chooser: a folder tree, the folder path box, the list of the data files of the
// current report kind in that folder, and a status bar. OK (or a double click on a file
// name) hands the chosen file to the loader.

#include "window/FileChooserGrid.h"

#include <QDialog>
#include <functional>
#include <memory>

class QFileSystemModel;
class QLabel;
namespace Ui {
class frmLoadFile;
}

namespace tabulon {

class Component;

// Loads folder & file name; true when the chooser should close.
using FileLoader = std::function<bool(Component&, const QString& folder, const QString& fileName)>;

class frmLoadFile : public QDialog {
    Q_OBJECT
public:
    // Opens on DataPath (or SystemPath & "ReportFile") with the files of the current kind
    // listed. The loader defaults to LoadReportFile.
    explicit frmLoadFile(Component& c, QWidget* parent = nullptr, FileLoader loader = {});
    ~frmLoadFile() override;

    const FileChooserGrid& grid() const { return grid_; }
    QString statusText() const;

    // The system's handlers, as the widgets call them (tests call them too).
    void treePath_PathChanged(const QString& path);
    void txtPath_Change(const QString& text);
    void grdFileList_MouseMove(int row, int col);
    void grdFileList_Click(int row, int col);
    void grdFileList_HeadingClick(int col);
    void grdFileList_DblClick(int row, int col);
    void cmdOk_Click();
    void cmdCancel_Click();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void Form_Load();
    void SetUpGrid();
    void RememberFolder(const QString& text);
    void ShowGrid();

    std::unique_ptr<Ui::frmLoadFile> ui;
    Component& c_;
    FileLoader loader_;
    FileChooserGrid grid_;
    QFileSystemModel* folders_ = nullptr;
    QLabel* statusPanel_ = nullptr;
    bool settingsFailureReported_ = false;
};

// The report window's load command: opens the chooser for the current report kind with the
// caption of that kind, modally; another kind does nothing.
void ShowLoadFileDialog(Component& c, QWidget* parent = nullptr);

}  // namespace tabulon
