#pragma once
// Paths are built as the system builds them, by concatenation with "\" separators
// (SystemPath & "SysConfig\UserOpt.ini"); they become native paths only where a file is touched.

#include <QString>

namespace tabulon {

// "C:\x\y" style or "/s/SysConfig\UserOpt.ini" -> a native path with "/" separators.
// File names ignore case as the system expects: a path that does not exist as written takes
// the spelling of the existing entries it matches ignoring case.
QString NativePath(const QString& systemPath);

// True when text can stand as one plain file-name component: not empty, no separators,
// not "." or "..", no control characters.
bool IsPlainFileName(const QString& text);

}  // namespace tabulon
