// A horizontal slide bar over a range of whole numbers.
#pragma once

#include <QSlider>

class TSlideBar : public QSlider {
    Q_OBJECT
public:
    explicit TSlideBar(QWidget* parent = nullptr) : QSlider(Qt::Horizontal, parent) {
        setTracking(false);
    }
};
