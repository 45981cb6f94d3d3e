// The page every property window opens on: the component's position and size in centimetres,
// and whether it is detachable and active. TPropFormWidget::LiePagePosition ties it to the keys.
#pragma once

#include <QWidget>

#include <memory>

namespace Forms::Ui {
class TPagePosition;
}

class TPagePosition : public QWidget {
    Q_OBJECT
public:
    explicit TPagePosition(QWidget* parent = nullptr);
    ~TPagePosition() override;

    // The page's controls, for the window that binds them.
    const Forms::Ui::TPagePosition& Controles() const { return *ui_; }

private:
    std::unique_ptr<Forms::Ui::TPagePosition> ui_;
};
