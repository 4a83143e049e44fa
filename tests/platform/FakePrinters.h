#pragma once
// Printers for tests: they record every setting in order, count print jobs, and keep the
// spooler's forms in a list that can refuse additions, opening or selection.

#include "platform/PaperForms.h"
#include "platform/Printer.h"
#include "platform/Surface.h"
#include "platform/ReportError.h"

#include <QStringList>
#include <functional>
#include <map>
#include <memory>
#include <vector>

namespace tabulon::test {

// Counts what is drawn per job; EndDoc after drawing closes a job.
class JobCountingSurface : public Surface {
public:
    void Line(double, double, double, double) override { drawn(); }
    void Print(const QString& text) override { drawn(); texts << text; }
    double TextWidth(const QString& text) override { return 100.0 * text.size(); }
    double TextHeight(const QString&) override { return 200; }
    void SetFontName(const QString& family) override { font_ = family; }
    QString FontName() const override { return font_; }
    void SetFontSize(double points) override { size_ = points; }
    double FontSize() const override { return size_; }
    void EndDoc() override
    {
        if (open_)
            ++jobs;
        open_ = false;
    }

    int jobs = 0;
    QStringList texts;

private:
    void drawn() { open_ = true; }
    bool open_ = false;
    QString font_;
    double size_ = 9;
};

class FakePrinter : public Printer {
public:
    FakePrinter(QString name, QString port) : name_(std::move(name)), port_(std::move(port)) {}

    QString DeviceName() const override { return name_; }
    QString Port() const override { return port_; }
    std::int16_t Orientation() const override { return orientation; }
    void SetOrientation(std::int16_t o) override
    {
        if (o != PrinterOrientation::Portrait && o != PrinterOrientation::Landscape)
            throw ReportError::invalidPropertyValue();
        orientation = o;
        record(QStringLiteral("orientation %1").arg(o));
    }
    std::int16_t PaperSize() const override { return paperSize; }
    void SetPaperSize(std::int16_t code) override
    {
        if (rejectPaper)
            throw ReportError::invalidPropertyValue();
        paperSize = code;
        record(QStringLiteral("paper %1").arg(code));
    }
    double Width() const override { return width; }
    double Height() const override { return height; }
    void SetWidth(double twips) override
    {
        width = twips;
        paperSize = PaperSizeCode::User;
        record(QStringLiteral("width %1").arg(twips));
    }
    void SetHeight(double twips) override
    {
        height = twips;
        paperSize = PaperSizeCode::User;
        record(QStringLiteral("height %1").arg(twips));
    }
    Surface& surface() override { return jobs; }

    void selectForm(const PaperForm& form)
    {
        paperSize = PaperSizeCode::User;
        width = form.size.cx * 1440.0 / 25400.0;
        height = form.size.cy * 1440.0 / 25400.0;
        record(QStringLiteral("form ") + form.name);
    }

    std::int16_t orientation = PrinterOrientation::Portrait;
    std::int16_t paperSize = PaperSizeCode::A4;
    double width = 11906;
    double height = 16838;
    bool rejectPaper = false;
    QStringList log;
    std::function<void(const QString&)> onSetting;   // sees every setting as it is made
    JobCountingSurface jobs;

private:
    void record(const QString& what)
    {
        log << what;
        if (onSetting)
            onSetting(what);
    }
    QString name_;
    QString port_;
};

class FakePrinterCollection;

class FakeSpooler : public PaperFormSpooler {
public:
    explicit FakeSpooler(FakePrinterCollection& printers) : printers_(printers) {}
    std::unique_ptr<PrinterFormHandle> OpenPrinter(const QString& deviceName) override;

