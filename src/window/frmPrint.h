#pragma once
// The print dialog: printer choice and its details, the driver's settings, the page list
// with odd, even and all pages, the brief-table boxes, OK printing every chosen page.

#include "window/PrintRun.h"

#include <QDialog>
#include <array>
#include <cstdint>
#include <memory>

class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QListWidget;
class QRadioButton;

namespace Ui {
class frmPrint;
}

namespace tabulon {

class Component;

class frmPrint : public QDialog {
    Q_OBJECT
public:
    explicit frmPrint(Component& component, QWidget* parent = nullptr);
    ~frmPrint() override;

    // Fills the dialog. With no printer installed it tells the user, closes itself and
    // returns false.
    bool Form_Load();

    std::int16_t lnPrinterNum = 0;   // printers listed

    QComboBox& cboPrintName();
    QLabel& Label11();   // the printer's name
    QLabel& Label12();   // its port
    QLabel& Label13();   // paper and orientation
    QListWidget& lstPrintItem();
    QGroupBox& Frayjb();
    QCheckBox& Ckyjbdy(int index);
    QRadioButton& Optdynd(int index);

    // The note of paper and orientation ("宽行纸:竖打").
    void showPrinterNote();

public Q_SLOTS:
    void cboPrintName_Click();
    void cmdProperty_Click();
    void Optdynd_Click(int index);
    void cmdOk_Click();
    void cmdReturn_Click();

protected:
    void closeEvent(QCloseEvent* event) override;
    void done(int result) override;

private:
    void Form_Unload();

    Component& c_;
    std::unique_ptr<Ui::frmPrint> ui_;
    bool unloaded_ = false;
    ScopedOutput output_;   // AfterPrinting once the dialog closes; as it was if it never opened
};

// The report window's print command: sets the caption and the printer note, then shows the
// dialog modally until it is closed. Shows nothing but the warning when no printer is
// installed. The caller shows its "Print" button pressed meanwhile.
void ShowPrintDialog(Component& c);

}  // namespace tabulon
