// The page every property window opens on: the component's position and size in centimetres,
// and whether it is detachable and active. TPropFormWidget::LiePageAspect ties it to the keys.
#pragma once

#include <QWidget>

#include <memory>

class QCheckBox;
class QGroupBox;
class TDecimalEdit;
namespace UiPageAspect {
class TPageAspect;
}

class TPageAspect : public QWidget {
    Q_OBJECT
public:
    explicit TPageAspect(QWidget* parent = nullptr);
    ~TPageAspect() override;

    QGroupBox* gbPosition;
    TDecimalEdit* edOrgX;
    TDecimalEdit* edOrgY;
    TDecimalEdit* edSizeX;
    TDecimalEdit* edSizeY;
    QGroupBox* gbOptions;
    QCheckBox* chkDetachable;
    QCheckBox* chkActif;

private:
    std::unique_ptr<UiPageAspect::TPageAspect> ui_;
};
