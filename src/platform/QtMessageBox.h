#pragma once
// Message boxes shown with Qt: the style code picks the buttons and the icon.

#include "platform/MessageBox.h"

namespace tabulon {

class QtMessageBox : public MessageBox {
public:
    int show(const QString& text, const QString& title, int style) override;
};

}  // namespace tabulon
