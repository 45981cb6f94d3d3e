#include "host/forms/ScaledImage.h"

#include <QResizeEvent>

TScaledImage::TScaledImage(QWidget* parent) : QLabel(parent) {
    setAlignment(Qt::AlignCenter);
    setMinimumSize(16, 16);
}

void TScaledImage::SetPicture(const TPicture& picture) {
    pixmap_ = QPixmap();
    if (!picture.Empty())
        pixmap_.loadFromData(picture.bytes().data(), uint(picture.bytes().size()));
    rescale();
}

void TScaledImage::resizeEvent(QResizeEvent* event) {
    QLabel::resizeEvent(event);
    rescale();
}

void TScaledImage::rescale() {
    if (pixmap_.isNull()) {
        clear();
        return;
    }
    setPixmap(pixmap_.scaled(size(), Qt::KeepAspectRatio, Qt::SmoothTransformation));
}
