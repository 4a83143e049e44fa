#include "platform/QtMessageBox.h"

#include <QMessageBox>

namespace tabulon {

int QtMessageBox::show(const QString& text, const QString& title, int style)
{
    QMessageBox box;
    box.setWindowTitle(title);
    box.setText(text);
    const int buttons = style & 0x0F;
    const int icon = style & 0x70;
    switch (icon) {
    case 16: box.setIcon(QMessageBox::Critical); break;
    case 32: box.setIcon(QMessageBox::Question); break;
    case 48: box.setIcon(QMessageBox::Warning); break;
    case 64: box.setIcon(QMessageBox::Information); break;
    default: break;
    }
    switch (buttons) {
    case 1: box.setStandardButtons(QMessageBox::Ok | QMessageBox::Cancel); break;
    case 4: box.setStandardButtons(QMessageBox::Yes | QMessageBox::No); break;
    default: box.setStandardButtons(QMessageBox::Ok); break;
    }
    switch (box.exec()) {
    case QMessageBox::Cancel: return MsgAnswer::Cancel;
    case QMessageBox::Yes: return MsgAnswer::Yes;
    case QMessageBox::No: return MsgAnswer::No;
    default: return MsgAnswer::Ok;
    }
}

}  // namespace tabulon
