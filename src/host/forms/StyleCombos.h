// Combo boxes listing the pen styles (0..6) and brush styles (0..7) in their stored order,
// each item drawn as a sample.
#pragma once

#include <QComboBox>

class TPenStyleCombo : public QComboBox {
    Q_OBJECT
public:
    explicit TPenStyleCombo(QWidget* parent = nullptr);
};

class TBrushStyleCombo : public QComboBox {
    Q_OBJECT
public:
    explicit TBrushStyleCombo(QWidget* parent = nullptr);
};
