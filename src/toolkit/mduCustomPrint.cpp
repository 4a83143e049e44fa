#include "toolkit/mduCustomPrint.h"

#include "report/Component.h"

namespace tabulon {

std::int16_t FindFormBySize(PrinterFormHandle& printer, FormSize size, QString& formName)
{
    formName.clear();
    const std::vector<PaperForm> forms = printer.EnumForms();
    for (size_t i = 0; i < forms.size(); ++i) {
        if (forms[i].size == size) {
            formName = forms[i].name;
            return static_cast<std::int16_t>(i + 1);
        }
    }
    return 0;
}

QString AddPrinterForm(PrinterFormHandle& printer, FormSize size, const QString& formName)
{
    return printer.AddForm({formName, size}) ? formName : QStringLiteral("none");
}

std::int16_t SelectPrinterForm(Component& c, QString& formName)
{
    Printer* current = c.printers().CurrentPrinter();
    if (!current)
        return FormSelection::Failed;
    std::unique_ptr<PrinterFormHandle> printer = c.printers().Spooler().OpenPrinter(current->DeviceName());
    if (!printer)
        return FormSelection::Failed;

    std::int16_t result = FormSelection::Selected;
    if (formName == ReportCustomFormName) {
        printer->DeleteForm(ReportCustomFormName);   // an earlier copy; none is fine
        AddPrinterForm(*printer, ReportCustomFormSize, ReportCustomFormName);
        if (FindFormBySize(*printer, ReportCustomFormSize, formName) == 0)
            return FormSelection::Failed;
        result = FormSelection::Created;
    }
    // A form the printer does not take is a failure: the page would otherwise be laid out
    // for the form and printed on whatever paper is loaded.
    if (!printer->SelectForm(formName))
        return FormSelection::Failed;
    return result;
}

void UseCustomForm(Component& c, QString formName)
{
    const std::int16_t result = SelectPrinterForm(c, formName);
    c.canvas.CustomFormFailed = result == FormSelection::Failed ? -1 : 0;
}

void UseReportCustomForm(Component& c)
{
    try {
        UseCustomForm(c, ReportCustomFormName);
    } catch (...) {
        // The form is not in use; page setup falls back to its fixed page.
        c.canvas.CustomFormFailed = -1;
    }
}

void DeleteReportCustomForm(Component& c)
{
    try {
        Printer* current = c.printers().CurrentPrinter();
        if (!current)
            return;
        if (std::unique_ptr<PrinterFormHandle> printer = c.printers().Spooler().OpenPrinter(current->DeviceName()))
            printer->DeleteForm(ReportCustomFormName);
    } catch (...) {
        // Removing the form is best effort; the handle closes on the way out.
    }
}

}  // namespace tabulon
