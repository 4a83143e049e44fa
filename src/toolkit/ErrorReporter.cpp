#include "toolkit/ErrorReporter.h"

#include "report/Component.h"

namespace tabulon {

QString ErrorMessageText(const ReportError& error)
{
    QString cause;
    switch (error.number()) {
    case ErrorNumber::InvalidPropertyValue:
        cause = QStringLiteral("本计算机未安装[Nimbrix]字体,云状、天气现象符号、电线积冰符号将不能正常打印,请立即安装该字体!");
        break;
    case ErrorNumber::PrinterError:
        cause = QStringLiteral("本计算机未安装打印机,请重新安装打印机!");
        break;
    default:
        cause = error.description();
        break;
    }
    return QStringLiteral("错误号：") + QString::number(error.number()) + QStringLiteral("\r\n") +
           QStringLiteral("出错原因：") + cause;
}

void ShowError(Component& c, const QString& context, const ReportError& error)
{
    c.messages().show(ErrorMessageText(error), context, MsgStyle::Critical);
}

bool ShowErrorOnce(Component& c, int slot, const QString& context, const ReportError& error)
{
    if (slot < 0 || slot >= static_cast<int>(c.LastErrorNumbers.size())) {
        ShowError(c, context, error);
        return true;
    }
    const auto number = static_cast<std::int16_t>(error.number());
    if (c.LastErrorNumbers[slot] == number)
        return false;
    c.LastErrorNumbers[slot] = number;
    ShowError(c, context, error);
    return true;
}

}  // namespace tabulon
