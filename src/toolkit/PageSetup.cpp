#include "toolkit/PageSetup.h"

#include "platform/Printer.h"
#include "toolkit/ErrorReporter.h"
#include "report/Component.h"
#include "toolkit/mduCustomPrint.h"

namespace tabulon {

namespace {

// The page used on wide paper when the custom form cannot be applied.
constexpr double FallbackPageWidth = 19600;
constexpr double FallbackPageHeight = 16000;

Printer& CurrentPrinter(Component& c)
{
    Printer* printer = c.printers().CurrentPrinter();
    if (!printer)
        throw ReportError::printerError();
    return *printer;
}

}  // namespace

void ReportPageSetup(Component& c)
{
    Canvas& cv = c.canvas;
    try {
        Printer& printer = CurrentPrinter(c);
        printer.SetOrientation(c.state.Orientation);
        switch (cv.PaperKind) {
        case PaperA4:
            printer.SetPaperSize(PaperSizeCode::A4);
            cv.PageScale = Decimal4::fromRaw(7000);
            cv.LeftMargin = RoundToInt16((16840 - cv.PageScale.times(LogicalPageWidth)) / 2);
            cv.TopMargin = RoundToInt16((13600 - cv.PageScale.times(LogicalPageHeight)) / 2);
            break;
        case PaperB4:
            printer.SetPaperSize(PaperSizeCode::B4);
            cv.PageScale = Decimal4::fromRaw(9000);
            cv.LeftMargin = RoundToInt16((20071 - cv.PageScale.times(LogicalPageWidth)) / 2 + 300);
            cv.TopMargin = 1000;
            break;
        case PaperA3:
            printer.SetPaperSize(PaperSizeCode::A3);
            cv.PageScale = Decimal4::fromInt(1);
            cv.LeftMargin = RoundToInt16(4314 / 2.0);
            cv.TopMargin = RoundToInt16(840 / 2.0 + 1000);
            break;
        case PaperWide:
            cv.PageScale = Decimal4::fromInt(1);
            UseReportCustomForm(c);
            if (cv.CustomFormFailed) {
                printer.SetHeight(FallbackPageHeight);
                printer.SetWidth(FallbackPageWidth);
            }
            cv.LeftMargin = 0;
            cv.TopMargin = 0;
            break;
        default:
            break;   // an unknown paper keeps the scale and offsets it had
        }
    } catch (const ReportError& e) {
        ShowError(c, QStringLiteral("报表页面设置"), e);
    }
}

}  // namespace tabulon
