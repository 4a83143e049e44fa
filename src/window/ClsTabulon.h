#pragma once
// The component's one creatable class: the host calls one method per report kind.

#include <QString>
#include <cstdint>

namespace tabulon {

class Component;

class ClsTabulon {
public:
    // The host's object works on the process-wide component; tests pass their own.
    ClsTabulon();
    explicit ClsTabulon(Component& component);

    // Monthly surface report from an A file.
    void MonthTabulon(const QString& SysPath, const QString& strPath);
    // Monthly radiation report from an R file.
    void MonthFSTabulon(const QString& SysPath, const QString& strPath);
    // Yearly surface report from a Y file.
    void YearTabluon(const QString& SysPath, const QString& strPath);

private:
    void open(const QString& SysPath, const QString& strPath, std::int16_t reportKind);
    Component& c_;
};

}  // namespace tabulon
