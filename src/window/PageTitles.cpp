#include "window/PageTitles.h"

#include "report/ReportState.h"

namespace tabulon {

const QString PageTitlesKind1 = QStringLiteral(
    "封面,本站气压、气温、湿球、水汽压、相对湿度、露点温度,总云量、低云量、云状、实测云高,能见度、定时降水量、天气现象,"
    "自记降水量,十分钟平均风速,蒸发量、雪深和雪压、电线积冰、定时风、风的统计,"
    "地面(0CM、5CM、10CM、15CM、20CM、40CM)温度、14时深层地温,冻土、日照、海平面气压、地面状态,封底");
const QString PageTitlesKind2 = QStringLiteral(
    "封面,本站气压,气温,湿球,水汽压,相对湿度,露点温度,总云量、低云量、云状、实测云高,能见度、天气现象,"
    "定时降水量、蒸发量、雪深和雪压、电线积冰,E601B型自动观测蒸发量,自动观测降水量,自动观测十分钟平均风速,"
    "自动观测二分钟平均风速,风的统计,地面0CM温度,5CM温度,10CM温度,15CM温度,20CM温度,40CM温度,0.8米温度,"
    "1.6米温度,3.2米温度,草面(雪面)温度,冻土、日照、海平面气压、地面状态,封底");
const QString PageTitlesKind3 = QStringLiteral(
    "封面,本站气压,气温,湿球,水汽压,相对湿度,露点温度,总云量,低云量,云状(21时-4时),云状(5时-9时),"
    "云状(10时-14时),云状(15时-20时),实测云高,能见度,天气现象,定时降水量、蒸发量、雪深和雪压、电线积冰,"
    "E601B型自动观测蒸发量,自记(自动观测)降水量,十分钟平均风速,二分钟平均风速,风的统计,地面0CM温度,5CM温度,"
    "10CM温度,15CM温度,20CM温度,40CM温度,0.8米温度,1.6米温度,3.2米温度,草面(雪面)温度,"
    "冻土、日照、海平面气压、地面状态,封底");
const QString PageTitlesKind4 = QStringLiteral(
    "封面,本站气压,气温,湿球,水汽压,相对湿度,露点温度,总云量,低云量,云状(21时-4时),云状(5时-9时),"
    "云状(10时-14时),云状(15时-20时),实测云高,能见度,天气现象,定时降水量、蒸发量、雪深和雪压、电线积冰,"
    "E601B型自动观测蒸发量,自记(自动观测)降水量,十分钟平均风速,二分钟平均风速,风的统计,"
    "地面(0CM、5CM、10CM、15CM、20CM、40CM)温度、14时深层地温,草面(雪面)温度,冻土、日照、海平面气压、地面状态,封底");
const QString PageTitlesKind5 = QStringLiteral(
    "封面,本站气压,气温,湿球,水汽压,相对湿度,露点温度,总云量、低云量、云状、实测云高,能见度、天气现象,"
    "定时降水量、蒸发量、雪深和雪压、电线积冰,E601B型自动观测蒸发量,自动观测降水量,自动观测十分钟平均风速,"
    "自动观测二分钟平均风速,风的统计,地面(0CM、5CM、10CM、15CM、20CM、40CM)温度、14时深层地温,草面(雪面)温度,"
    "冻土、日照、海平面气压、地面状态,封底");
const QString PageTitlesRadiation = QStringLiteral(
    "封面,现用仪器、备注,时、日总辐射曝辐量,时、日净全辐射曝辐量,时、日散射辐射曝辐量,时、日太阳直接辐射曝辐量,"
    "时、日反射辐射曝辐量");
const QString PageTitlesYear = QStringLiteral(
    "封面,年报表第一页(P、P0、T、E、U、N、R),年报表第二页(R、Z、G、W),年报表第三页(风统计),"
    "年报表第四页(地面0cm-3.20米、A、DYF、S),年报表封底");
const QString PageTitlesRadiationClass2 = QStringLiteral("封面,现用仪器、备注,时、日总辐射曝辐量,时、日净全辐射曝辐量");
const QString PageTitlesRadiationClass3 = QStringLiteral("封面,现用仪器、备注,时、日总辐射曝辐量");
const QString MonthlyBriefTitles = QStringLiteral(",月简表1,月简表2,月简表3");

namespace {
QString titleList(int reportKind, int stationKind)
{
    switch (reportKind) {
    case MonthlySurfaceReport: {
        static const QString* const lists[] = {&PageTitlesKind1, &PageTitlesKind2, &PageTitlesKind3,
                                               &PageTitlesKind4, &PageTitlesKind5};
        if (stationKind < 1 || stationKind > 5)
            return {};
        return *lists[stationKind - 1] + MonthlyBriefTitles;
    }
    case MonthlyRadiationReport:
        switch (stationKind) {
        case 1: return PageTitlesRadiation;
        case 2: return PageTitlesRadiationClass2;
        case 3: return PageTitlesRadiationClass3;
        default: return {};
        }
    case YearlySurfaceReport:
        return PageTitlesYear;
    default:
        return {};
    }
}
}  // namespace

QStringList PageMenuTitles(int reportKind, int stationKind)
{
    const QString list = titleList(reportKind, stationKind);
    return list.isEmpty() ? QStringList{} : list.split(u',');
}

PageMenus BuildPageMenus(const QStringList& titles, int currentPage)
{
    PageMenus menus;
    const int count = static_cast<int>(titles.size());
    for (int k = 0; k <= currentPage - 2 && k < count; ++k)
        menus.prev.push_back({QStringLiteral("p:") + QString::number(k + 1), titles[k]});
    for (int k = std::max(currentPage, 0); k < count; ++k)
        menus.next.push_back({QStringLiteral("n:") + QString::number(k + 1), titles[k]});
    return menus;
}

}  // namespace tabulon
