#pragma once
// The heaviest bundled report for the benchmarks: a copy of the sample system folder with
// the reference station's 37-page monthly report loaded, made once per run.

#include "platform/MessageBox.h"
#include "report/Component.h"
#include "window/DataLoader.h"
#include "window/frmReportOutPut.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QTemporaryDir>
#include <memory>

namespace tabulon::bench {

inline const QString ReferenceReportFile = QStringLiteral("A50953-200303.TXT");

struct LoadedReport {
    QTemporaryDir dir;
    QString sys;   // the copied system folder, ending in "/"
    std::unique_ptr<Component> c;
    bool ok = false;

    LoadedReport()
    {
        const QString sample = QStringLiteral(TABULON_SOURCE_DIR "/data/sample/system");
        sys = dir.path() + QStringLiteral("/");
        QDirIterator it(sample, QDir::Files, QDirIterator::Subdirectories);
        while (it.hasNext()) {
            const QString from = it.next();
            const QString to = sys + QDir(sample).relativeFilePath(from);
            QDir().mkpath(QFileInfo(to).path());
            QFile::copy(from, to);
        }
        c = std::make_unique<Component>(Services{std::make_unique<ScriptedMessageBox>(), nullptr});
        c->state.SystemPath = sys;
        c->state.ReportKind = MonthlySurfaceReport;
        c->window();
        LoadReportFile(*c, sys + QStringLiteral("ReportFile\\"), ReferenceReportFile);
        ok = c->state.StationKind == ReferenceStation && c->state.PageCount == 37;
    }
};

inline LoadedReport& ReferenceReport()
{
    static LoadedReport r;
    return r;
}

}  // namespace tabulon::bench
