#pragma once
// The error patterns of the page renderers, in one place:
//   trap and report   TrapAndReport: an error ends the page and is reported;
//   report once       ResumeReportingOnce: each error number reported once per
//                     LastErrorNumbers slot, drawing goes on;
//   no trap           the renderer lets the error go up to the dispatcher;
//   silent            TrapSilently: an error ends the page with no message.

#include "platform/ReportError.h"

#include <QString>
#include <cstdint>
#include <functional>

namespace tabulon {

class Canvas;

class Component;

// Sets the surface's face back to "宋体", ignoring any failure (there is nothing to fall
// back on): what a once-per-number trap does when an error repeats.
void FallBackToTextFace(Canvas& canvas);

// The error being handled inside a catch block, as the reporter shows it (anything other
// than a ReportError becomes an internal error).
ReportError CaughtError();

// The error patterns of the renderers. Each returns false when the guarded code failed.
//
// Trap and report: an error ends the page; it is reported with `context` (read when the
// error is reported, so a renderer may refine it as it goes) and what was drawn stays.
// While printing, the page's print job is still ended so no two pages share a job.
bool TrapAndReport(Component& c, const QString& context, const std::function<void()>& page);

// Resume and report once (the weather and yearly pages that draw to the end whatever
// fails): an error in `step` is reported only when its number differs from
// LastErrorNumbers[slot] (0..5), which then takes it; error 380 (the symbol font is missing,
// so the glyph rows fail) is titled "天气日数", any other `context`. On a repeat nothing is
// reported and OutputTarget's face goes back to "宋体", so the text after it is drawn in
// SimSun. The slot is never reset, so a redraw stays quiet for the same error. The caller
// goes on drawing either way.
bool ResumeReportingOnce(Component& c, int slot, const QString& context, const std::function<void()>& step);
// The same with a last number kept apart from LastErrorNumbers (yearly page two's own).
bool ResumeReportingOnce(Component& c, std::int16_t& lastNumber, const QString& context,
                         const std::function<void()>& step);

// Silent: an error ends the page with no message and goes no further; while printing the
// job is still ended.
bool TrapSilently(Component& c, const std::function<void()>& page);

// No trap: a renderer without a handler lets its error go up to PrintReportPage, which
// reports it with this context whatever the report kind.
inline const QString DispatcherErrorContext = QStringLiteral("地面月报表");

}  // namespace tabulon
