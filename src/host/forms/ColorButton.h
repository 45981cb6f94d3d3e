// A button showing a colour; a click opens the colour dialog and, when the user picks one,
// signals it.
#pragma once

#include "platform/Color.h"

#include <QToolButton>

class TColorButton : public QToolButton {
    Q_OBJECT
public:
    explicit TColorButton(QWidget* parent = nullptr);
    TColor Color() const { return color_; }
    // Shows a colour without signalling it.
    void SetColor(TColor color);

signals:
    void colorChosen(TColor color);

private:
    void choose();
    TColor color_ = clBlack;
};
