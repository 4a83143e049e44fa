#pragma once
// Changing one key of an INI text while keeping every other byte as it was.

#include <QByteArray>

namespace tabulon {

// Returns `text` with `key` in `section` set to `value`. Section and key names match
// without regard to case, as INI readers match them; the first matching key is changed
// and every other line (comments, blank lines, other sections, line endings) is kept.
// Lines may end in CR LF, LF or CR alone; a leading UTF-8 byte-order mark is kept. New
// lines end as the text's first line does.
// A missing key is added at the end of its section, a missing section at the end.
QByteArray SetIniValue(const QByteArray& text, const QByteArray& section, const QByteArray& key,
                       const QByteArray& value);

}  // namespace tabulon
