#include "pages/frame/OncePerNumberTrap.h"

#include "platform/Surface.h"
#include "toolkit/ErrorReporter.h"
#include "toolkit/PageFrame.h"
#include "report/ReportError.h"
#include "report/Component.h"

namespace tabulon {

namespace {
const QString WeatherDaysContext = QStringLiteral("天气日数");

void BackToTextFont(Component& c)
{
    if (!c.canvas.OutputTarget)
        return;
    try {
        c.canvas.OutputTarget->SetFontName(TextFontName);
    } catch (const ReportError&) {
        // Nothing more to fall back on; the next statement reports its own failure.
    }
}
}  // namespace

bool ResumeReportingEachNumberOnce(Component& c, std::int16_t& lastNumber, const QString& pageContext,
                                   const std::function<void()>& statement)
{
    try {
        statement();
        return true;
    } catch (...) {
        const ReportError e = CaughtError();
        const auto number = static_cast<std::int16_t>(e.number());
        if (number == lastNumber) {
            BackToTextFont(c);
            return false;
        }
        lastNumber = number;
        ShowError(c, number == ErrorNumber::InvalidPropertyValue ? WeatherDaysContext : pageContext, e);
        return false;
    }
}

}  // namespace tabulon
