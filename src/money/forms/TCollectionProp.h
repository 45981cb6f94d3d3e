// What the property windows of the coins, the notes and the masses share: one count per
// denomination (0 to 10) whose every change sends the whole list, the sum to decompose, draws of
// at most 1, 2, 5 or 10 of each, and another way to make the same sum. After each of those the
// window shows the counts and the total again. The forms name these controls alike: gbNombres
// with its grid glNombres (filled here), edSomme, lbTotal, bt1, bt2, bt5, bt10 and btReorganise.
#pragma once

#include "host/forms/KindPropForm.h"
#include "host/forms/NumberEdits.h"
#include "host/forms/UpDown.h"
#include "money/Monnaie.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>

#include <algorithm>
#include <array>
#include <cstdint>
#include <string>
#include <vector>

template <class Kind, class Form> class TCollectionProp : public TKindPropForm<Kind, Form> {
    using Base = TKindPropForm<Kind, Form>;

public:
    TCollectionProp(Kind& composant, const std::string& nom, TableCles table, QWidget* parent)
        : Base(composant, nom, table, parent) {}

protected:
    // Builds the count rows, one a denomination with its caption, and ties the buttons; called
    // by the window once its own controls are tied.
    void LieCollection(const std::vector<QString>& libelles) {
        QGridLayout* grille = this->ui_->glNombres;
        for (std::size_t i = 0; i < libelles.size(); ++i)
            ajouteCompte(grille, int(i), libelles[i]);
        const std::array<QPushButton*, 4> tirages{this->ui_->bt1, this->ui_->bt2, this->ui_->bt5,
                                                  this->ui_->bt10};
        for (QPushButton* bouton : tirages)
            this->connect(bouton, &QPushButton::clicked, this, [this, bouton] {
                envoie(Kind::kCleHasard, bouton->text().toStdString());
            });
        this->RafraichirApres(this->ui_->btReorganise, &QPushButton::clicked);
        this->RafraichirApresEdit(this->ui_->edSomme);
    }

    // Shows the counts, the sum as its key reads it, and the total.
    void MontrerCollection(const QString& somme) {
        const auto comptes = this->composant().Comptes();
        for (std::size_t i = 0; i < comptes_.size(); ++i)
            comptes_[i]->setText(QString::number(comptes[i]));
        this->ui_->edSomme->setText(somme);
        const std::string total = this->composant().TexteSomme(this->composant().Somme());
        this->ui_->lbTotal->setText(QStringLiteral("Total\u00A0: ") +
                                    QString::fromStdString(total));
        // Nothing to make in another way.
        this->ui_->btReorganise->setEnabled(this->composant().Somme() > 0);
    }

private:
    void ajouteCompte(QGridLayout* grille, int index, const QString& libelle) {
        auto* edit = new TCardinalEdit(this->ui_->gbNombres);
        edit->setObjectName(QStringLiteral("edNombre%1").arg(index));
        edit->setMaximumWidth(40);
        edit->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        edit->setToolTip(QStringLiteral("Nombre de %1 (0 à 10)").arg(libelle));
        auto* fleches = new TUpDown(this->ui_->gbNombres);
        fleches->setObjectName(QStringLiteral("UpDownNombre%1").arg(index));
        fleches->SetAssociate(edit);
        fleches->SetRange(0, kCompteMax);
        auto* etiquette = new QLabel(libelle, this->ui_->gbNombres);
        etiquette->setBuddy(edit);
        // Two columns of rows: the first half of the denominations, then the rest.
        const int rangees = (int(Kind::NbValeurs) + 1) / 2;
        const int colonne = index / rangees * 3;
        grille->addWidget(etiquette, index % rangees, colonne);
        grille->addWidget(edit, index % rangees, colonne + 1);
        grille->addWidget(fleches, index % rangees, colonne + 2);
        this->connect(edit, &QLineEdit::returnPressed, this, [this, edit] {
            envoieComptes();
            edit->selectAll();
        });
        this->connect(fleches, &TUpDown::released, this, [this] { envoieComptes(); });
        comptes_.push_back(edit);
    }

    // Every count, as the count key reads them: "1,0,2,...". A count above 10 still goes, so
    // that the component refuses it with its message.
    void envoieComptes() {
        std::vector<std::int16_t> comptes;
        for (const TCardinalEdit* edit : comptes_)
            comptes.push_back(std::int16_t(std::clamp(edit->text().toInt(), 0, 99)));
        envoie(Kind::kCleComptes, ListeComptes(comptes));
    }

    void envoie(int index, const std::string& valeur) {
        if (this->MiseAJour())
            return;
        this->EcrireOptions(index, valeur);
        this->Rafraichir();
    }

    std::vector<TCardinalEdit*> comptes_;
};
