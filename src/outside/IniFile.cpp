#include "outside/IniFile.h"

#include <QStringDecoder>
#include <QStringEncoder>

#include <vector>

namespace tabulon {

namespace {

struct Line {
    QByteArray body;     // without its line ending
    QByteArray ending;   // "\r\n", "\n" or "" for a last line without one
};

// Lines end in "\r\n", "\n" or a lone "\r", each as the file has it.
std::vector<Line> splitLines(const QByteArray& text)
{
    std::vector<Line> lines;
    qsizetype start = 0;
    while (start < text.size()) {
        qsizetype end = start;
        while (end < text.size() && text[end] != '\n' && text[end] != '\r')
            ++end;
        if (end == text.size()) {
            lines.push_back({text.mid(start), {}});
            break;
        }
        const qsizetype endingSize = text[end] == '\r' && end + 1 < text.size() && text[end + 1] == '\n' ? 2 : 1;
        lines.push_back({text.mid(start, end - start), text.mid(end, endingSize)});
        start = end + endingSize;
    }
    return lines;
}

QByteArray joinLines(const std::vector<Line>& lines)
{
    QByteArray out;
    for (const Line& l : lines)
        out += l.body + l.ending;
    return out;
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
    // A leading byte-order mark belongs to the file, not to its first line.
    static const QByteArray bom("\xEF\xBB\xBF");
    const QByteArray mark = text.startsWith(bom) ? bom : QByteArray();
    std::vector<Line> lines = splitLines(text.mid(mark.size()));
    // New lines end as the file's first line does; a new file takes "\r\n".
    QByteArray eol("\r\n");
    for (const Line& l : lines) {
        if (!l.ending.isEmpty()) {
            eol = l.ending;
            break;
        }
    }
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
            return mark + joinLines(lines);
        }
        if (!lines[i].body.trimmed().isEmpty())
            lastEntry = i;
    }

    if (sectionStart < 0) {
        QByteArray out = text;
        if (!lines.empty() && lines.back().ending.isEmpty())
            out += eol;
        return out + '[' + section + ']' + eol + entry + eol;
    }
    // Insert after the section's last entry; that line gains an ending if it had none.
    if (lines[lastEntry].ending.isEmpty())
        lines[lastEntry].ending = eol;
    lines.insert(lines.begin() + lastEntry + 1, Line{entry, eol});
    return mark + joinLines(lines);
}

namespace {

// The UTF-16 byte order a settings file's mark names; nullopt for a file that has none.
std::optional<QStringConverter::Encoding> utf16Order(const QByteArray& file)
{
    if (file.startsWith("\xFF\xFE"))
        return QStringConverter::Utf16LE;
    if (file.startsWith("\xFE\xFF"))
        return QStringConverter::Utf16BE;
    return std::nullopt;
}

// UTF-8 text as UTF-16 bytes in the given order, without a mark of its own.
QByteArray encodeUtf16(QStringConverter::Encoding order, const QByteArray& utf8)
{
    QStringEncoder encode(order, QStringConverter::Flag::ConvertInitialBom);
    return encode(QString::fromUtf8(utf8));
}

}  // namespace

std::optional<QByteArray> SetIniValueInFile(const QByteArray& file, const QString& section, const QString& key,
                                            const QString& value)
{
    const std::optional<QStringConverter::Encoding> order = utf16Order(file);
    if (!order)
        return SetIniValue(file, section.toUtf8(), key.toUtf8(), value.toUtf8());

    // Every character after the mark is kept as it is, a second mark included.
    const QByteArray mark = file.left(2);
    const QByteArray body = file.mid(2);
    QStringDecoder decode(*order, QStringConverter::Flag::ConvertInitialBom);
    const QByteArray text = QString(decode(body)).toUtf8();
    // Text that does not come back as the same bytes (an odd length, a broken surrogate
    // pair) cannot be rewritten without changing more than the key.
    if (decode.hasError() || encodeUtf16(*order, text) != body)
        return std::nullopt;
    return mark + encodeUtf16(*order, SetIniValue(text, section.toUtf8(), key.toUtf8(), value.toUtf8()));
}

}  // namespace tabulon
