#include "pages/monthly_daily/BriefTableCells.h"

#include "pages/frame/LayoutLiterals.h"
#include "pages/frame/ObservationModes.h"
#include "toolkit/TextHelpers.h"
#include "report/Component.h"

#include <utility>

namespace tabulon {

namespace {

TextTable& DayTable(ReportTables& t, BriefSource source)
{
    switch (source) {
    case BriefSource::DekadStat: return t.ADekadStat;
    case BriefSource::StationPressure: return t.AStationPressure;
    case BriefSource::AirTemperature: return t.AAirTemperature;
    case BriefSource::RelativeHumidity: return t.ARelativeHumidity;
    case BriefSource::GroundTemperature: return t.AGroundTemperature;
    case BriefSource::Evaporation: return t.AEvaporation;
    case BriefSource::E601BEvaporation: return t.AEvaporationE601B;
    case BriefSource::Precipitation: return t.APrecipitation;
    case BriefSource::Sunshine: return t.ASunshine;
    default: return t.ADailyStat;
    }
}

QString* DeepSoil(Component& c, int depth, int day)
{
    ReportTables& t = c.tables;
    switch (c.state.StationKind) {
    case AutomaticStation:
    case ReferenceStation:
        return &t.ADailyStat(day, 34 + 2 * depth);
    case ManualStation:
    case ReferenceManualGround:
    case AutomaticManualGround: {
        TextTable* const readings[] = {&t.ASoilTemp80cm, &t.ASoilTemp160cm, &t.ASoilTemp320cm};
        QString& reading = (*readings[depth])(day, 1);
        FormatTwoDigits(reading);
        return &reading;
    }
    default:
        return nullptr;
    }
}

const QString RowLabelPieces = QStringLiteral(
    "   1   2   3   4   5   6   7   8   9  10上旬平均  11  12  13  14  15  16  17  18  19  20中旬平均"
    "  21  22  23  24  25  26  27  28  29  30  31下旬平均 月平均 月极值");
constexpr int MonthRowLabel = 34;   // "月平均" in the pieces, "月计/平均" on the pages

}  // namespace

QStringList BriefRowLabels(int count)
{
    QStringList labels = CutPieces(RowLabelPieces, 4, count);
    if (labels.size() > MonthRowLabel)
        labels[MonthRowLabel] = QStringLiteral("月计/平均");
    return labels;
}

DecadeLayout BriefDayTable::Layout()
{
    return DecadeLayout::fromLiterals(QStringLiteral("1510,5140,8770"), QStringLiteral("4810,8440,12400,12730"),
                                      RowHeight);
}

RowRules BriefDayTable::Rules()
{
    return RowRules::decadeRules(QStringLiteral("3160,4810,5140,6790,8440,8770,10420,12400,13060"), 0);
}

QString* BriefCellReader::cell(const BriefCell& cell, int row) const
{
    if (cell.source == BriefSource::None)
        return nullptr;
    if (cell.source == BriefSource::DeepSoil)
        return DeepSoil(c_, cell.fourTimes, row);
    int item = cell.fourTimes;
    if (cell.element != 0) {
        const QString& letter = c_.tables.AfileMode(cell.element);
        switch (SummaryModeLetters(cell.element).readingsOf(letter)) {
        case ModeReadings::None: return nullptr;
        case ModeReadings::FourTimes: break;
        case ModeReadings::Hourly:
            item = cell.hourly == HourlyMinimum ? HourlyMinimumItem(cell.element, letter) : cell.hourly;
            break;
        }
    }
    return &DayTable(c_.tables, cell.source)(row, item);
}

bool BriefCellReader::text(const BriefColumn& column, const BriefCell& cell, int row, QString& out) const
{
    const QString* value = this->cell(cell, row);
    if (!value)
        return false;
    out = column.wholeNumbers ? FormatNumber00(*value) : *value;
    return true;
}

BriefPage::BriefPage(Component& c, DecadeLayout layout, RowRules rules)
    : c_(c), cv_(c.canvas), t_(c.tables), reader_(c), layout_(std::move(layout)), rules_(std::move(rules)),
      days_(DaysInMonth(c))
{
}

int BriefPage::lw() const
{
    return cv_.LineWeight;
}

void BriefPage::valueCell(double x, double y, double w, const QString& text)
{
    cv_.PrintCell(cv_.ShowGridLines, text, w, layout_.rowHeight, x, y);
}

void BriefPage::columnCell(const BriefColumn& column, const BriefCell& cell, int row, double y, double w)
{
    if (reader_.text(column, cell, row, text_))
        valueCell(column.x, y, w, text_);
}

}  // namespace tabulon
