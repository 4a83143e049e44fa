#pragma once
// The printers of this machine as Qt sees them through CUPS, or a single PDF file printer
// for automation and machines without a printer. The spooler's forms are the printer's
// paper sizes plus the user forms added in this session.

#include "platform/PaperForms.h"
#include "platform/Printer.h"
#include "platform/QtPrinter.h"

#include <map>
#include <memory>
#include <vector>

namespace tabulon {

class QtPrinterCollection;

class QtPaperFormSpooler : public PaperFormSpooler {
public:
    explicit QtPaperFormSpooler(QtPrinterCollection& printers) : printers_(printers) {}
    std::unique_ptr<PrinterFormHandle> OpenPrinter(const QString& deviceName) override;

private:
    friend class QtPrinterFormHandle;
    QtPrinterCollection& printers_;
    std::map<QString, std::vector<PaperForm>> userForms_;   // by device name
};

class QtPrinterCollection : public PrinterCollection {
public:
    // The installed CUPS queues; the default queue is current.
    QtPrinterCollection();
    // One printer that writes each job to a PDF file of its own (see PdfJobFileName).
    static std::unique_ptr<QtPrinterCollection> pdfFile(const QString& pdfPath);

    int Count() const override { return static_cast<int>(entries_.size()); }
    QString DeviceName(int index) const override;
    QString Port(int index) const override;
    Printer* CurrentPrinter() override { return current_.get(); }
    bool SetCurrentPrinter(const QString& deviceName) override;
    std::int16_t OrientationDialog(const QString& deviceName, QWidget* owner) override;
    PaperFormSpooler& Spooler() override { return spooler_; }

    QtPrinter* current() { return current_.get(); }
    // The paper sizes the printer offers, as forms; empty for an unknown name.
    std::vector<PaperForm> PrinterForms(const QString& deviceName) const;
    bool HasPrinter(const QString& deviceName) const;

private:
    struct PdfTag {};
    explicit QtPrinterCollection(PdfTag) {}

    struct Entry {
        QString name;
        QString port;
    };
    std::unique_ptr<QtPrinter> makePrinter(const Entry& entry) const;

    std::vector<Entry> entries_;
    QString pdfPath_;   // set for the PDF file printer
    std::unique_ptr<QtPrinter> current_;
    QtPaperFormSpooler spooler_{*this};
};

}  // namespace tabulon
