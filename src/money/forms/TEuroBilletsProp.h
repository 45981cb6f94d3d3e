// The notes' property window: the count of each note, the sum, random notes, the same sum with
// other notes; the zoom, the gap, the colours, the face, the alignment and the version in which
// the notes are shown.
#pragma once

#include "money/forms/TCollectionProp.h"

class TvlEuroBillets;

namespace Forms::Ui {
class TEuroBilletsProp;
}

class TEuroBilletsProp : public TCollectionProp<TvlEuroBillets, Forms::Ui::TEuroBilletsProp> {
    Q_OBJECT
public:
    explicit TEuroBilletsProp(TvlEuroBillets& composant, QWidget* parent = nullptr);

protected:
    void RemplirControles() override;
};
