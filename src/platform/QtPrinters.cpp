#include "platform/QtPrinters.h"

#include <QPageSetupDialog>
#include <QPageSize>
#include <QPrinterInfo>
#include <cmath>

namespace tabulon {

namespace {

PaperForm FormOf(const QPageSize& size)
{
    const QSizeF mm = size.size(QPageSize::Millimeter);
    return {size.name(), {static_cast<std::int32_t>(std::lround(mm.width() * 1000)),
                          static_cast<std::int32_t>(std::lround(mm.height() * 1000))}};
}

}  // namespace

class QtPrinterFormHandle : public PrinterFormHandle {
public:
    QtPrinterFormHandle(QtPaperFormSpooler& spooler, QString deviceName)
        : spooler_(spooler), deviceName_(std::move(deviceName)) {}

    std::vector<PaperForm> EnumForms() override
    {
        std::vector<PaperForm> forms = spooler_.printers_.PrinterForms(deviceName_);
        const std::vector<PaperForm>& user = spooler_.userForms_[deviceName_];
        forms.insert(forms.end(), user.begin(), user.end());
        return forms;
    }

    bool AddForm(const PaperForm& form) override
    {
        if (form.name.isEmpty() || form.size.cx <= 0 || form.size.cy <= 0)
            return false;
        for (const PaperForm& f : EnumForms())
            if (f.name == form.name)
                return false;   // a name is taken once
        spooler_.userForms_[deviceName_].push_back(form);
        return true;
    }

    bool DeleteForm(const QString& name) override
    {
        std::vector<PaperForm>& user = spooler_.userForms_[deviceName_];
        for (auto it = user.begin(); it != user.end(); ++it) {
            if (it->name == name) {
                user.erase(it);
                return true;
            }
        }
        return false;
    }

    bool SelectForm(const QString& name) override
    {
        QtPrinter* printer = spooler_.printers_.current();
        if (!printer || printer->DeviceName() != deviceName_)
            return false;
        for (const PaperForm& f : EnumForms())
            if (f.name == name)
                return printer->SelectPaperForm(f);
        return false;
    }

private:
    QtPaperFormSpooler& spooler_;
    QString deviceName_;
};

std::unique_ptr<PrinterFormHandle> QtPaperFormSpooler::OpenPrinter(const QString& deviceName)
{
    if (!printers_.HasPrinter(deviceName))
        return nullptr;
    return std::make_unique<QtPrinterFormHandle>(*this, deviceName);
}

QtPrinterCollection::QtPrinterCollection()
{
    for (const QPrinterInfo& info : QPrinterInfo::availablePrinters())
        entries_.push_back({info.printerName(), info.location()});
    const QString defaultName = QPrinterInfo::defaultPrinterName();
    const Entry* first = nullptr;
    for (const Entry& e : entries_)
        if (e.name == defaultName)
            first = &e;
    if (!first && !entries_.empty())
        first = &entries_.front();
    if (first)
        current_ = makePrinter(*first);
}

std::unique_ptr<QtPrinterCollection> QtPrinterCollection::pdfFile(const QString& pdfPath)
{
    auto printers = std::unique_ptr<QtPrinterCollection>(new QtPrinterCollection(PdfTag{}));
    printers->pdfPath_ = pdfPath;
    printers->entries_.push_back({QStringLiteral("PDF"), pdfPath});
    printers->current_ = printers->makePrinter(printers->entries_.front());
    return printers;
}

QString QtPrinterCollection::DeviceName(int index) const
{
    return index >= 0 && index < Count() ? entries_[static_cast<size_t>(index)].name : QString();
}

QString QtPrinterCollection::Port(int index) const
{
    return index >= 0 && index < Count() ? entries_[static_cast<size_t>(index)].port : QString();
}

bool QtPrinterCollection::SetCurrentPrinter(const QString& deviceName)
{
    for (const Entry& e : entries_) {
        if (e.name == deviceName) {
            if (!current_ || current_->DeviceName() != deviceName)
                current_ = makePrinter(e);
            return true;
        }
    }
    return false;
}

std::int16_t QtPrinterCollection::OrientationDialog(const QString& deviceName, QWidget* owner)
{
    if (!HasPrinter(deviceName))
        return 0;
    // The dialog works on a copy: only the orientation chosen there is taken over.
    QPrinter scratch(QPrinter::HighResolution);
    if (pdfPath_.isEmpty())
        scratch.setPrinterName(deviceName);
    else
        scratch.setOutputFormat(QPrinter::PdfFormat);
    if (current_ && current_->DeviceName() == deviceName)
        scratch.setPageLayout(current_->device().pageLayout());
    QPageSetupDialog dialog(&scratch, owner);
    if (dialog.exec() != QDialog::Accepted)
        return 0;
    return scratch.pageLayout().orientation() == QPageLayout::Landscape ? PrinterOrientation::Landscape
                                                                       : PrinterOrientation::Portrait;
}

bool QtPrinterCollection::HasPrinter(const QString& deviceName) const
{
    for (const Entry& e : entries_)
        if (e.name == deviceName)
            return true;
    return false;
}

std::vector<PaperForm> QtPrinterCollection::PrinterForms(const QString& deviceName) const
{
    std::vector<PaperForm> forms;
    if (!HasPrinter(deviceName))
        return forms;
    if (!pdfPath_.isEmpty()) {
        // A PDF file takes every standard size.
        for (int id = 0; id <= QPageSize::LastPageSize; ++id)
            if (id != QPageSize::Custom)
                forms.push_back(FormOf(QPageSize(static_cast<QPageSize::PageSizeId>(id))));
        return forms;
    }
    for (const QPageSize& size : QPrinterInfo::printerInfo(deviceName).supportedPageSizes())
        forms.push_back(FormOf(size));
    return forms;
}

std::unique_ptr<QtPrinter> QtPrinterCollection::makePrinter(const Entry& entry) const
{
    if (!pdfPath_.isEmpty())
        return std::make_unique<QtPrinter>(entry.name, pdfPath_);
    return std::make_unique<QtPrinter>(QPrinterInfo::printerInfo(entry.name));
}

}  // namespace tabulon
