// Edits that accept numbers only: whole numbers (signed or not), and decimals with a comma
// (a typed point becomes a comma).
#pragma once

#include <QLineEdit>

class TIntegerEdit : public QLineEdit {
    Q_OBJECT
public:
    explicit TIntegerEdit(QWidget* parent = nullptr);
    int Value() const { return text().toInt(); }
    void SetValue(int v) { setText(QString::number(v)); }
};

// A whole number of 0 or more, shown with "%u".
class TCardinalEdit : public QLineEdit {
    Q_OBJECT
public:
    explicit TCardinalEdit(QWidget* parent = nullptr);
    unsigned Value() const { return text().toUInt(); }
    void SetValue(unsigned v) { setText(QString::number(v)); }
};

// A decimal number with a comma; `decimals` digits at most after it.
class TDecimalEdit : public QLineEdit {
    Q_OBJECT
public:
    explicit TDecimalEdit(QWidget* parent = nullptr, int decimals = 2);
    double Value() const;
    void SetValue(double v);

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    int decimals_;
};

// A real number with a comma and any number of decimals.
class TRealEdit : public TDecimalEdit {
    Q_OBJECT
public:
    explicit TRealEdit(QWidget* parent = nullptr) : TDecimalEdit(parent, 15) {}
};
