#pragma once
// Reports a failed operation in a critical message box titled with what was being done.

#include "platform/ReportError.h"

#include <QString>

namespace tabulon {

class Component;

// The two-line message: "错误号：" n, CR LF, "出错原因：" and the cause.
QString ErrorMessageText(const ReportError& error);

// Shows the critical box (style 16) titled with the context.
void ShowError(Component& c, const QString& context, const ReportError& error);

// Reports the error only when its number differs from the one last reported from this
// slot of LastErrorNumbers (0..5), then remembers it. Used where drawing goes on after an error.
// Returns whether the error was shown.
bool ShowErrorOnce(Component& c, int slot, const QString& context, const ReportError& error);

}  // namespace tabulon
