#include "support/PositionCodedTables.h"

#include <QRegularExpression>
#include <stdexcept>

namespace tabulon::test {

namespace {

constexpr int DefaultRows = 31;
constexpr int DefaultItems = 40;

QString ListCode(QChar tag, int item) { return tag + QStringLiteral("%1").arg(item, 2, 10, QLatin1Char('0')); }
QString TableCode(QChar tag, int row, int item) { return QStringLiteral("%1%2.%3").arg(tag).arg(row).arg(item); }
QString CubeCode(QChar tag, int i, int j, int k)
{
    return QStringLiteral("%1%2.%3.%4").arg(tag).arg(i).arg(j).arg(k);
}

void Fill(TextList& t, QChar tag)
{
    if (!t.allocated())
        t.dim({Bounds{1, DefaultItems}});
    for (int i = t.lbound(1); i <= t.ubound(1); ++i)
        t(i) = ListCode(tag, i);
}

void Fill(TextTable& t, QChar tag)
{
    if (!t.allocated())
        t.dim({Bounds{1, DefaultRows}, Bounds{1, DefaultItems}});
    for (int r = t.lbound(1); r <= t.ubound(1); ++r)
        for (int i = t.lbound(2); i <= t.ubound(2); ++i)
            t(r, i) = TableCode(tag, r, i);
}

void Fill(TextCube& t, QChar tag)
{
    if (!t.allocated())
        t.dim({Bounds{1, DefaultRows}, Bounds{1, DefaultItems}, Bounds{1, 3}});
    for (int i = t.lbound(1); i <= t.ubound(1); ++i)
        for (int j = t.lbound(2); j <= t.ubound(2); ++j)
            for (int k = t.lbound(3); k <= t.ubound(3); ++k)
                t(i, j, k) = CubeCode(tag, i, j, k);
}

void Fill(QString& value, QChar tag) { value = ListCode(tag, 1); }

QChar NthTag(std::size_t n)
{
    static const QString tags = QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz");
    if (n >= static_cast<std::size_t>(tags.size()))
        throw std::logic_error("more tables than tags");
    return tags[static_cast<qsizetype>(n)];
}

}  // namespace

void PositionCodedTables::add(const void* table, const QString& name)
{
    entries_.push_back({table, name, NthTag(entries_.size())});
}

PositionCodedTables::PositionCodedTables(ReportTables& t, int reportKind)
{
#define CODED(table)                         \
    do {                                     \
        add(&t.table, QStringLiteral(#table)); \
        Fill(t.table, entries_.back().tag);  \
    } while (false)
    switch (reportKind) {
    case MonthlySurfaceReport:
        CODED(AStationPressure); CODED(AAirTemperature); CODED(AWetBulb); CODED(AVapourPressure);
        CODED(ARelativeHumidity); CODED(ADewPoint); CODED(ATotalCloud); CODED(ALowCloud);
        CODED(ACloudForm); CODED(ACloudHeight); CODED(AVisibility); CODED(APrecipitation);
        CODED(AWeather); CODED(AWind); CODED(AGroundTemperature); CODED(AGrassTemperature);
        CODED(AGroundState); CODED(ASoilTemp5cm); CODED(ASoilTemp10cm); CODED(ASoilTemp15cm);
        CODED(ASoilTemp20cm); CODED(ASoilTemp40cm); CODED(ASoilTemp80cm); CODED(ASoilTemp160cm);
        CODED(ASoilTemp320cm); CODED(AEvaporation); CODED(AEvaporationE601B); CODED(ASeaLevelPressure);
        CODED(ASnow); CODED(AMaxWind); CODED(AFrozenSoil); CODED(AWireIcing);
        CODED(AHourlyPrecipitation); CODED(AWind10Min); CODED(ASunshine); CODED(AExtraTable1);
        CODED(AExtraTable2); CODED(AStationInfo); CODED(ABackCoverNotes); CODED(AClimateSummary);
        CODED(AStationChanges); CODED(ADailyStat); CODED(ADekadStat); CODED(AMonthStat);
        CODED(ACloudClassStat); CODED(AVisibilityClassStat); CODED(AWeatherDayCount);
        CODED(AHourlyPrecipTotal); CODED(AWindDirectionStat); CODED(AWind10MinMonthRow);
        CODED(ASunshineStat);
        break;
    case MonthlyRadiationReport:
        CODED(RTotalRadiation); CODED(RNetRadiation); CODED(RDiffuseRadiation); CODED(RDirectRadiation);
        CODED(RReflectedRadiation); CODED(RInstruments); CODED(RSiteDescription); CODED(RSiteDescription2);
        CODED(RExtraTable); CODED(RNotes); CODED(RStationInfo); CODED(RMonthStat); CODED(RMonthExtremes);
        break;
    case YearlySurfaceReport:
        CODED(YMonthStat); CODED(YMaxPrecipitation); CODED(YFirstLastDates); CODED(YWindStat);
        CODED(YWindYearRow); CODED(YStationInfo); CODED(YClimateSummary); CODED(YNotes);
        CODED(YInstruments);
        break;
    default:
        throw std::invalid_argument("unknown report kind");
    }
#undef CODED
}

QChar PositionCodedTables::tagOf(const void* table) const
{
    for (const Entry& e : entries_)
        if (e.table == table)
            return e.tag;
    throw std::invalid_argument("table not filled by PositionCodedTables");
}

QString PositionCodedTables::operator()(const TextList& table, int item) const
{
    return ListCode(tagOf(&table), item);
}

QString PositionCodedTables::operator()(const TextTable& table, int row, int item) const
{
    return TableCode(tagOf(&table), row, item);
}

QString PositionCodedTables::operator()(const TextCube& table, int i, int j, int k) const
{
    return CubeCode(tagOf(&table), i, j, k);
}

QString PositionCodedTables::describe(const QString& text) const
{
    static const QRegularExpression code(QStringLiteral(R"(^([A-Za-z])(\d+(?:\.\d+)*)$)"));
    const QRegularExpressionMatch m = code.match(text);
    if (m.hasMatch()) {
        for (const Entry& e : entries_) {
            if (e.tag != m.captured(1).at(0))
                continue;
            QStringList indexes = m.captured(2).split(u'.');
            for (QString& index : indexes)
                index = QString::number(index.toInt());
            return e.name + u'(' + indexes.join(QStringLiteral(", ")) + u')';
        }
    }
    return u'"' + text + u'"';
}

}  // namespace tabulon::test
