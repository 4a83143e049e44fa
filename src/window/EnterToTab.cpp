#include "window/EnterToTab.h"

#include <QApplication>
#include <QKeyEvent>
#include <QWidget>

namespace tabulon {

void EnterToTab(std::int16_t& KeyAscii)
{
    if (KeyAscii != 13)
        return;
    KeyAscii = 0;
    if (QWidget* focused = QApplication::focusWidget())
        QCoreApplication::postEvent(focused, new QKeyEvent(QEvent::KeyPress, Qt::Key_Tab, Qt::NoModifier));
}

}  // namespace tabulon
