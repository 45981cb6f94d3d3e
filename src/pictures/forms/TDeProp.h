// The die's property window: position and size, the outline, face and pip styles, die or
// domino and its orientation, the values, and the version in which the pips are shown.
#pragma once

#include "host/forms/PropFormWidget.h"

#include <memory>

class QButtonGroup;
class TvlDe;

namespace UiDeProp {
class TDeProp;
}

class TDeProp : public TPropFormWidget {
    Q_OBJECT
public:
    explicit TDeProp(TvlDe& composant, QWidget* parent = nullptr);
    ~TDeProp() override;

protected:
    void RemplirControles() override;

private:
    TvlDe& de() const;

    std::unique_ptr<UiDeProp::TDeProp> ui_;
    QButtonGroup* rgAspect = nullptr;
    QButtonGroup* rgOrientation = nullptr;
};
