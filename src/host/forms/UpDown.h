// Two arrow buttons that step the whole number of an edit between bounds; when an arrow is
// released the property window sends the edit's text.
#pragma once

#include <QWidget>

class QLineEdit;
class QToolButton;

class TUpDown : public QWidget {
    Q_OBJECT
public:
    explicit TUpDown(QWidget* parent = nullptr);
    void SetAssociate(QLineEdit* edit) { edit_ = edit; }
    QLineEdit* Associate() const { return edit_; }
    void SetRange(int min, int max);
    void SetIncrement(int step) { step_ = step; }
    QToolButton* UpButton() const { return up_; }
    QToolButton* DownButton() const { return down_; }

signals:
    // An arrow was released after stepping the edit.
    void released();

private:
    void step(int direction);

    QLineEdit* edit_ = nullptr;
    QToolButton* up_;
    QToolButton* down_;
    int min_ = 0;
    int max_ = 100;
    int step_ = 1;
};
