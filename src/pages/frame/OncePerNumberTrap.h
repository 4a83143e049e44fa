#pragma once
// The trap of the weather and yearly pages that draw to the end whatever fails: each
// statement that fails is reported only when its error number differs from the one last
// reported from the page's slot, and drawing goes on with the next statement.

#include <QString>
#include <cstdint>
#include <functional>

namespace tabulon {

class Component;

// Runs one statement of such a page. On an error whose number differs from `lastNumber`, it
// stores the number and reports the error, titled "天气日数" for error 380 (the symbol font is
// missing, so the glyph rows of the weather-day table fail) and `pageContext` otherwise. On a
// repeat it reports nothing and switches OutputTarget back to "宋体", so that the following
// text is drawn in SimSun. Returns false when the statement failed.
bool ResumeReportingEachNumberOnce(Component& c, std::int16_t& lastNumber, const QString& pageContext,
                                   const std::function<void()>& statement);

}  // namespace tabulon
