#pragma once
// The one error type of the drawing and loading code: an error number and its
// description, as the error reporter shows them.

#include <QString>
#include <exception>
#include <string>

namespace tabulon {

namespace ErrorNumber {
constexpr int InvalidProcedureCall = 5;
constexpr int Overflow = 6;
constexpr int SubscriptOutOfRange = 9;
constexpr int DivisionByZero = 11;
constexpr int TypeMismatch = 13;
constexpr int FileNotFound = 53;
constexpr int PathNotFound = 76;
constexpr int InvalidPropertyValue = 380;   // here: the symbol font is missing
constexpr int CannotCreateObject = 429;
constexpr int PrinterError = 482;           // here: no printer installed
constexpr int PageNotAvailable = 32001;     // a page whose renderer is not built yet
}  // namespace ErrorNumber

class ReportError : public std::exception {
public:
    ReportError(int number, QString description)
        : number_(number), description_(std::move(description)),
          what_(description_.toStdString()) {}

    int number() const { return number_; }
    const QString& description() const { return description_; }
    const char* what() const noexcept override { return what_.c_str(); }

    static ReportError subscriptOutOfRange() { return {ErrorNumber::SubscriptOutOfRange, QStringLiteral("下标越界")}; }
    static ReportError invalidPropertyValue() { return {ErrorNumber::InvalidPropertyValue, QStringLiteral("无效的属性值")}; }
    static ReportError typeMismatch() { return {ErrorNumber::TypeMismatch, QStringLiteral("类型不匹配")}; }
    static ReportError overflow() { return {ErrorNumber::Overflow, QStringLiteral("溢出")}; }
    static ReportError invalidCall() { return {ErrorNumber::InvalidProcedureCall, QStringLiteral("无效的过程调用或参数")}; }
    static ReportError cannotCreateObject() { return {ErrorNumber::CannotCreateObject, QStringLiteral("ActiveX 部件不能创建对象")}; }
    static ReportError printerError() { return {ErrorNumber::PrinterError, QStringLiteral("打印机错误")}; }

private:
    int number_;
    QString description_;
    std::string what_;
};

}  // namespace tabulon
