#include "host/forms/UpDown.h"

#include <QLineEdit>
#include <QToolButton>
#include <QVBoxLayout>

#include <algorithm>

TUpDown::TUpDown(QWidget* parent)
    : QWidget(parent), up_(new QToolButton(this)), down_(new QToolButton(this)) {
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    up_->setArrowType(Qt::UpArrow);
    down_->setArrowType(Qt::DownArrow);
    for (QToolButton* b : {up_, down_}) {
        b->setFixedSize(16, 11);
        layout->addWidget(b);
    }
    connect(up_, &QToolButton::pressed, this, [this] { step(+1); });
    connect(down_, &QToolButton::pressed, this, [this] { step(-1); });
    connect(up_, &QToolButton::released, this, &TUpDown::released);
    connect(down_, &QToolButton::released, this, &TUpDown::released);
}

void TUpDown::SetRange(int min, int max) {
    min_ = std::min(min, max);
    max_ = std::max(min, max);
}

void TUpDown::step(int direction) {
    if (edit_ == nullptr)
        return;
    const int value = std::clamp(edit_->text().toInt() + direction * step_, min_, max_);
    edit_->setText(QString::number(value));
}
