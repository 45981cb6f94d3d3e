#include "host/forms/ColorButton.h"

#include "host/forms/QtConversions.h"
#include "platform/UserInterface.h"

#include <QPainter>
#include <QPixmap>

TColorButton::TColorButton(QWidget* parent) : QToolButton(parent) {
    setToolButtonStyle(Qt::ToolButtonIconOnly);
    setIconSize(QSize(32, 14));
    SetColor(clBlack);
    connect(this, &QToolButton::clicked, this, &TColorButton::choose);
}

void TColorButton::SetColor(TColor color) {
    color_ = color;
    QPixmap swatch(iconSize());
    swatch.fill(ToQColor(color));
    QPainter painter(&swatch);
    painter.setPen(Qt::gray);
    painter.drawRect(swatch.rect().adjusted(0, 0, -1, -1));
    setIcon(QIcon(swatch));
}

void TColorButton::choose() {
    TColor chosen = color_;
    if (!Ui().ChooseColor(chosen))
        return;
    SetColor(chosen);
    emit colorChosen(chosen);
}