    std::map<QString, std::vector<PaperForm>> forms;   // by device name
    bool refuseOpen = false;
    bool refuseAdd = false;
    bool refuseSelect = false;
    int added = 0;
    int openHandles = 0;

private:
    FakePrinterCollection& printers_;
};

class FakePrinterCollection : public PrinterCollection {
public:
    FakePrinterCollection() = default;
    explicit FakePrinterCollection(const QStringList& names)
    {
        for (const QString& n : names)
            add(n, QStringLiteral("port of ") + n);
    }

    FakePrinter& add(const QString& name, const QString& port)
    {
        printers.push_back(std::make_unique<FakePrinter>(name, port));
        spooler.forms[name] = {{QStringLiteral("A4"), {210000, 297000}}, {QStringLiteral("A3"), {297000, 420000}}};
        if (current < 0)
            current = 0;
        return *printers.back();
    }

    int Count() const override { return static_cast<int>(printers.size()); }
    QString DeviceName(int i) const override { return printers.at(static_cast<size_t>(i))->DeviceName(); }
    QString Port(int i) const override { return printers.at(static_cast<size_t>(i))->Port(); }
    Printer* CurrentPrinter() override { return current < 0 ? nullptr : printers[static_cast<size_t>(current)].get(); }
    FakePrinter* currentFake() { return current < 0 ? nullptr : printers[static_cast<size_t>(current)].get(); }
    bool SetCurrentPrinter(const QString& name) override
    {
        for (size_t i = 0; i < printers.size(); ++i) {
            if (printers[i]->DeviceName() == name) {
                current = static_cast<int>(i);
                return true;
            }
        }
        return false;
    }
    std::int16_t OrientationDialog(const QString& deviceName, QWidget*) override
    {
        dialogAskedFor = deviceName;
        return dialogOrientation;
    }
    PaperFormSpooler& Spooler() override { return spooler; }

    std::vector<std::unique_ptr<FakePrinter>> printers;
    int current = -1;
    std::int16_t dialogOrientation = 0;
    QString dialogAskedFor;
    FakeSpooler spooler{*this};
};

class FakeFormHandle : public PrinterFormHandle {
public:
    FakeFormHandle(FakeSpooler& spooler, FakePrinterCollection& printers, QString name)
        : spooler_(spooler), printers_(printers), name_(std::move(name)) { ++spooler_.openHandles; }
    ~FakeFormHandle() override { --spooler_.openHandles; }

    std::vector<PaperForm> EnumForms() override { return spooler_.forms[name_]; }
    bool AddForm(const PaperForm& form) override
    {
        if (spooler_.refuseAdd)
            return false;
        for (const PaperForm& f : spooler_.forms[name_])
            if (f.name == form.name)
                return false;
        spooler_.forms[name_].push_back(form);
        ++spooler_.added;
        return true;
    }
    bool DeleteForm(const QString& name) override
    {
        auto& list = spooler_.forms[name_];
        for (auto it = list.begin(); it != list.end(); ++it)
            if (it->name == name) {
                list.erase(it);
                return true;
            }
        return false;
    }
    bool SelectForm(const QString& name) override
    {
        FakePrinter* printer = printers_.currentFake();
        if (spooler_.refuseSelect || !printer || printer->DeviceName() != name_)
            return false;
        for (const PaperForm& f : spooler_.forms[name_])
            if (f.name == name) {
                printer->selectForm(f);
                return true;
            }
        return false;
    }

private:
    FakeSpooler& spooler_;
    FakePrinterCollection& printers_;
    QString name_;
};

inline std::unique_ptr<PrinterFormHandle> FakeSpooler::OpenPrinter(const QString& deviceName)
{
    if (refuseOpen || !forms.count(deviceName))
        return nullptr;
    return std::make_unique<FakeFormHandle>(*this, printers_, deviceName);
}

// Names of the forms a printer has now.
inline QStringList FormNames(FakeSpooler& spooler, const QString& printer)
{
    QStringList names;
    for (const PaperForm& f : spooler.forms[printer])
        names << f.name;
    return names;
}

}  // namespace tabulon::test
