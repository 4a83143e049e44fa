#pragma once
// The settings component "Pellund.clsSysPara": writes one key of an INI file.

#include "platform/ObjectFactory.h"

#include <QString>

namespace tabulon {

class SettingsWriter : public OutsideObject {
public:
    // Changes (or adds) Key in Section of IniFile (a system-style path), keeping every
    // other line as it was; creates the file and its folder when missing; writes atomically.
    // Raises ReportError when the file cannot be written.
    virtual void WriteINI(const QString& Section, const QString& Key, const QString& Value,
                          const QString& IniFile) = 0;
};

}  // namespace tabulon
