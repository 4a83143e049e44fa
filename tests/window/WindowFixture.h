#pragma once
// A component of its own with a scripted message box and a system folder in a temporary
// directory, for tests that drive the report window.

#include "platform/MessageBox.h"
#include "report/Component.h"
#include "window/frmReportOutPut.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace tabulon {

class WindowFixture : public ::testing::Test {
protected:
    WindowFixture()
    {
        auto box = std::make_unique<ScriptedMessageBox>();
        messages = box.get();
        c = std::make_unique<Component>(Services{std::move(box), nullptr});
        systemPath = dir.path() + QStringLiteral("/");
        c->state.SystemPath = systemPath;
    }

    // Opens the window and lets it come up, as after its first activation.
    frmReportOutPut& openWindow(std::int16_t reportKind = 1)
    {
        c->state.ReportKind = reportKind;
        frmReportOutPut& w = c->window();
        w.show();
        w.Form_Activate();
        return w;
    }

    // What the loader does after a good read.
    void loadReport(std::int16_t stationKind, std::int16_t pageCount)
    {
        c->state.StationKind = stationKind;
        c->state.PageCount = pageCount;
        c->state.CurrentPage = 1;
        frmReportOutPut& w = c->window();
        w.InitiativeControl(1);
        w.clearpicture();
        w.intbuttonmanu();
    }

    QTemporaryDir dir;
    QString systemPath;
    ScriptedMessageBox* messages = nullptr;
    std::unique_ptr<Component> c;
};

}  // namespace tabulon
