// The clock's property window: position and size; the pen and brush of the dial or of one
// hand, chosen with a selector; the time shown, the hands and numbers shown, the numbers'
// font, and the version in which the hands are shown.
#pragma once

#include "host/forms/KindPropForm.h"

#include <memory>

#include <string>

class TvlMontre;

namespace Forms::Ui {
class TMontreProp;
}

class TMontreProp : public TKindPropForm<TvlMontre, Forms::Ui::TMontreProp> {
    Q_OBJECT
public:
    // The parts whose pen and brush the style page edits, in the selector's order.
    enum Element : int { MONTRE = 0, AIGUILLE_HEURES, AIGUILLE_MINUTES, AIGUILLE_SECONDES };

    explicit TMontreProp(TvlMontre& composant, QWidget* parent = nullptr);

protected:
    void RemplirControles() override;

private:
    Element element() const;
    // The key of the part the selector shows for a pen or brush setting; -1 for the second
    // hand's brush, which it has not.
    int indexStyle(TCadreStyle::Champ champ) const;
};
