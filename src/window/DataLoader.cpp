#include "window/DataLoader.h"

#include "outside/DataReader.h"
#include "toolkit/Dispatcher.h"
#include "toolkit/ErrorReporter.h"
#include "toolkit/Numeric.h"
#include "report/Component.h"
#include "window/frmReportOutPut.h"

#include <new>

namespace tabulon {

namespace {

const QString LoadContext = QStringLiteral("读报表数据文件");

// A Variant compared with True (-1).
bool EqualsTrue(const QVariant& v)
{
    if (v.typeId() == QMetaType::Bool)
        return v.toBool();
    bool numeric = false;
    const double d = v.toDouble(&numeric);
    return v.typeId() != QMetaType::QString && numeric && d == -1;
}

// A Variant compared with False: Empty, False and the number 0 are equal to it.
bool EqualsFalse(const QVariant& v)
{
    if (!v.isValid() || v.isNull())
        return true;
    if (v.typeId() == QMetaType::Bool)
        return !v.toBool();
    bool numeric = false;
    const double d = v.toDouble(&numeric);
    return v.typeId() != QMetaType::QString && numeric && d == 0;
}

// A Variant compared as a number: Empty is 0, a text must be a number.
double AsNumber(const QVariant& v)
{
    if (!v.isValid() || v.isNull())
        return 0;
    if (v.typeId() == QMetaType::QString) {
        const QString text = v.toString();
        if (!IsNumeric(text))
            throw ReportError::typeMismatch();
        return Val(text.trimmed());
    }
    bool ok = false;
    const double d = v.toDouble(&ok);
    if (!ok)
        throw ReportError::typeMismatch();
    return d;
}

// Days in the month: 28..31 and within the day bound of every day table.
template <typename Tables>
bool DaysFitTables(const QVariant& daysValue, const Tables& dayTables)
{
    if (daysValue.typeId() == QMetaType::QString && !IsNumeric(daysValue.toString()))
        return false;
    const double days = AsNumber(daysValue);
    if (days < 28 || days > 31 || days != Int(days))
        return false;
    for (const TextTable* t : dayTables) {
        if (!t->allocated() || t->lbound(1) > 1 || t->ubound(1) < days)
            return false;
    }
    return true;
}

void ClearLoneCommas(TextTable& wetBulb)
{
    for (int i = 1; i <= wetBulb.ubound(1); ++i)
        for (int j = 1; j <= wetBulb.ubound(2); ++j)
            if (wetBulb(i, j) == u",")
                wetBulb(i, j) = QString();
}

// The common tail: page 1 of the new report, the window's controls and menus, the page drawn.
void ShowFirstPage(Component& c)
{
    frmReportOutPut& w = c.window();
    w.InitiativeControl(1);
    w.clearpicture();
    w.intbuttonmanu();
    PrintReportPage(c);
}

void RefuseAFile(Component& c)
{
    c.messages().show(QStringLiteral("A文件读取不成功,请检查A文件格式是否正确"),
                      QStringLiteral("读取A文件"), MsgStyle::OkCancelExclamation);
}

void RefuseRFile(Component& c)
{
    c.messages().show(QStringLiteral("R文件读取不成功,请检查R文件格式是否正确"),
                      QStringLiteral("读取R文件"), MsgStyle::OkCancelExclamation);
}

// Past this point the new report is taken over, so the chooser closes whatever follows.
struct Commit {
    bool done = false;
};

// The file's tables are taken: the report opens on its first page.
void OpenOnFirstPage(Component& c, Commit& commit, bool readInPart = false)
{
    c.state.CurrentPage = 1;
    c.state.ReadInPart = readInPart;
    commit.done = true;
    ShowFirstPage(c);
}

// Takes the tables of a file read whole, whose kind sets the layout and page count. A file
// of no known kind is never drawn in the layout of the report shown before: it is refused
// while a report is shown.
template <typename Tables>
void TakeKindedFile(Component& c, Tables&& read, std::optional<std::int16_t> kind,
                    std::optional<std::int16_t> (*pageCountOf)(std::int16_t), void (*refuse)(Component&),
                    Commit& commit)
{
    if (!kind && c.state.StationKind != 0) {
        refuse(c);
        return;
    }
    static_cast<Tables&>(c.tables) = std::move(read);
    if (kind) {
        c.state.StationKind = *kind;
        c.state.PageCount = *pageCountOf(*kind);
    }
    OpenOnFirstPage(c, commit);
}

void LoadAFile(Component& c, const QString& path, Commit& commit)
{
    ATables a;
    {
        std::unique_ptr<DataReader> reader = c.objects().Create<DataReader>(ProgId::DataReader);
        reader->InitiativeAfilePara(AList::of(a));
        a.AfilePara(1) = path;
        QString systemPath = c.state.SystemPath;
        reader->ReadAfile(systemPath, AList::of(a));
        if (!EqualsTrue(a.AfilePara(6)) ||
            !DaysFitTables(a.AfilePara(4), AElementTables::of(a).all())) {
            RefuseAFile(c);
            return;
        }
        ClearLoneCommas(a.AWetBulb);
        a.AStatResult = 0;
        reader->InitiativeAfileStatistic(AStatisticsList::of(a));
        reader->AFileMonthStatistic(a.AfilePara, a.AfileMode, AElementTables::of(a),
                                    AStatisticsList::of(a), a.AStatResult);
    }
    const std::optional<std::int16_t> kind = StationKindOf(a.AfilePara, a.AfileMode);
    TakeKindedFile(c, std::move(a), kind, SurfacePageCount, RefuseAFile, commit);
}

void LoadRFile(Component& c, const QString& path, Commit& commit)
{
    RTables r;
    r.RfilePara(1) = path;
    std::unique_ptr<DataReader> reader = c.objects().Create<DataReader>(ProgId::DataReader);
    QString systemPath = c.state.SystemPath;
    reader->ReadRfile(systemPath, r.RfilePara, r.RTotalRadiation, r.RNetRadiation,
                      r.RDiffuseRadiation, r.RDirectRadiation, r.RReflectedRadiation,
                      r.RInstruments, r.RSiteDescription, r.RSiteDescription2,
                      r.RSiteDescription2, r.RNotes, r.RStationInfo);
    const std::array<const TextTable*, 5> dayTables{&r.RTotalRadiation, &r.RNetRadiation,
                                                    &r.RDiffuseRadiation, &r.RDirectRadiation,
                                                    &r.RReflectedRadiation};
    if (!EqualsTrue(r.RfilePara(6)) || !DaysFitTables(r.RfilePara(4), dayTables)) {
        RefuseRFile(c);
        return;
    }
    reader->RFileMonthStatistic(r.RfilePara, r.RTotalRadiation, r.RNetRadiation,
                                r.RDiffuseRadiation, r.RDirectRadiation, r.RReflectedRadiation,
                                r.RInstruments, r.RSiteDescription, r.RSiteDescription2,
                                r.RExtraTable, r.RNotes, r.RStationInfo, r.RMonthStat,
                                r.RMonthExtremes);
    reader.reset();

    std::optional<std::int16_t> radiationClass;
    const double classValue = AsNumber(r.RfilePara(11));
    for (std::int16_t k = 1; k <= 3; ++k)
        if (classValue == k)
            radiationClass = k;
    TakeKindedFile(c, std::move(r), radiationClass, RadiationPageCount, RefuseRFile, commit);
}

void LoadYFile(Component& c, const QString& path, Commit& commit)
{
    YTables y;
    y.YfilePara(1) = path;
    {
        std::unique_ptr<DataReader> reader = c.objects().Create<DataReader>(ProgId::DataReader);
        QString filePath = path;
        reader->ReadYFile(filePath, y.YfilePara, y.YMonthStat, y.YMaxPrecipitation,
                          y.YFirstLastDates, y.YWindStat, y.YWindYearRow, y.YStationInfo,
                          y.YClimateSummary, y.YNotes, y.YInstruments);
    }
    // Only a warning: the report is shown from whatever the reader left.
    const bool readInPart = EqualsFalse(y.YfilePara(4));
    if (readInPart)
        c.messages().show(QStringLiteral("Y文件不能正确读取,报表不能完整输出"), QStringLiteral("警告"),
                          MsgStyle::Critical);
    static_cast<YTables&>(c.tables) = std::move(y);
    c.state.PageCount = 6;
    OpenOnFirstPage(c, commit, readInPart);
}

}  // namespace

std::optional<std::int16_t> StationKindOf(const ParameterBlock& AfilePara, const TextList& AfileMode)
{
    const double observations = AsNumber(AfilePara(16));
    const bool manual = AfilePara(17).toString() == u"人工";
    const bool reference = AfilePara(15).toString() == u"基准站";
    const bool shallowB = AfileMode(16) == u"B";
    const bool deepB = AfileMode(17) == u"B";

    // Every test that holds sets the kind: the last one wins.
    std::optional<std::int16_t> kind;
    if (manual && (observations == 3 || observations == 4))
        kind = ManualStation;
    if (!manual && observations != 24)
        kind = AutomaticStation;
    if (reference && (observations == 8 || observations == 24) && shallowB)
        kind = ReferenceStation;
    if (reference && observations == 24 && !shallowB)
        kind = ReferenceManualGround;
    if (!manual && observations != 24 && !shallowB && !deepB)
        kind = AutomaticManualGround;
    return kind;
}

std::optional<std::int16_t> SurfacePageCount(std::int16_t stationKind)
{
    switch (stationKind) {
    case ManualStation: return 13;
    case AutomaticStation: return 30;
    case ReferenceStation: return 37;
    case ReferenceManualGround: return 29;
    case AutomaticManualGround: return 22;
    default: return std::nullopt;
    }
}

std::optional<std::int16_t> RadiationPageCount(std::int16_t radiationClass)
{
    switch (radiationClass) {
    case 1: return 7;
    case 2: return 4;
    case 3: return 3;
    default: return std::nullopt;
    }
}

bool LoadReportFile(Component& c, const QString& folder, const QString& fileName)
{
    const QString path = folder + fileName;
    Commit commit;
    try {
        switch (c.state.ReportKind) {
        case MonthlySurfaceReport: LoadAFile(c, path, commit); break;
        case MonthlyRadiationReport: LoadRFile(c, path, commit); break;
        case YearlySurfaceReport: LoadYFile(c, path, commit); break;
        default: break;
        }
    } catch (const ReportError& e) {
        ShowError(c, LoadContext, e);
    } catch (const std::bad_alloc&) {
        ShowError(c, LoadContext, ReportError(7, QStringLiteral("内存不足")));
    } catch (const std::exception&) {
        ShowError(c, LoadContext, ReportError(51, QStringLiteral("内部错误")));
    }
    return commit.done;
}

}  // namespace tabulon
