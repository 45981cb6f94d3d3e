// A combo box that refills itself each time it drops down, for lists that change while the
// window stays open (the components an operation can be shown on).
#pragma once

#include <QComboBox>

#include <functional>

class TComboRecepteurs : public QComboBox {
public:
    using QComboBox::QComboBox;

    // Called just before the list drops down.
    std::function<void()> AvantOuverture;

    void showPopup() override {
        if (AvantOuverture)
            AvantOuverture();
        QComboBox::showPopup();
    }
};
