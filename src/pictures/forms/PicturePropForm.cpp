#include "pictures/forms/PicturePropForm.h"

#include "host/Composant.h"
#include "host/forms/QtConversions.h"

#include <QAbstractButton>
#include <QButtonGroup>
#include <QCheckBox>
#include <QLineEdit>

#include <string>

void TPicturePropForm::LieCommuns(QLineEdit* orgX, QLineEdit* orgY, QLineEdit* sizeX,
                                  QLineEdit* sizeY, QCheckBox* detachable, int indexDetachable,
                                  QCheckBox* actif, int indexActif) {
    orgX_ = orgX;
    orgY_ = orgY;
    sizeX_ = sizeX;
    sizeY_ = sizeY;
    detachable_ = detachable;
    actif_ = actif;
    LieEdit(orgX, 0);
    LieEdit(orgY, 1);
    LieEdit(sizeX, 2);
    LieEdit(sizeY, 3);
    LieCheck(detachable, indexDetachable);
    LieCheck(actif, indexActif);
}

void TPicturePropForm::RemplirCommuns() {
    const TComposant& composant = *Composant();
    const vlRect r = composant.Rect.Normalise();
    const vlPoint marges = composant.OrgMarges();
    orgX_->setText(::Centimetres(r.left - marges.x));
    orgY_->setText(::Centimetres(r.top - marges.y));
    sizeX_->setText(::Centimetres(r.Width()));
    sizeY_->setText(::Centimetres(r.Height()));
    detachable_->setChecked(composant.Detachable);
    actif_->setChecked(composant.Activable());
}

void TPicturePropForm::LieMode(QAbstractButton* epreuve, QAbstractButton* corrige, int index) {
    const auto lie = [this, index](QAbstractButton* bouton, QAbstractButton* autre, int mode) {
        bouton->setCheckable(true);
        connect(bouton, &QAbstractButton::clicked, this, [this, index, autre, mode](bool bas) {
            if (MiseAJour())
                return;
            if (bas)
                autre->setChecked(false);
            EcrireOptions(index, std::to_string(bas ? mode : 0));
        });
    };
    lie(epreuve, corrige, 1);
    lie(corrige, epreuve, 2);
}

void TPicturePropForm::MontrerMode(QAbstractButton* epreuve, QAbstractButton* corrige, int mode) {
    epreuve->setChecked(mode == 1);
    corrige->setChecked(mode == 2);
}

void TPicturePropForm::LieRadioChange(QButtonGroup* group, int index) {
    connect(group, &QButtonGroup::idToggled, this, [this, index](int id, bool checked) {
        if (checked && !MiseAJour())
            EcrireOptions(index, std::to_string(id));
    });
}

void TPicturePropForm::RafraichirApresEdit(QLineEdit* edit) {
    connect(edit, &QLineEdit::returnPressed, this, [this, edit] {
        rafraichirSiLibre();
        edit->selectAll();
    });
}

void TPicturePropForm::rafraichirSiLibre() {
    // A control set during a refresh signals too: refreshing again from there would end the
    // outer refresh's updating flag early.
    if (!MiseAJour())
        Rafraichir();
}
