#pragma once
// A component whose printers are fakes and whose message boxes are recorded.

#include "platform/FakePrinters.h"
#include "platform/MessageBox.h"
#include "report/Component.h"

namespace tabulon::test {

struct PrintTestComponent {
    explicit PrintTestComponent(const QStringList& printerNames = {QStringLiteral("Laser")})
        : c(makeServices(printerNames, box, printers))
    {
    }

    FakePrinter& printer() { return *printers->currentFake(); }

    ScriptedMessageBox* box = nullptr;
    FakePrinterCollection* printers = nullptr;
    Component c;

private:
    static Services makeServices(const QStringList& names, ScriptedMessageBox*& box, FakePrinterCollection*& printers)
    {
        auto messages = std::make_unique<ScriptedMessageBox>();
        auto collection = std::make_unique<FakePrinterCollection>(names);
        box = messages.get();
        printers = collection.get();
        Services s{std::move(messages), nullptr};
        s.printers = std::move(collection);
        return s;
    }
};

}  // namespace tabulon::test
