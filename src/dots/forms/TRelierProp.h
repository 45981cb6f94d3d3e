// The connect-the-dots property window: position and size, the pen of lines and markers, the
// marker style, joining in every view, the labels' font, the version showing the points, and
// the points editor.
#pragma once

#include "host/forms/KindPropForm.h"

class TvlRelier;

namespace Forms::Ui {
class TRelierProp;
}

class TRelierProp : public TKindPropForm<TvlRelier, Forms::Ui::TRelierProp> {
    Q_OBJECT
public:
    explicit TRelierProp(TvlRelier& composant, QWidget* parent = nullptr);

protected:
    void RemplirControles() override;
};
