// The page every property window opens on: the component's position and size in centimetres,
// and whether it is detachable and active. TPropFormWidget::LiePagePosition ties it to the keys.
#pragma once

#include <QWidget>

#include <memory>

class QCheckBox;
class QGroupBox;
class TDecimalEdit;
namespace Forms::Ui {
class TPagePosition;
}

class TPagePosition : public QWidget {
    Q_OBJECT
public:
    explicit TPagePosition(QWidget* parent = nullptr);
    ~TPagePosition() override;

    QGroupBox* gbPosition;
    TDecimalEdit* edOrgX;
    TDecimalEdit* edOrgY;
    TDecimalEdit* edSizeX;
    TDecimalEdit* edSizeY;
    QGroupBox* gbOptions;
    QCheckBox* chkDetachable;
    QCheckBox* chkActif;

private:
    std::unique_ptr<Forms::Ui::TPagePosition> ui_;
};
