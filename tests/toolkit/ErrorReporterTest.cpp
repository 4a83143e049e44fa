#include "toolkit/ErrorReporter.h"
#include "report/Component.h"

#include <gtest/gtest.h>

using namespace tabulon;

namespace {

struct Reporter {
    ScriptedMessageBox* box = new ScriptedMessageBox;
    Component c{Services{std::unique_ptr<MessageBox>(box), nullptr}};
};

}  // namespace

TEST(ErrorReporter, FixedCausesForMissingFontAndPrinter)
{
    EXPECT_EQ(ErrorMessageText(ReportError(380, QStringLiteral("无效的属性值"))),
              QStringLiteral("错误号：380\r\n出错原因：本计算机未安装[Nimbrix]字体,云状、天气现象符号、"
                             "电线积冰符号将不能正常打印,请立即安装该字体!"));
    EXPECT_EQ(ErrorMessageText(ReportError(482, QStringLiteral("whatever"))),
              QStringLiteral("错误号：482\r\n出错原因：本计算机未安装打印机,请重新安装打印机!"));
}

TEST(ErrorReporter, OtherNumbersShowTheirOwnDescription)
{
    EXPECT_EQ(ErrorMessageText(ReportError::subscriptOutOfRange()), QStringLiteral("错误号：9\r\n出错原因：下标越界"));
    EXPECT_EQ(ErrorMessageText(ReportError(13, QString())), QStringLiteral("错误号：13\r\n出错原因："));
}

TEST(ErrorReporter, CriticalBoxTitledWithTheContext)
{
    Reporter r;
    ShowError(r.c, QStringLiteral("报表页面设置"), ReportError::printerError());
    ShowError(r.c, QString(), ReportError::subscriptOutOfRange());
    ASSERT_EQ(r.box->shown.size(), 2u);
    EXPECT_EQ(r.box->shown[0].title, "报表页面设置");
    EXPECT_EQ(r.box->shown[0].style, MsgStyle::Critical);
    EXPECT_EQ(r.box->shown[1].title, "");
    EXPECT_EQ(r.box->shown[1].text, QStringLiteral("错误号：9\r\n出错原因：下标越界"));
}

TEST(ErrorReporter, OnceReportsEachNumberOncePerSlot)
{
    Reporter r;
    ShowErrorOnce(r.c, 3, QStringLiteral("天气现象"), ReportError::subscriptOutOfRange());
    ShowErrorOnce(r.c, 3, QStringLiteral("天气现象"), ReportError::subscriptOutOfRange());
    ShowErrorOnce(r.c, 4, QStringLiteral("天气日数"), ReportError::subscriptOutOfRange());
    ShowErrorOnce(r.c, 3, QStringLiteral("天气日数"), ReportError::invalidPropertyValue());
    ShowErrorOnce(r.c, 3, QStringLiteral("天气现象"), ReportError::subscriptOutOfRange());
    EXPECT_EQ(r.box->titles(), (QStringList{"天气现象", "天气日数", "天气日数", "天气现象"}));
    EXPECT_EQ(r.c.LastErrorNumbers[3], 9);
    EXPECT_EQ(r.c.LastErrorNumbers[4], 9);
}
