#pragma once
// Changing one key of an INI text while keeping every other byte as it was.

#include <QByteArray>
#include <QString>

#include <optional>

namespace tabulon {

// Returns `text` with `key` in `section` set to `value`. Section and key names match
// without regard to case, as INI readers match them; the first matching key is changed
// and every other line (comments, blank lines, other sections, line endings) is kept.
// Lines may end in CR LF, LF or CR alone; a leading UTF-8 byte-order mark is kept. New
// lines end as the text's first line does.
// A missing key is added at the end of its section, a missing section at the end.
QByteArray SetIniValue(const QByteArray& text, const QByteArray& section, const QByteArray& key,
                       const QByteArray& value);

// The same for a whole settings file in its own encoding: a file that starts with a UTF-16
// byte-order mark (FF FE or FE FF) is changed as UTF-16 text and stays UTF-16 in the same
// byte order; any other file is changed as bytes, the names and value going in as UTF-8.
// Nothing when a UTF-16 file does not decode and encode back to its own bytes (an odd
// length, a broken surrogate pair): rewriting it would change more than the key.
std::optional<QByteArray> SetIniValueInFile(const QByteArray& file, const QString& section, const QString& key,
                                            const QString& value);

}  // namespace tabulon
