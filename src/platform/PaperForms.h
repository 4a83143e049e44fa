#pragma once
// The print spooler's paper forms: named paper sizes a printer offers, to which a user
// form can be added, and which can be made the paper of the printer's next page.

#include <QString>
#include <cstdint>
#include <memory>
#include <vector>

namespace tabulon {

// A form size in thousandths of a millimetre.
struct FormSize {
    std::int32_t cx = 0;
    std::int32_t cy = 0;
    bool operator==(const FormSize&) const = default;
};

struct PaperForm {
    QString name;
    FormSize size;
};

// An open printer of the spooler; closed when destroyed.
class PrinterFormHandle {
public:
    virtual ~PrinterFormHandle() = default;
    // Every form of the printer, in the spooler's order.
    virtual std::vector<PaperForm> EnumForms() = 0;
    // False when the spooler refuses the form (for example when the name is taken).
    virtual bool AddForm(const PaperForm& form) = 0;
    // False when there is no user form of that name.
    virtual bool DeleteForm(const QString& name) = 0;
    // Merges the form into the printer's settings and resets the printer's device context,
    // so that the next page is printed on it. False when the driver does not take it.
    virtual bool SelectForm(const QString& name) = 0;
};

class PaperFormSpooler {
public:
    virtual ~PaperFormSpooler() = default;
    // nullptr when the printer cannot be opened.
    virtual std::unique_ptr<PrinterFormHandle> OpenPrinter(const QString& deviceName) = 0;
};

}  // namespace tabulon
