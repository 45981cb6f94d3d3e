// A horizontal slide bar over a range of whole numbers.
#pragma once

#include <QSlider>

class TSlideBar : public QSlider {
public:
    explicit TSlideBar(QWidget* parent = nullptr) : QSlider(Qt::Horizontal, parent) {
        setTracking(false);
    }
};
