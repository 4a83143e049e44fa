#include "pages/frame/OncePerNumberTrap.h"

#include "toolkit/ErrorReporter.h"
#include "toolkit/PageFrame.h"
#include "toolkit/SymbolSteps.h"
#include "report/ReportError.h"
#include "report/Component.h"

namespace tabulon {

namespace {
const QString WeatherDaysContext = QStringLiteral("天气日数");
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
            FallBackToTextFace(c.canvas);
            return false;
        }
        lastNumber = number;
        ShowError(c, number == ErrorNumber::InvalidPropertyValue ? WeatherDaysContext : pageContext, e);
        return false;
    }
}

}  // namespace tabulon
