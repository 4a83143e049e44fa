#pragma once
// Captions and help topics of the report window, by report kind.

#include <QString>

namespace tabulon {

// The window's caption before a report kind is known.
inline const QString DesignCaption = QStringLiteral("编制地面月报表");
constexpr int DesignHelpContext = 0;

struct ReportWindowTitle {
    QString caption;
    int helpContext = 0;
};

// 1 "地面气象记录月报表"/45, 2 "气象辐射记录月报表"/46, 3 "地面气象记录年报表"/47;
// any other kind keeps the design caption and help context.
ReportWindowTitle ReportWindowTitleFor(int reportKind);

}  // namespace tabulon
