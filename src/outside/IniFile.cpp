#include "outside/IniFile.h"

#include <vector>

namespace tabulon {

namespace {

struct Line {
    QByteArray body;     // without its line ending
    QByteArray ending;   // "\r\n", "\n" or "" for a last line without one
};

std::vector<Line> splitLines(const QByteArray& text)
{
    std::vector<Line> lines;
    qsizetype start = 0;
    while (start < text.size()) {
        const qsizetype nl = text.indexOf('\n', start);
        if (nl < 0) {
            lines.push_back({text.mid(start), {}});
            break;
        }
        const bool cr = nl > start && text[nl - 1] == '\r';
        lines.push_back({text.mid(start, nl - start - (cr ? 1 : 0)), cr ? QByteArray("\r\n") : QByteArray("\n")});
        start = nl + 1;
    }
    return lines;
}

// "[Name]" -> "Name" (trimmed); not a header -> null.
QByteArray sectionName(const QByteArray& body)
{
    const QByteArray t = body.trimmed();
    if (t.size() >= 2 && t.startsWith('[') && t.endsWith(']'))
        return t.mid(1, t.size() - 2).trimmed();
    return {};
}

bool sameName(const QByteArray& a, const QByteArray& b)
{
    return a.compare(b, Qt::CaseInsensitive) == 0;
}

bool isKeyLine(const QByteArray& body, const QByteArray& key)
{
    const qsizetype eq = body.indexOf('=');
    return eq > 0 && sameName(body.left(eq).trimmed(), key);
}

}  // namespace

QByteArray SetIniValue(const QByteArray& text, const QByteArray& section, const QByteArray& key,
                       const QByteArray& value)
{
    std::vector<Line> lines = splitLines(text);
    const QByteArray eol = text.contains("\r\n") || text.isEmpty() ? QByteArray("\r\n") : QByteArray("\n");
    const QByteArray entry = key + '=' + value;

    qsizetype sectionStart = -1;   // index of the header line
    qsizetype lastEntry = -1;      // last non-blank line inside the section
    for (qsizetype i = 0; i < static_cast<qsizetype>(lines.size()); ++i) {
        const QByteArray name = sectionName(lines[i].body);
        if (!name.isNull()) {
            if (sectionStart >= 0)
                break;   // the next section starts: the key is not there
            if (sameName(name, section)) {
                sectionStart = i;
                lastEntry = i;
            }
            continue;
        }
        if (sectionStart < 0)
            continue;
        if (isKeyLine(lines[i].body, key)) {
            lines[i].body = entry;
            QByteArray out;
            for (const Line& l : lines)
                out += l.body + l.ending;
            return out;
        }
        if (!lines[i].body.trimmed().isEmpty())
            lastEntry = i;
    }

    if (sectionStart < 0) {
        QByteArray out = text;
        if (!out.isEmpty() && !out.endsWith('\n'))
            out += eol;
        return out + '[' + section + ']' + eol + entry + eol;
    }
    // Insert after the section's last entry; that line gains an ending if it had none.
    if (lines[lastEntry].ending.isEmpty())
        lines[lastEntry].ending = eol;
    lines.insert(lines.begin() + lastEntry + 1, Line{entry, eol});
    QByteArray out;
    for (const Line& l : lines)
        out += l.body + l.ending;
    return out;
}

}  // namespace tabulon
