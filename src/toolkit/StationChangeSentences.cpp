#include "toolkit/StationChangeSentences.h"

#include "toolkit/Numeric.h"
#include "toolkit/TextHelpers.h"

#include <QStringList>
#include <algorithm>
#include <cmath>

namespace tabulon {

namespace {

// A station that observes round the clock says nothing in its remarks line.
const QString RoundTheClockRecord = QStringLiteral("10/24/24小时连续观测");

// The fields of a record; one that the record lacks reads as empty.
class Fields {
public:
    explicit Fields(const QString& record) : f_(record.split(u'/')) {}
    QString operator[](qsizetype k) const { return f_.value(k); }
    qsizetype count() const { return f_.size(); }

private:
    QStringList f_;
};

// The number a field denotes (its leading digits; an empty field is 0), written plainly.
QString WholeNumber(const QString& field)
{
    return PlainNumber(Val(field));
}

// A height kept in tenths of a metre, in metres with one decimal: "523" -> "52.3".
QString Metres(const QString& tenths)
{
    return QString::number(Val(tenths) / 10, 'f', 1);
}

// "3957N" -> "39°57′N"; any letter other than `positive` names the other hemisphere.
QString DegreesMinutes(const QString& field, QChar positive, QChar negative)
{
    QString text = QString::number(Val(field) / 100, 'f', 2) + u'′' + (field.endsWith(positive) ? positive : negative);
    return text.replace(u'.', u'°');
}

QString Latitude(const QString& field) { return DegreesMinutes(field, u'N', u'S'); }
QString Longitude(const QString& field) { return DegreesMinutes(field, u'E', u'W'); }

QString DatePart(const QString& part)
{
    if (part.size() == 4)
        return WholeNumber(part.right(2)) + u'/' + WholeNumber(part.left(2));
    return part.isEmpty() ? part : WholeNumber(part);
}

// Code 00: the position to the second, DDMMSS and DDDMMSS.
QString PreciseCoordinates(const QString& lat, const QString& lon)
{
    return QStringLiteral("站的纬、度(精确至秒)：") + lat.left(2) + u'°' + lat.mid(2, 2) + u'′' + lat.right(2) +
           QStringLiteral("″N；") + lon.left(3) + u'°' + lon.mid(3, 2) + u'′' + lon.right(2) + QStringLiteral("″E");
}

// Code 05: f2 latitude, f3 longitude, f4 height, f5 address, f6 its note, f7 "distance;bearing".
QString Relocation(const Fields& f)
{
    const QString note = f[6].isEmpty() ? QString() : u'(' + f[6] + u')';
    const QStringList away = f[7].split(u';');
    return QStringLiteral("即日起本站迁移到") + f[5] + note + QStringLiteral("，距原址") + WholeNumber(away.value(0)) +
           QStringLiteral("米，方位") + away.value(1) + u'，' + Latitude(f[2]) + u'，' + Longitude(f[3]) +
           QStringLiteral("，观测场拔海高度为") + Metres(f[4]) + QStringLiteral("米。");
}

// Code 55: only the pieces whose fields are given; with a new address the values read
// "为" rather than "变为". A coordinate that is not given is left out, not printed as 0.
QString Remeasurement(const Fields& f)
{
    QString position;
    if (!f[2].isEmpty() || !f[3].isEmpty()) {
        position = QStringLiteral("参数重新测量，");
        if (!f[2].isEmpty())
            position += QStringLiteral("纬度变为") + Latitude(f[2]) + u'，';
        if (!f[3].isEmpty())
            position += QStringLiteral("经度变为") + Longitude(f[3]) + u'，';
    }
    QString height;
    if (!f[4].isEmpty())
        height = QStringLiteral("拔海高度变为") + Metres(f[4]);
    QString address;
    if (!f[5].isEmpty()) {
        address = QStringLiteral("地址变为“") + f[5] + (f[6].isEmpty() ? QString() : u'(' + f[6] + u')') +
                  QStringLiteral("”。");
        position.replace(QStringLiteral("变为"), QStringLiteral("为"));
        height.replace(QStringLiteral("变为"), QStringLiteral("为"));
    }
    return QStringLiteral("即日起本站") + address + position + height + QStringLiteral("米。");
}

// Code 08: f2 item, f3 instrument, f4 its height, f5 the platform's height.
QString Instrument(const Fields& f)
{
    const QString head = QStringLiteral("从即日起") + f[2] + QStringLiteral("采用") + f[3] + QStringLiteral("观测");
    if (f.count() < 5 || Val(f[4]) <= 0)
        return head + u'。';
    if (Val(f[5]) > 0)
        return head + QStringLiteral("，仪器距平台高度为") + Metres(f[4]) + QStringLiteral("米，平台高度为") +
               Metres(f[5]) + QStringLiteral("米。");
    return head + QStringLiteral("，仪器距地高度为") + Metres(f[4]) + QStringLiteral("米。");
}

// Code 06: f2 direction, f3 obstacle, f4 elevation angle, f5 width angle, f6 distance.
QString Obstacle(const Fields& f)
{
    return QStringLiteral("即日起本站观测场") + f[2] + QStringLiteral("方向增加了") + f[3] +
           QStringLiteral("障碍物。其仰角为") + f[4] + QStringLiteral("度，宽度角为") + f[5] +
           QStringLiteral("度，距离为") + WholeNumber(f[6]) + QStringLiteral("米。");
}

// The codes whose sentence is field 2 set in a fixed wording.
struct Wording {
    const char16_t* code;
    const char16_t* before;
    const char16_t* after;
};
constexpr Wording Wordings[] = {
    {u"01", u"从即日起本站名更改为", u"。"},
    {u"02", u"从即日起本站站号更改为", u"。"},
    {u"03", u"从即日起本站级别调整为", u"。"},
    {u"04", u"从即日起本站归", u"所属。"},
    {u"07", u"从即日起本站增加", u"观测项目。"},
    {u"77", u"从即日起本站取消", u"观测项目。"},
    {u"09", u"从即日起观测时制采用", u"。"},
};

// The sentence of a code that has one; nullopt for a code without a wording.
std::optional<QString> Sentence(const QString& code, const Fields& f)
{
    for (const Wording& w : Wordings)
        if (code == w.code)
            return QString::fromUtf16(w.before) + f[2] + QString::fromUtf16(w.after);
    if (code == u"BB" || code == u"12")
        return f[2];   // the record's own text
    if (code == u"00")
        return PreciseCoordinates(f[1], f[2]);
    if (code == u"05")
        return Relocation(f);
    if (code == u"55")
        return Remeasurement(f);
    if (code == u"06")
        return Obstacle(f);
    if (code == u"08")
        return Instrument(f);
    return std::nullopt;
}

}  // namespace

bool IsRemarkOnlyCode(const QString& code)
{
    return code == ObservationsPerDayCode || code == NightWatchCode;
}

QString StationChangeDate(const QString& date)
{
    if (date.isEmpty())
        return date;
    const QString first = DatePart(GetField(date, QStringLiteral("-"), 1));
    const QString second = DatePart(GetField(date, QStringLiteral("-"), 2));
    return date.contains(u'-') ? first + u'-' + second : first + second;
}

StationChange StationChangeSentence(const QString& record)
{
    StationChange change;
    if (record == RoundTheClockRecord)
        return change;
    const Fields f(record);
    const QString code = f[0];
    if (code == ObservationsPerDayCode) {
        change.remarks = WholeNumber(f[1]) + QStringLiteral("次观测站    ");
        return change;
    }
    if (code == NightWatchCode) {
        change.remarks = QStringLiteral("夜间") + f[1];
        return change;
    }
    if (const std::optional<QString> text = Sentence(code, f)) {
        // Code 00 carries a latitude where the others carry a date: its date cell stays empty.
        const QString date = code == u"00" ? QString() : StationChangeDate(f[1]);
        change.entry = DatedEntry{date, *text};
    }
    return change;
}

StationChangeNotes StationChangeSentences(const TextList& records)
{
    StationChangeNotes notes;
    if (!records.allocated())
        return notes;
    for (int k = std::max(1, records.lbound()); k <= records.ubound(); ++k) {
        StationChange change = StationChangeSentence(records(k));
        if (change.entry)
            notes.entries.push_back(std::move(*change.entry));
        notes.remarks += change.remarks;
    }
    return notes;
}

}  // namespace tabulon
