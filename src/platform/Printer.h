#pragma once
// The printer the pages are sent to, and the collection of installed printers.
// Sizes are in twips (1/1440 inch), as the page setup computes them.

#include <QString>
#include <QStringList>
#include <cstdint>

class QWidget;

namespace tabulon {

class Surface;
class PaperFormSpooler;

namespace PrinterOrientation {
constexpr std::int16_t Portrait = 1;
constexpr std::int16_t Landscape = 2;
}  // namespace PrinterOrientation

// Paper size codes of the printer object.
namespace PaperSizeCode {
constexpr std::int16_t A3 = 8;
constexpr std::int16_t A4 = 9;
constexpr std::int16_t B4 = 12;     // 250 x 354 mm
constexpr std::int16_t User = 256;  // a custom size or a named form of no standard code
}  // namespace PaperSizeCode

class Printer {
public:
    virtual ~Printer() = default;

    virtual QString DeviceName() const = 0;
    virtual QString Port() const = 0;

    virtual std::int16_t Orientation() const = 0;
    // 1 portrait, 2 landscape; any other value raises error 380.
    virtual void SetOrientation(std::int16_t orientation) = 0;

    virtual std::int16_t PaperSize() const = 0;
    // A code the printer does not know raises error 380.
    virtual void SetPaperSize(std::int16_t code) = 0;

    // The paper as it lies in the current orientation.
    virtual double Width() const = 0;
    virtual double Height() const = 0;
    // Each makes the paper a custom size of the new extent; a size that is not positive raises 380.
    virtual void SetWidth(double twips) = 0;
    virtual void SetHeight(double twips) = 0;

    // The drawing surface of the current print job. Drawing starts a job; EndDoc on the
    // surface sends it, so each page drawn between two EndDoc calls is a job of its own.
    virtual Surface& surface() = 0;

    // Why jobs sent since the last call were lost (an output file that could not be written
    // whole, a device that refused the job), one line each; empty when none was.
    virtual QStringList TakeOutputFailures() { return {}; }
};

// The installed printers in the system's order, and the one pages go to.
class PrinterCollection {
public:
    virtual ~PrinterCollection() = default;

    virtual int Count() const = 0;
    virtual QString DeviceName(int index) const = 0;   // 0 .. Count() - 1
    virtual QString Port(int index) const = 0;

    // The current printer; nullptr when no printer is installed.
    virtual Printer* CurrentPrinter() = 0;
    // Makes the first printer of that device name current; false (and no change) when none is.
    virtual bool SetCurrentPrinter(const QString& deviceName) = 0;

    // The driver's settings dialog for the named printer, owned by `owner`: the orientation
    // chosen there (1 or 2), or 0 when the printer cannot be opened or the user cancels.
    // Nothing else chosen there is applied.
    virtual std::int16_t OrientationDialog(const QString& deviceName, QWidget* owner) = 0;

    // The print spooler's form calls for these printers.
    virtual PaperFormSpooler& Spooler() = 0;
};

}  // namespace tabulon
