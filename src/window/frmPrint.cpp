#include "window/frmPrint.h"

#include "platform/MessageBox.h"
#include "platform/Printer.h"
#include "platform/RunInterruption.h"
#include "report/Component.h"
#include "window/PrintPageChoice.h"
#include "window/frmReportOutPut.h"
#include "ui_frmPrint.h"

#include <QCloseEvent>
#include <QIcon>
#include <QStyle>

namespace tabulon {

namespace {

// Rows of the dialog's list box, as the print loop sees them.
class ListWidgetPageList : public PageList {
public:
    explicit ListWidgetPageList(QListWidget& list) : list_(list) {}
    int rowCount() const override { return list_.count(); }
    bool isSelected(int row) const override
    {
        const QListWidgetItem* item = list_.item(row);
        return item && item->isSelected();
    }
    void deselect(int row) override
    {
        if (QListWidgetItem* item = list_.item(row))
            item->setSelected(false);
    }

private:
    QListWidget& list_;
};

}  // namespace

frmPrint::frmPrint(Component& component, QWidget* parent)
    : QDialog(parent), c_(component), ui_(std::make_unique<Ui::frmPrint>()), output_(component.canvas)
{
    ui_->setupUi(this);
    connect(ui_->cboPrintName, &QComboBox::activated, this, &frmPrint::cboPrintName_Click);
    connect(ui_->cmdProperty, &QPushButton::clicked, this, &frmPrint::cmdProperty_Click);
    connect(ui_->cmdOk, &QPushButton::clicked, this, &frmPrint::cmdOk_Click);
    connect(ui_->cmdReturn, &QPushButton::clicked, this, &frmPrint::cmdReturn_Click);
    for (int i = 0; i < 3; ++i)
        connect(&Optdynd(i), &QRadioButton::clicked, this, [this, i] { Optdynd_Click(i); });
}

frmPrint::~frmPrint() = default;

QComboBox& frmPrint::cboPrintName()
{
    return *ui_->cboPrintName;
}

QLabel& frmPrint::Label11()
{
    return *ui_->Label11;
}

QLabel& frmPrint::Label12()
{
    return *ui_->Label12;
}

QLabel& frmPrint::Label13()
{
    return *ui_->Label13;
}

QListWidget& frmPrint::lstPrintItem()
{
    return *ui_->lstPrintItem;
}

QGroupBox& frmPrint::Frayjb()
{
    return *ui_->Frayjb;
}

QCheckBox& frmPrint::Ckyjbdy(int index)
{
    QCheckBox* boxes[] = {ui_->Ckyjbdy0, ui_->Ckyjbdy1, ui_->Ckyjbdy2};
    return *boxes[index];
}

QRadioButton& frmPrint::Optdynd(int index)
{
    QRadioButton* options[] = {ui_->Optdynd0, ui_->Optdynd1, ui_->Optdynd2};
    return *options[index];
}

bool frmPrint::Form_Load()
{
    PrinterCollection& printers = c_.printers();
    // Each printer goes to the top, so the list ends up in reverse order.
    ui_->cboPrintName->clear();
    const QIcon icon = QIcon::fromTheme(QStringLiteral("printer"), style()->standardIcon(QStyle::SP_ComputerIcon));
    for (int n = 1; n <= printers.Count(); ++n)
        ui_->cboPrintName->insertItem(0, icon, printers.DeviceName(n - 1), QStringLiteral("printer%1").arg(n));
    lnPrinterNum = static_cast<std::int16_t>(ui_->cboPrintName->count());

    Printer* printer = printers.CurrentPrinter();
    if (lnPrinterNum == 0 || !printer) {
        c_.messages().show(QStringLiteral("您的计算机没有安装打印机,不能进行打印操作!"), QStringLiteral("警告"),
                           MsgStyle::OkOnly);
        Form_Unload();
        return false;
    }

    ui_->cboPrintName->setCurrentIndex(ui_->cboPrintName->findText(printer->DeviceName(), Qt::MatchExactly));
    ApplyDefaultOrientation(c_);
    ui_->Label11->setText(ui_->cboPrintName->currentText());
    ui_->Label12->setText(printer->Port());

    const bool brief = HasBriefTables(c_.state.ReportKind);
    ui_->Frayjb->setEnabled(brief);
    for (int i = 0; i < 3; ++i)
        Ckyjbdy(i).setEnabled(brief);

    ui_->lstPrintItem->clear();
    ui_->lstPrintItem->addItems(PrintPageTitles(c_));
    return true;
}

void frmPrint::cboPrintName_Click()
{
    PrinterCollection& printers = c_.printers();
    ui_->Label11->setText(ui_->cboPrintName->currentText());
    printers.SetCurrentPrinter(ui_->cboPrintName->currentText());
    if (Printer* printer = printers.CurrentPrinter())
        ui_->Label12->setText(printer->Port());
}

void frmPrint::cmdProperty_Click()
{
    PrinterCollection& printers = c_.printers();
    const std::int16_t orientation = printers.OrientationDialog(ui_->cboPrintName->currentText(), this);
    Printer* printer = printers.CurrentPrinter();
    if (!printer || (orientation != PrinterOrientation::Portrait && orientation != PrinterOrientation::Landscape))
        return;
    printer->SetOrientation(orientation);
    c_.state.Orientation = printer->Orientation();
    showPrinterNote();
}

void frmPrint::showPrinterNote()
{
    ui_->Label13->setText(PrinterNote(PaperKindText(c_.canvas.PaperKind), c_.state.Orientation));
}

void frmPrint::Optdynd_Click(int index)
{
    QListWidget& list = *ui_->lstPrintItem;
    list.clearSelection();
    QStringList titles;
    for (int row = 0; row < list.count(); ++row)
        titles << list.item(row)->text();
    const PageChoiceRows choice = ChoosePages(index, titles);
    for (int row : choice.rows)
        list.item(row)->setSelected(true);
    if (choice.currentRow >= 0)
        list.setCurrentRow(choice.currentRow, QItemSelectionModel::NoUpdate);
}

void frmPrint::cmdOk_Click()
{
    ListWidgetPageList rows(*ui_->lstPrintItem);
    BriefTableBoxes boxes{};
    for (int i = 0; i < 3; ++i)
        boxes[static_cast<size_t>(i)] = Ckyjbdy(i).isChecked();
    const PrintLosses losses = PrintChosenPages(c_, rows, boxes);
    EndProcessIfInterrupted(losses.interruptedBy, QStringLiteral("Printed %1 page(s)").arg(losses.printed));
    for (int i = 0; i < 3; ++i)
        Ckyjbdy(i).setChecked(boxes[static_cast<size_t>(i)]);
}

void frmPrint::cmdReturn_Click()
{
    close();
}

void frmPrint::closeEvent(QCloseEvent* event)
{
    Form_Unload();
    QDialog::closeEvent(event);
}

void frmPrint::done(int result)
{
    Form_Unload();
    QDialog::done(result);
}

void frmPrint::Form_Unload()
{
    if (unloaded_)
        return;
    unloaded_ = true;
    output_.restoreTo(AfterPrinting);
    output_.restore();
}

void ShowPrintDialog(Component& c)
{
    try {
        frmPrint dialog(c);
        const QString caption = PrintDialogCaption(c);
        if (!caption.isEmpty())
            dialog.setWindowTitle(caption);
        if (!dialog.Form_Load())
            return;
        dialog.showPrinterNote();
        dialog.exec();
    } catch (const ReportError&) {
        // The print command ends quietly on any error.
    }
}

}  // namespace tabulon
