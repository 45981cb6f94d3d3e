// Shows a picture scaled to fit its area, keeping its proportions.
#pragma once

#include "platform/Picture.h"

#include <QLabel>
#include <QPixmap>

class TScaledImage : public QLabel {
    Q_OBJECT
public:
    explicit TScaledImage(QWidget* parent = nullptr);
    void SetPicture(const TPicture& picture);
    bool Empty() const { return pixmap_.isNull(); }

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    void rescale();
    QPixmap pixmap_;
};
