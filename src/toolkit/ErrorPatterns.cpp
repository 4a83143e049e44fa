#include "toolkit/ErrorPatterns.h"

#include "platform/Surface.h"
#include "toolkit/ErrorReporter.h"
#include "toolkit/PageFrame.h"
#include "report/Component.h"

#include <exception>

namespace tabulon {

namespace {

// An exception other than a ReportError is reported as an internal error.
constexpr int InternalErrorNumber = 51;
const QString WeatherDaysContext = QStringLiteral("天气日数");

}  // namespace

void FallBackToTextFace(Canvas& canvas)
{
    if (!canvas.OutputTarget)
        return;
    try {
        canvas.OutputTarget->SetFontName(TextFontName);
    } catch (...) {
        // Nothing more to fall back on; the next step reports its own failure.
    }
}

ReportError CaughtError()
{
    try {
        throw;
    } catch (const ReportError& e) {
        return e;
    } catch (const std::exception& e) {
        return {InternalErrorNumber, QString::fromLocal8Bit(e.what())};
    } catch (...) {
        return {InternalErrorNumber, QStringLiteral("内部错误")};
    }
}

bool TrapAndReport(Component& c, const QString& context, const std::function<void()>& page)
{
    try {
        page();
        return true;
    } catch (...) {
        ++c.DrawingErrors;
        ShowError(c, context, CaughtError());
        EndPrintedPage(c);
        return false;
    }
}

bool ResumeReportingOnce(Component& c, std::int16_t& lastNumber, const QString& context,
                         const std::function<void()>& step)
{
    try {
        step();
        return true;
    } catch (...) {
        ++c.DrawingErrors;
        const ReportError e = CaughtError();
        const auto number = static_cast<std::int16_t>(e.number());
        if (number == lastNumber) {
            FallBackToTextFace(c.canvas);
        } else {
            lastNumber = number;
            ShowError(c, number == ErrorNumber::InvalidPropertyValue ? WeatherDaysContext : context, e);
        }
        return false;
    }
}

bool ResumeReportingOnce(Component& c, int slot, const QString& context, const std::function<void()>& step)
{
    if (slot >= 0 && slot < static_cast<int>(c.LastErrorNumbers.size()))
        return ResumeReportingOnce(c, c.LastErrorNumbers[static_cast<std::size_t>(slot)], context, step);
    std::int16_t unremembered = 0;   // a slot outside the table remembers nothing: every error is shown
    return ResumeReportingOnce(c, unremembered, context, step);
}

bool TrapSilently(Component& c, const std::function<void()>& page)
{
    try {
        page();
        return true;
    } catch (...) {
        ++c.DrawingErrors;
        EndPrintedPage(c);
        return false;
    }
}

}  // namespace tabulon
