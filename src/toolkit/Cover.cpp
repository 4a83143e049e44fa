#include "toolkit/Cover.h"

#include "toolkit/Numeric.h"
#include "toolkit/PageFrame.h"
#include "toolkit/Renderers.h"
#include "report/Component.h"

namespace tabulon {

namespace {

enum Line { StationNumber = 1, Archive, Period, StationName, Province, Address, Latitude, Longitude,
            FieldHeight, Height10, Height11, StationHead, Copier, FirstComputation, PreReview,
            Printer, ProofReader, SecondComputation, Reviewer, PlatformHeight };

// Where the monthly and yearly surface reports keep the cover's header values.
struct SurfaceHeader {
    int number, archive, year, month, latitude, longitude, field, pressure, wind, platform;
};
constexpr SurfaceHeader MonthlyHeader{7, 52, 2, 3, 8, 9, 10, 11, 12, 14};
constexpr SurfaceHeader YearlyHeader{5, 15, 2, 0, 6, 7, 8, 9, 10, 11};

QString AddressText(const QString& first, const QString& second)
{
    QString address = first + u'（' + second + u'）';
    address.remove(QStringLiteral("（）"));
    return address;
}

void FillSurfaceLines(std::array<QString, 20>& l, const ParameterBlock& para, const TextList& info,
                      const SurfaceHeader& h)
{
    auto at = [&](Line line) -> QString& { return l[static_cast<std::size_t>(line - 1)]; };
    at(StationNumber) = QStringLiteral("区站号  ") + para(h.number).toString();
    at(Archive) = QStringLiteral("档案号  ") + para(h.archive).toString();
    at(Period) = para(h.year).toString() + u'年';
    if (h.month != 0)
        at(Period) += para(h.month).toString() + u'月';
    at(StationName) = info(2);
    at(Province) = info(1);
    at(Address) = AddressText(info(3), info(4));
    at(Latitude) = CoverPositionText(para(h.latitude).toString());
    at(Longitude) = CoverPositionText(para(h.longitude).toString());
    at(FieldHeight) = para(h.field).toString();
    at(Height10) = para(h.pressure).toString();
    at(Height11) = para(h.wind).toString();
    at(StationHead) = info(5);
    at(Copier) = info(6);
    at(PreReview) = info(8);
    at(Printer) = info(10);
    at(ProofReader) = info(7);
    at(Reviewer) = info(9);
    at(PlatformHeight) = para(h.platform).toString();
}

void FillRadiationLines(std::array<QString, 20>& l, const ReportTables& t)
{
    auto at = [&](Line line) -> QString& { return l[static_cast<std::size_t>(line - 1)]; };
    const ParameterBlock& para = t.RfilePara;
    const TextList& info = t.RStationInfo;
    at(StationNumber) = QStringLiteral("区站号  ") + para(7).toString();
    at(Archive) = QStringLiteral("档案号  ") + info(1);
    at(Period) = para(2).toString() + u'年' + para(3).toString() + u'月';
    at(StationName) = info(3);
    at(Province) = info(2);
    at(Address) = AddressText(info(4), info(5));
    at(Latitude) = CoverPositionText(para(8).toString());
    at(Longitude) = CoverPositionText(para(9).toString());
    at(FieldHeight) = para(10).toString();
    at(Height10) = info(6) + u'、' + info(7) + u'、' + info(8);
    at(Height11) = info(9) + u'、' + info(10);
    at(StationHead) = info(11);
    at(Copier) = info(12);
    at(PreReview) = info(14);
    at(Printer) = info(16);
    at(ProofReader) = info(13);
    at(Reviewer) = info(15);
}

// The radiation station's class picks the form's suffix; any other value keeps (一).
QString RadiationFormNumber(const QVariant& stationClass)
{
    bool ok = false;
    const double value = stationClass.toString().trimmed().toDouble(&ok);
    if (ok && value == 2)
        return QStringLiteral("气  表 -33(二)");
    if (ok && value == 3)
        return QStringLiteral("气  表 -33(三)");
    return QStringLiteral("气  表 -33(一)");
}

struct CoverLabel {
    double y;
    const char16_t* text;
};

// Drawn for every kind.
constexpr CoverLabel IdentityLabels[] = {
    {4060, u"台(站)名____________________________________________________  "},
    {4560, u"省(市、自治区)______________________________________________  "},
    {5060, u"地    址 ___________________________________________________  "},
    {5560, u"纬    度_____________________ 经    度______________________  "},
    {6060, u"观   测   场   拔   海   高   度____________________________米"},
};
constexpr CoverLabel RadiometerLabels[] = {
    {6560, u"总 、散、直 辐 射 表 距 地 高 度____________________________米"},
    {7060, u"净 、反  辐 射 表  距  地  高 度____________________________米"},
};
constexpr CoverLabel PressureLabel{6560, u"气 压 感 应 部 分 拔  海  高  度____________________________米"};
constexpr CoverLabel PlatformLabels[] = {
    {7060, u"风 速 感 应 器 距 平  台  高  度____________________________米"},
    {7560, u"平   台    距     地    高    度____________________________米"},
};
constexpr CoverLabel GroundWindLabel{7060, u"风  速  感  应  器  距  地 高 度____________________________米"};
constexpr CoverLabel StaffLabels[] = {
    {8560, u"台 (站) 长_______________________                                "},
    {9060, u"抄录(录入)_______________________   校    对_____________________"},
    {9560, u"初      算_______________________   复    算_____________________"},
    {10060, u"预      审_______________________   审    核_____________________"},
    {10560, u"打      印_______________________                                "},
};

struct CoverValue {
    double y, x, w;
    Line line;
};

// Each value stands 75 twips above its label, on the underline.
constexpr CoverValue Values[] = {
    {3985, 7000, 6000, StationName}, {4485, 7000, 6000, Province}, {4985, 7000, 6000, Address},
    {5485, 6400, 3000, Latitude}, {5485, 11000, 3000, Longitude}, {5985, 10000, 3000, FieldHeight},
    {6485, 10000, 3000, Height10}, {6985, 10000, 3000, Height11},
};
constexpr CoverValue PlatformValue{7485, 10000, 3000, PlatformHeight};
constexpr CoverValue StaffValues[] = {
    {8485, 6000, 3000, StationHead}, {8985, 6000, 3000, Copier}, {9485, 6000, 3000, FirstComputation},
    {9985, 6000, 3000, PreReview}, {10485, 6000, 3000, Printer}, {8985, 11000, 3000, ProofReader},
    {9485, 11000, 3000, SecondComputation}, {9985, 11000, 3000, Reviewer},
};

void DrawCoverBody(Component& c, int coverKind, QString& context)
{
    Canvas& cv = c.canvas;
    const std::array<QString, 20> lines = CoverLines(c.tables, coverKind);
    auto line = [&](Line l) -> const QString& { return lines[static_cast<std::size_t>(l - 1)]; };

    cv.SetFont(14, 1);
    const QString formNumber = CoverFormNumber(c.tables, coverKind);
    context = QStringLiteral("打印") + formNumber;

    cv.TextAlign = 1;
    cv.PrintCell(-1, formNumber, 2000, 350, 500, 900);
    cv.PrintCell(-1, line(StationNumber), 2000, 350, 500, 1250);
    cv.PrintCell(-1, line(Archive), 2000, 350, 500, 1600);
    cv.TextAlign = 0;

    cv.SetFont(20, 1);
    if (coverKind == 3)
        cv.PrintCell(0, QStringLiteral("基    准    气    候    站"), LogicalPageWidth, 700, 0, 1300);

    cv.SetFont(28, 1);
    const QString title = coverKind == 4   ? QStringLiteral("地   面   气   象   记   录   年   报   表")
                          : coverKind == 5 ? QStringLiteral("气   象   辐   射   记   录   月   报   表")
                                           : QStringLiteral("地   面   气   象   记   录   月   报   表");
    cv.PrintCell(0, title, LogicalPageWidth, 700, 0, 2000);

    cv.SetFont(14, 1);
    cv.PrintCell(0, line(Period), LogicalPageWidth, 500, 0, 3100);

    const bool surface = coverKind != 5;
    const bool onPlatform = Val(line(PlatformHeight)) > 0;
    auto label = [&](const CoverLabel& l) {
        cv.PrintCell(0, QString::fromUtf16(l.text), LogicalPageWidth, 500, 0, l.y);
    };
    for (const CoverLabel& l : IdentityLabels)
        label(l);
    if (!surface) {
        for (const CoverLabel& l : RadiometerLabels)
            label(l);
    } else {
        label(PressureLabel);
        if (onPlatform) {
            for (const CoverLabel& l : PlatformLabels)
                label(l);
        } else {
            label(GroundWindLabel);
        }
    }
    for (const CoverLabel& l : StaffLabels)
        label(l);

    auto value = [&](const CoverValue& v) { cv.PrintCell(0, line(v.line), v.w, 500, v.x, v.y); };
    for (const CoverValue& v : Values)
        value(v);
    if (surface && onPlatform)
        value(PlatformValue);
    for (const CoverValue& v : StaffValues)
        value(v);

    cv.SetFont(25, 1);
    cv.PrintCell(0, QStringLiteral("r   o   r   o   d"), LogicalPageWidth, 700, 0, 12400);
}

const bool registered = RegisterRenderer(RendererId::PrintCover, [](Component& c, const RendererArgs& a) {
    PrintCover(c, a[0]);
});

}  // namespace

QString CoverPositionText(const QString& text)
{
    const double v = Val(text);
    const double degrees = Int(v);
    const double minutes = RoundHalfEven(v * 100 - degrees * 100);
    return QString::number(static_cast<long long>(degrees)) + QStringLiteral(" °") +
           QString::number(static_cast<long long>(minutes)).rightJustified(2, u'0') + QStringLiteral(" ′") +
           text.right(1);
}

std::array<QString, 20> CoverLines(const ReportTables& t, int coverKind)
{
    std::array<QString, 20> lines;
    switch (coverKind) {
    case 1:
    case 2:
    case 3:
        FillSurfaceLines(lines, t.AfilePara, t.AStationInfo, MonthlyHeader);
        break;
    case 4:
        FillSurfaceLines(lines, t.YfilePara, t.YStationInfo, YearlyHeader);
        break;
    case 5:
        FillRadiationLines(lines, t);
        break;
    default:
        break;
    }
    return lines;
}

QString CoverFormNumber(const ReportTables& t, int coverKind)
{
    QStringList forms = QStringLiteral("气  表-1 (人工),气  表-1 (自动),气  表-1 (基准),气    表 - 21,气  表 -33(一)")
                            .split(u',');
    forms[4] = RadiationFormNumber(t.RfilePara(11));
    if (coverKind < 1 || coverKind > forms.size())
        throw ReportError::subscriptOutOfRange();
    return forms[coverKind - 1];
}

void PrintCover(Component& c, int coverKind)
{
    QString context = QStringLiteral("打印");
    // `context` is read when an error is reported, after the form number has refined it.
    TrapAndReport(c, context, [&] {
        DrawInPasses(c, PaneLayout::bodyOnly(), [&](Pass pass) {
            if (pass == Pass::Body)
                DrawCoverBody(c, coverKind, context);
        });
        EndPrintedPage(c);
    });
}

}  // namespace tabulon
