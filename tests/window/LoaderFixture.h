#pragma once
// A component with a scripted message box and the standard outside objects, the sample
// data folder, and small helpers to write damaged copies of the sample files.

#include "platform/MessageBox.h"
#include "support/FakePanes.h"
#include "report/Component.h"
#include "window/DataLoader.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

namespace tabulon::testing {

// The bundled files, as the chooser hands them over: a folder ending in "\" and a name.
inline QString SampleFolder()
{
    return QStringLiteral(TABULON_SOURCE_DIR "/data/sample/system/ReportFile/");
}

inline QByteArray ReadSample(const QString& name)
{
    QFile f(SampleFolder() + name);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

inline nlohmann::json SampleJson(const QString& name)
{
    const QByteArray bytes = ReadSample(name);
    return nlohmann::json::parse(bytes.constData(), bytes.constData() + bytes.size());
}

class LoaderTest : public ::testing::Test {
protected:
    LoaderTest()
    {
        auto box = std::make_unique<ScriptedMessageBox>();
        messages = box.get();
        component = std::make_unique<Component>(Services{std::move(box), nullptr});
        component->state.SystemPath = QStringLiteral("/sys/");
        component->setPanes(&panes);   // the first page is drawn after every load
    }

    Component& c() { return *component; }

    bool load(int reportKind, const QString& name, const QString& folder = SampleFolder())
    {
        c().state.ReportKind = static_cast<std::int16_t>(reportKind);
        return LoadReportFile(c(), folder, name);
    }

    // Writes bytes under `name` in a temporary folder and loads it.
    bool loadBytes(int reportKind, const QString& name, const QByteArray& bytes)
    {
        QFile f(temp.path() + u'/' + name);
        if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate) || f.write(bytes) != bytes.size())
            ADD_FAILURE() << "cannot write " << name.toStdString();
        f.close();
        return load(reportKind, name, temp.path() + u'/');
    }

    bool loadJson(int reportKind, const QString& name, const nlohmann::json& doc)
    {
        return loadBytes(reportKind, name, QByteArray::fromStdString(doc.dump()));
    }

    QTemporaryDir temp;
    test::FakePanes panes;
    ScriptedMessageBox* messages = nullptr;
    std::unique_ptr<Component> component;
};

}  // namespace tabulon::testing
