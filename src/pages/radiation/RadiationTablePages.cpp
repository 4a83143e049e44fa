// The five hour-by-day pages of the radiation report as constants of the one renderer.
#include "pages/radiation/RadiationTablePage.h"
#include "pages/radiation/RadiationRenderers.h"

#include "toolkit/Renderers.h"

namespace tabulon {

namespace {
const QString DayLabels = QStringLiteral(
    "1,2,3,4,5,6,7,8,9,10,11,12,13,14,15,16,17,18,19,20,21,22,23,24,25,26,27,28,29,30,31,月计,月平均");
}  // namespace

const RadiationTablePage TotalRadiationPage{
    .cornerText = QStringLiteral("日  期"),
    .rowHeadingWidth = 824,
    .columnWidth = 667,
    .columnCount = 28,
    .dayTable = &RTables::RTotalRadiation,
    .title = QStringLiteral("时、日总辐射曝辐量Hg、Dg(0.01MJ·"),
    .titleWidth = 16675,
    .extraLabels = QStringLiteral("日总量,W,时分,0.1h"),
    .glyphAfterLabel = {25},
    .headings = {{QStringLiteral("日最大"), 17499, 310, 1334},
                 {QStringLiteral("日照"), 18833, 310, 667},
                 {QStringLiteral("Eg"), 17499, 710, 667},
                 {QStringLiteral("时间"), 18166, 710, 667},
                 {QStringLiteral("时数"), 18833, 710, 667}},
    .rowLabels = u' ' + DayLabels,
    .firstStatItem = 1,
    .extraStat = {28, 26, false},
    .extremes = {{QStringLiteral("总辐射月最大辐照度"), 1, 0, 3492, 1334, 2001}},
    .headingRules = {{16832, 1110, 1510}, {17499, 310, 1510}, {18833, 310, 1510}, {19500, 310, 1510}},
    .bodyRules = {{0, 12730, 8161}},
    .bodyVerticals = {{0, 310, 12730}, {8161, 12400, 12740}, {16832, 1110, 12440}, {17499, 310, 12400},
                      {18833, 310, 12440}, {19500, 310, 12440}},
    .pageNumber = QStringLiteral("-2-"),
};

const RadiationTablePage NetRadiationPage{
    .cornerText = QStringLiteral("日期"),
    .rowHeadingWidth = 650,
    .columnWidth = 650,
    .columnCount = 29,
    .dayTable = &RTables::RNetRadiation,
    .title = QStringLiteral("时、日净全辐射曝辐量H*、D*(0.01MJ·"),
    .titleWidth = 16250,
    .extraLabels = QStringLiteral("日总量,W,时分,W,时分"),
    .glyphAfterLabel = {25, 27},
    .headings = {{QStringLiteral("日最大"), 16900, 310, 1300},
                 {QStringLiteral("日最小"), 18200, 310, 1300},
                 {QStringLiteral("E*"), 16900, 710, 650},
                 {QStringLiteral("时间"), 17550, 710, 650},
                 {QStringLiteral("E*"), 18200, 710, 650},
                 {QStringLiteral("时间"), 18850, 710, 650}},
    .rowLabels = DayLabels,
    .firstStatItem = 27,
    .extremes = {{QStringLiteral("净全辐射月最大辐照度"), 5, 0, 3900, 1300, 1950, true},
                 {QStringLiteral("净全辐射月最小辐照度"), 9, 8450, 3900, 1300, 1950}},
    .extremesDashX = {16900, 17550, 18200, 18850},
    .headingRules = {{16250, 1110, 1510}, {16900, 310, 1510}, {18200, 310, 1510}, {19500, 310, 1510}},
    .closingRuleInRowHeadings = true,
    .bodyRules = {{0, 12730, 19500}},
    .bodyVerticals = {{0, 310, 12730}, {16250, 1110, 12400}, {16900, 310, 12730}, {18200, 310, 12730},
                      {19500, 310, 12730}},
    .pageNumber = QStringLiteral("-3-"),
};

const RadiationTablePage DiffuseRadiationPage{
    .cornerText = QStringLiteral("日期"),
    .rowHeadingWidth = 870,
    .columnWidth = 690,
    .columnCount = 27,
    .dayTable = &RTables::RDiffuseRadiation,
    .title = QStringLiteral("时、日散射辐射曝辐量Hd、Dd(0.01MJ·"),
    .titleWidth = 17250,
    .extraLabels = QStringLiteral("日总量,W,时分"),
    .glyphAfterLabel = {25},
    .headings = {{QStringLiteral("日最大"), 18120, 310, 1380},
                 {QStringLiteral("Ed"), 18120, 710, 690},
                 {QStringLiteral("时间"), 18810, 710, 690}},
    .rowLabels = DayLabels,
    .firstStatItem = 52,
    .extremes = {{QStringLiteral("散射辐射月最大辐照度"), 13, 0, 3630, 1380, 2070}},
    .headingRules = {{17430, 1110, 1510}, {18120, 310, 1510}, {19500, 310, 1510}},
    .bodyRules = {{0, 12730, 8460}},
    .bodyVerticals = {{0, 310, 12730}, {17430, 1110, 12400}, {18120, 310, 12400}, {8460, 12400, 12730},
                      {19500, 310, 12400}},
    .pageNumber = QStringLiteral("-4-"),
};

const RadiationTablePage DirectRadiationPage{
    .cornerText = QStringLiteral("日期"),
    .rowHeadingWidth = 650,
    .columnWidth = 650,
    .columnCount = 28,
    .lastColumnWidth = 1300,
    .dayTable = &RTables::RDirectRadiation,
    .title = QStringLiteral("时、日太阳直接辐射曝辐量Hs、Ds(0.01MJ·"),
    .titleWidth = 16250,
    .extraLabels = QStringLiteral("日总量,W,时分,0.01MJ·"),
    .glyphAfterLabel = {25, 27},
    .smallLabel = 27,
    .headings = {{QStringLiteral("日最大"), 16900, 310, 1300},
                 {QStringLiteral("水平面直射日总量  "), 18200, 310, 1300, 800, 5},
                 {QStringLiteral("s"), 16900, 710, 650},
                 {QStringLiteral("时间"), 17550, 710, 650}},
    .rowLabels = DayLabels,
    .firstStatItem = 77,
    .extraStat = {28, 102, true},
    .extremes = {{QStringLiteral("太阳直接辐射月最大辐照度"), 17, 0, 3250, 1300, 1300}},
    .headingRules = {{16250, 1110, 1510}, {16900, 310, 1510}, {18200, 310, 1510}, {19500, 310, 1510}},
    .closingRuleInRowHeadings = true,
    .bodyRules = {{0, 12730, 7150}},
    .bodyVerticals = {{0, 310, 12730}, {7150, 12400, 12730}, {16250, 1110, 12400}, {16900, 310, 12400},
                      {18200, 310, 12400}, {19500, 310, 12400}},
    .pageNumber = QStringLiteral("-5-"),
};

const RadiationTablePage ReflectedRadiationPage{
    .cornerText = QStringLiteral("日期"),
    .rowHeadingWidth = 562,
    .columnWidth = 557,
    .columnCount = 34,
    .dayTable = &RTables::RReflectedRadiation,
    .title = QStringLiteral("时、日反射辐射曝辐量Hr、Dr(0.01MJ·"),
    .titleWidth = 13925,
    .extraLabels = QStringLiteral("日总量,0.01,W,时分,9,12,15,9,12,15"),
    .glyphAfterLabel = {26},
    .headings = {{QStringLiteral("日反射比Dk"), 14487, 310, 557, 800, 3},
                 {QStringLiteral("日最大"), 15044, 310, 1114},
                 {QStringLiteral("太阳直接辐射SW      "), 16158, 310, 1671, 800, 7, true},
                 {QStringLiteral("浑浊度指标Tg0.01   "), 17829, 310, 1671, 800, 7},
                 {QStringLiteral("Er"), 15044, 710, 557},
                 {QStringLiteral("时间"), 15601, 710, 557}},
    .rowLabels = DayLabels,
    .firstStatItem = 103,
    .statColumns = 26,
    .extremes = {{QStringLiteral("反射辐射月最大辐照度"), 21, 0, 3347, 1114, 1671}},
    .headingRules = {{13930, 1110, 1510}, {14487, 310, 1510}, {15044, 310, 1510}, {16158, 310, 1510},
                     {17829, 310, 1510}, {19500, 310, 1510}},
    .bodyRules = {{0, 12730, 7246}},
    .bodyVerticals = {{0, 310, 12730}, {7246, 12400, 12730}, {13930, 1110, 12400}, {14487, 310, 12400},
                      {15044, 310, 12400}, {16158, 310, 12400}, {17829, 310, 12400}, {19500, 310, 12400}},
    .pageNumber = QStringLiteral("-6-"),
};

void PrintRadiationTotalPage(Component& c) { DrawRadiationTablePage(c, TotalRadiationPage); }
void PrintRadiationNetPage(Component& c) { DrawRadiationTablePage(c, NetRadiationPage); }
void PrintRadiationDiffusePage(Component& c) { DrawRadiationTablePage(c, DiffuseRadiationPage); }
void PrintRadiationDirectPage(Component& c) { DrawRadiationTablePage(c, DirectRadiationPage); }
void PrintRadiationReflectedPage(Component& c) { DrawRadiationTablePage(c, ReflectedRadiationPage); }

namespace {
const bool registered = [] {
    RegisterRenderer(RendererId::PrintRadiationTotalPage,
                     [](Component& c, const RendererArgs&) { PrintRadiationTotalPage(c); });
    RegisterRenderer(RendererId::PrintRadiationNetPage,
                     [](Component& c, const RendererArgs&) { PrintRadiationNetPage(c); });
    RegisterRenderer(RendererId::PrintRadiationDiffusePage,
                     [](Component& c, const RendererArgs&) { PrintRadiationDiffusePage(c); });
    RegisterRenderer(RendererId::PrintRadiationDirectPage,
                     [](Component& c, const RendererArgs&) { PrintRadiationDirectPage(c); });
    RegisterRenderer(RendererId::PrintRadiationReflectedPage,
                     [](Component& c, const RendererArgs&) { PrintRadiationReflectedPage(c); });
    return true;
}();
}  // namespace

}  // namespace tabulon
