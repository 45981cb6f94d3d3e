// What the property windows of the picture kinds share beyond the host's bindings: the four
// geometry edits and the common check boxes, the pair of toggle buttons that choose in which
// version of the sheet the picture's answer is shown, radio groups that send only on a real
// change, and refreshing the whole window after an action changed more than its own control.
#pragma once

#include "host/forms/PropFormWidget.h"

#include <QObject>

class QAbstractButton;
class QButtonGroup;
class QCheckBox;
class QLineEdit;

class TPicturePropForm : public TPropFormWidget {
    Q_OBJECT
public:
    using TPropFormWidget::TPropFormWidget;

protected:
    // Ties the geometry edits to keys 0 to 3 ("Gauche", "Haut", "Largeur", "Hauteur") and the
    // check boxes to the kind's "Detachable" and "Actif" keys.
    void LieCommuns(QLineEdit* orgX, QLineEdit* orgY, QLineEdit* sizeX, QLineEdit* sizeY,
                    QCheckBox* detachable, int indexDetachable, QCheckBox* actif, int indexActif);
    // Shows the position (from the page margins) and size in centimetres, and the flags.
    void RemplirCommuns();

    // Two toggle buttons, at most one down: the test version sends 1, the corrected version 2,
    // raising the button that was down sends 0.
    void LieMode(QAbstractButton* epreuve, QAbstractButton* corrige, int index);
    static void MontrerMode(QAbstractButton* epreuve, QAbstractButton* corrige, int mode);

    // A radio group whose key acts each time it is received: it sends the new button's id
    // when the checked button changes, and nothing for a click on the button already checked.
    void LieRadioChange(QButtonGroup* group, int index);

    // Refreshes every control once the signal's own send is done, for keys that change other
    // settings too (a frame turned, values drawn, a clear brush made solid).
    template <typename Sender, typename Signal>
    void RafraichirApres(Sender* sender, Signal signal) {
        connect(sender, signal, this, [this] { rafraichirSiLibre(); });
    }
    // The same for an edit on Enter; its text stays selected.
    void RafraichirApresEdit(QLineEdit* edit);

private:
    void rafraichirSiLibre();

    QLineEdit* orgX_ = nullptr;
    QLineEdit* orgY_ = nullptr;
    QLineEdit* sizeX_ = nullptr;
    QLineEdit* sizeY_ = nullptr;
    QCheckBox* detachable_ = nullptr;
    QCheckBox* actif_ = nullptr;
};
