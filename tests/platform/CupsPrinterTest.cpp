#include "platform/QtPrinters.h"
#include "platform/Surface.h"

#include <QDir>
#include <QPrinterInfo>
#include <QThread>
#include <gtest/gtest.h>
#include <pwd.h>
#include <unistd.h>

namespace tabulon {
namespace {

// The queue tools/start-cups-pdf.sh sets up; the CUPS PDF driver writes each job it
// receives as a PDF file in the PDF folder of the submitting user's home (from the user
// database, whatever HOME says).
const QString PdfQueue = QStringLiteral("Tabulon-PDF");

QStringList PdfOutputs()
{
    const passwd* user = getpwuid(getuid());
    const QString home = user && user->pw_dir ? QString::fromLocal8Bit(user->pw_dir) : QDir::homePath();
    return QDir(home + QStringLiteral("/PDF")).entryList({QStringLiteral("*.pdf")}, QDir::Files);
}

TEST(CupsPrinter, APagePrintedOnACupsQueueComesOutAsOneJob)
{
    if (QPrinterInfo::printerInfo(PdfQueue).isNull())
        GTEST_SKIP() << "no CUPS queue " << PdfQueue.toStdString() << " (tools/start-cups-pdf.sh sets one up as root)";

    QtPrinterCollection printers;
    ASSERT_TRUE(printers.SetCurrentPrinter(PdfQueue));
    Printer& printer = *printers.CurrentPrinter();
    EXPECT_EQ(printer.DeviceName(), PdfQueue);
    printer.SetOrientation(PrinterOrientation::Landscape);
    printer.SetPaperSize(PaperSizeCode::A4);

    const QStringList before = PdfOutputs();
    Surface& page = printer.surface();
    page.Line(0, 0, 14400, 0);
    page.CurrentX = 1440;
    page.CurrentY = 1440;
    page.Print(QStringLiteral("-1-"));
    page.EndDoc();

    // The spooler works on its own time: wait for the driver's file.
    QStringList after;
    for (int i = 0; i < 300; ++i) {
        after = PdfOutputs();
        if (after.size() > before.size())
            break;
        QThread::msleep(100);
    }
    EXPECT_EQ(after.size(), before.size() + 1);
}

}  // namespace
}  // namespace tabulon
