#pragma once
// The custom paper form for wide continuous paper: "ReportCustomForm", 360 x 280 mm, added
// to the current printer and made its paper before each wide-paper page, removed after a
// print run.

#include "platform/PaperForms.h"

#include <QString>
#include <cstdint>

namespace tabulon {

class Component;

inline const QString ReportCustomFormName = QStringLiteral("ReportCustomForm");
constexpr FormSize ReportCustomFormSize{360000, 280000};

// Results of SelectPrinterForm.
namespace FormSelection {
constexpr std::int16_t Failed = 0;
constexpr std::int16_t Selected = 1;   // a form of that name was selected
constexpr std::int16_t Created = 2;    // the custom form was created and selected
}  // namespace FormSelection

// 1-based position of the first form of exactly that size, or 0; formName receives its
// name, or "" when there is none.
std::int16_t FindFormBySize(PrinterFormHandle& printer, FormSize size, QString& formName);

// Adds a user form; returns formName, or "none" when the spooler refuses it.
QString AddPrinterForm(PrinterFormHandle& printer, FormSize size, const QString& formName);

// Makes formName the paper of the current printer's next page. For "ReportCustomForm" the
// form is first re-created, and formName then names the first form of its size (which may
// be another form of equal size). Returns FormSelection.
std::int16_t SelectPrinterForm(Component& c, QString& formName);

// Selects the form and records in CustomFormFailed whether that failed.
void UseCustomForm(Component& c, QString formName);

// UseCustomForm("ReportCustomForm"); never raises.
void UseReportCustomForm(Component& c);

// Removes "ReportCustomForm" from the current printer; never raises.
void DeleteReportCustomForm(Component& c);

}  // namespace tabulon
