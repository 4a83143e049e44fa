#include "platform/QtPrinters.h"
#include "platform/Surface.h"
#include "platform/ReportError.h"
#include "toolkit/mduCustomPrint.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace tabulon {
namespace {

// The page sizes (in points) of a PDF file, page by page.
QList<QSizeF> PdfPageSizes(const QString& file)
{
    QFile f(file);
    if (!f.open(QIODevice::ReadOnly))
        return {};
    const QString text = QString::fromLatin1(f.readAll());
    QList<QSizeF> sizes;
    static const QRegularExpression mediaBox(QStringLiteral("/MediaBox \\[\\s*0 0 ([0-9.]+) ([0-9.]+)\\s*\\]"));
    for (auto it = mediaBox.globalMatch(text); it.hasNext();) {
        const QRegularExpressionMatch m = it.next();
        sizes << QSizeF(m.captured(1).toDouble(), m.captured(2).toDouble());
    }
    return sizes;
}

void DrawSomething(Surface& s)
{
    s.Line(0, 0, 1440, 1440);
}

TEST(QtPrinter, PaperCodesOrientationAndSizesInTwips)
{
    QTemporaryDir dir;
    auto printers = QtPrinterCollection::pdfFile(dir.filePath(QStringLiteral("out.pdf")));
    Printer& p = *printers->CurrentPrinter();

    p.SetOrientation(PrinterOrientation::Portrait);
    p.SetPaperSize(PaperSizeCode::A4);
    EXPECT_EQ(p.PaperSize(), 9);
    EXPECT_NEAR(p.Width(), 11905.5, 1);   // 210 mm
    EXPECT_NEAR(p.Height(), 16837.8, 1);  // 297 mm
    p.SetPaperSize(PaperSizeCode::B4);
    EXPECT_EQ(p.PaperSize(), 12);
    p.SetPaperSize(PaperSizeCode::A3);
    EXPECT_EQ(p.PaperSize(), 8);
    p.SetOrientation(PrinterOrientation::Landscape);
    EXPECT_EQ(p.Orientation(), 2);
    EXPECT_NEAR(p.Width(), 23811, 1);     // 420 mm across

    // The fixed page for wide paper: height, then width, in the current orientation.
    for (std::int16_t o : {PrinterOrientation::Portrait, PrinterOrientation::Landscape}) {
        p.SetOrientation(o);
        p.SetHeight(16000);
        p.SetWidth(19600);
        EXPECT_DOUBLE_EQ(p.Width(), 19600) << o;
        EXPECT_DOUBLE_EQ(p.Height(), 16000) << o;
        EXPECT_EQ(p.PaperSize(), PaperSizeCode::User);
    }

    for (std::int16_t bad : {0, 3, -1}) {
        try {
            p.SetOrientation(bad);
            ADD_FAILURE() << bad;
        } catch (const ReportError& e) {
            EXPECT_EQ(e.number(), ErrorNumber::InvalidPropertyValue);
        }
    }
    EXPECT_THROW(p.SetPaperSize(0), ReportError);
    EXPECT_THROW(p.SetWidth(0), ReportError);
}

TEST(QtPrinter, EachJobIsAFileOfOnePageInOrder)
{
    QTemporaryDir dir;
    auto printers = QtPrinterCollection::pdfFile(dir.filePath(QStringLiteral("report.pdf")));
    QtPrinter& p = *printers->current();
    Surface& s = p.surface();

    s.EndDoc();   // nothing drawn: no job
    p.SetOrientation(PrinterOrientation::Portrait);
    p.SetPaperSize(PaperSizeCode::A4);
    DrawSomething(s);
    s.EndDoc();
    p.SetOrientation(PrinterOrientation::Landscape);
    p.SetPaperSize(PaperSizeCode::A3);
    DrawSomething(s);
    s.EndDoc();
    p.SetHeight(16000);
    p.SetWidth(19600);
    DrawSomething(s);
    s.EndDoc();

    const QStringList expected{dir.filePath(QStringLiteral("report-1.pdf")), dir.filePath(QStringLiteral("report-2.pdf")),
                               dir.filePath(QStringLiteral("report-3.pdf"))};
    EXPECT_EQ(p.jobFiles(), expected);
    const QList<QSizeF> sizes[] = {PdfPageSizes(expected[0]), PdfPageSizes(expected[1]), PdfPageSizes(expected[2])};
    for (const QList<QSizeF>& pages : sizes)
        ASSERT_EQ(pages.size(), 1);
    EXPECT_NEAR(sizes[0][0].width(), 595, 1);    // A4 upright
    EXPECT_NEAR(sizes[1][0].width(), 1191, 1);   // A3 across
    EXPECT_NEAR(sizes[2][0].width(), 980, 1);    // 19600 x 16000 twips
    EXPECT_NEAR(sizes[2][0].height(), 800, 1);
    // No partial file is left behind.
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files).size(), 3);
}

TEST(QtPrinter, TheFontChosenLastCarriesOverToTheNextJob)
{
    QTemporaryDir dir;
    auto printers = QtPrinterCollection::pdfFile(dir.filePath(QStringLiteral("out.pdf")));
    Surface& s = printers->CurrentPrinter()->surface();
    s.SetFontName(QStringLiteral("宋体"));
    s.SetFontSize(20);
    const double taken = s.FontSize();
    DrawSomething(s);
    s.EndDoc();
    EXPECT_EQ(s.FontName(), QStringLiteral("宋体"));
    EXPECT_EQ(s.FontSize(), taken);
    DrawSomething(s);   // the next job starts with the same font
    EXPECT_EQ(s.FontSize(), taken);
    s.EndDoc();
    EXPECT_EQ(printers->current()->jobFiles().size(), 2);
}

TEST(QtPrinter, TheCustomFormIsAddedOnceSelectedAndDeleted)
{
    QTemporaryDir dir;
    auto printers = QtPrinterCollection::pdfFile(dir.filePath(QStringLiteral("out.pdf")));
    PaperFormSpooler& spooler = printers->Spooler();
    EXPECT_EQ(spooler.OpenPrinter(QStringLiteral("no such printer")), nullptr);

    std::unique_ptr<PrinterFormHandle> h = spooler.OpenPrinter(QStringLiteral("PDF"));
    ASSERT_NE(h, nullptr);
    QString name;
    EXPECT_EQ(FindFormBySize(*h, {210000, 297000}, name), 1 + static_cast<int>(QPageSize::A4));
    EXPECT_EQ(name, QPageSize(QPageSize::A4).name());
    EXPECT_EQ(AddPrinterForm(*h, ReportCustomFormSize, ReportCustomFormName), ReportCustomFormName);
    EXPECT_EQ(AddPrinterForm(*h, ReportCustomFormSize, ReportCustomFormName), QStringLiteral("none"));

    QtPrinter& p = *printers->current();
    p.SetOrientation(PrinterOrientation::Portrait);
    ASSERT_TRUE(h->SelectForm(ReportCustomFormName));
    EXPECT_NEAR(p.Width(), 360 * 1440 / 25.4, 2);   // the form lies across: 360 wide, 280 high
    EXPECT_NEAR(p.Height(), 280 * 1440 / 25.4, 2);

    EXPECT_TRUE(h->DeleteForm(ReportCustomFormName));
    EXPECT_FALSE(h->DeleteForm(ReportCustomFormName));
    EXPECT_EQ(FindFormBySize(*h, ReportCustomFormSize, name), 0);
    EXPECT_FALSE(h->SelectForm(ReportCustomFormName));
}

}  // namespace
}  // namespace tabulon
