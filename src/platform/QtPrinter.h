#pragma once
// A printer over QPrinter: a CUPS queue, or a PDF writer that puts each print job in a
// file of its own ("report.pdf" -> "report-1.pdf", "report-2.pdf", ...).

#include "platform/AtomicOutputFile.h"
#include "platform/PaperForms.h"
#include "platform/Printer.h"
#include "platform/ReopeningSurface.h"

#include <QPrinter>
#include <QStringList>
#include <memory>

class QPrinterInfo;

namespace tabulon {

class QtPrinter : public Printer {
public:
    explicit QtPrinter(const QPrinterInfo& info);
    QtPrinter(const QString& deviceName, const QString& pdfPath);
    ~QtPrinter() override;

    QString DeviceName() const override { return name_; }
    QString Port() const override { return port_; }
    std::int16_t Orientation() const override;
    void SetOrientation(std::int16_t orientation) override;
    std::int16_t PaperSize() const override;
    void SetPaperSize(std::int16_t code) override;
    double Width() const override;
    double Height() const override;
    void SetWidth(double twips) override;
    void SetHeight(double twips) override;
    Surface& surface() override { return surface_; }

    // Makes the form the paper of the next job; false when the printer does not take it.
    bool SelectPaperForm(const PaperForm& form);

    // The PDF files of the jobs written whole so far, in order (empty for a CUPS queue).
    const QStringList& jobFiles() const { return jobFiles_; }
    QStringList TakeOutputFailures() override;
    QPrinter& device() { return printer_; }

private:
    // Prepares the device for a new job (output file, page settings) and paints on it.
    std::unique_ptr<Surface> startJob();
    // Runs after the job's painter has ended: publishes a whole job file, or notes the loss.
    void finishJob();
    // The job cannot be output: noted, and its drawing goes nowhere.
    void loseJob(QString reason);   // by value: it may be the failed job's own text
    QSizeF paperTwips() const;
    void setOrientedSize(double widthTwips, double heightTwips);

    QPrinter printer_;
    QString name_;
    QString port_;
    QString pdfPath_;         // empty: a CUPS queue
    int jobsStarted_ = 0;     // job n is written to PdfJobFileName(pdfPath_, n)
    std::unique_ptr<AtomicOutputFile> pdfJob_;   // the job file being written
    bool jobLost_ = false;    // the current job draws nowhere
    QStringList jobFiles_;
    QStringList outputFailures_;
    // One painter per print job, opened on the first drawing call after EndDoc; EndDoc
    // sends the job. The font chosen last is kept from job to job, as a printer keeps it.
    ReopeningSurface surface_;
};

// PDF file name of job n: "dir/report.pdf" -> "dir/report-n.pdf".
QString PdfJobFileName(const QString& pdfPath, int job);

}  // namespace tabulon
