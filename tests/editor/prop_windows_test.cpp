// Every property window the editor registers, driven by its kind's key table: a control tied to
// a key shows the field after a refresh, a change made in the control reaches the field, and the
// arrows of an edit keep to the key's range.
#include "../forms/forms_test_support.h"

#include "Forms.h"
#include "host/forms/PropDock.h"
#include "host/forms/QtConversions.h"
#include "host/forms/QtUserInterface.h"
#include "host/forms/TPagePosition.h"
#include "package/Fabrique.h"
#include "pictures/EprouvetteCles.h"
#include "pictures/MontreCles.h"
#include "shape/FormeCles.h"
#include "sudoku/SudokuCles.h"

#include <QComboBox>
#include <QTabBar>
#include <QTabWidget>
#include <QToolButton>

#include <map>

namespace {

struct Fenetre {
    int palette;
    const char* type;
    const char* nom;
    // The keys, first to last, with a field that no control shows while the window opens (the
    // clock shows a hand's pen and brush once the hand is chosen).
    int premierAilleurs = -1;
    int dernierAilleurs = -1;
};

void PrintTo(const Fenetre& fenetre, std::ostream* os) {
    *os << fenetre.nom;
}

const Fenetre kFenetres[] = {
    {1, "Opération", "OperProp"},
    {4, "Fraction", "FractionProp"},
    {5, "Camembert", "CamembertProp"},
    {6, "Montre", "MontreProp", CleMontre::StylePinceauHeure, CleMontre::TaillePinceauSeconde},
    {7, "Dé", "DeProp"},
    {9, "Cube décimal", "CubeProp"},
    {10, "Boulier", "BoulierProp"},
    {15, "Thermomètre", "ThermometreProp"},
    // With the volume computed from the tube's size, the full volume is shown, not edited.
    {8, "Eprouvette", "EprouvetteProp", CleEprouvette::Volume, CleEprouvette::Volume},
    {16, "Sudoku", "SudokuProp", CleSudoku::Affichage, CleSudoku::Affichage},
    {11, "Euro pièces", "EuroPiecesProp"},
    {12, "Euro billets", "EuroBilletsProp"},
    {13, "Masses marquées", "MassesProp"},
    {3, "Forme", "FormeProp", CleForme::NbPoints, CleForme::Distance},
    {2, "Graphe", "GrapheProp"},
    {14, "Points à relier", "RelierProp"},
};

// What a user can change in each control of a window, as text.
using Etat = std::map<QWidget*, QString>;

Etat EtatDe(const QWidget& fenetre) {
    Etat etat;
    for (QWidget* c : fenetre.findChildren<QWidget*>()) {
        if (auto* couleur = qobject_cast<TColorButton*>(c))
            etat[c] = QString::number(couleur->Color());
        else if (auto* edit = qobject_cast<QLineEdit*>(c))
            etat[c] = edit->text();
        else if (auto* combo = qobject_cast<QComboBox*>(c))
            etat[c] = QString::number(combo->currentIndex());
        else if (auto* bouton = qobject_cast<QAbstractButton*>(c))
            etat[c] = bouton->isChecked() ? "1" : "0";
    }
    return etat;
}

class PropWindows : public PicturePropTest, public ::testing::WithParamInterface<Fenetre> {
protected:
    PropWindows() {
        SeedRandom(5);
        RegisterForms(registre_, dock_);
        dock_.resize(360, 900);
        dock_.show();
    }

    // The keys a window can show: the geometry, the integer fields and the flags the
    // component keeps itself.
    static bool Montrable(const Cle& cle) {
        if (cle.lecture == Lecture::Geometrie || cle.lecture == Lecture::Drapeau ||
            cle.nom == "Detachable" || cle.nom == "Actif")
            return true;
        return cle.champ != nullptr && cle.lecture != Lecture::Fonte;
    }

    static int Lit(TComposant& c, const Cle& cle) {
        if (cle.lecture == Lecture::Geometrie) {
            const vlRect r = c.Rect.Normalise();
            const int valeurs[] = {r.left - c.OrgMarges().x, r.top - c.OrgMarges().y, r.Width(),
                                   r.Height()};
            return valeurs[cle.index];
        }
        if (cle.nom == "Detachable")
            return c.Detachable ? 1 : 0;
        if (cle.nom == "Actif")
            return c.Activable() ? 1 : 0;
        int taille = 0;
        if (cle.champ != nullptr)
            return cle.champ(c.Options(taille)).entier.Get();
        for (const TCleValeur& reglage : c.ReglagesFeuille())
            if (reglage.cle == cle.nom)
                return std::stoi(reglage.valeur);
        ADD_FAILURE() << "no value";
        return 0;
    }

    // Fields are written directly; the geometry and the host's flags as a sheet sets them.
    static void Ecrit(TComposant& c, const Cle& cle, int valeur) {
        int taille = 0;
        if (cle.champ != nullptr)
            return cle.champ(c.Options(taille)).entier.Set(valeur);
        const QString texte =
            cle.lecture == Lecture::Geometrie ? Centimetres(valeur) : QString::number(valeur);
        std::string message;
        EXPECT_TRUE(c.ChangeOption(texte.toStdString(), std::string(cle.nom), message)) << message;
    }

    // Another value the key accepts.
    static int Autre(const Cle& cle, int valeur) {
        if (cle.lecture == Lecture::Geometrie)
            return valeur + 50;
        if (cle.lecture == Lecture::Couleur)
            return valeur == 0x123456 ? 0x654321 : 0x123456;
        return valeur < cle.max ? valeur + 1 : valeur - 1;
    }

    // Changes a control to the state it showed for another value, as a user does.
    void Mene(QWidget* controle, const QString& etat, TComposant& c, const Cle& cle) {
        MontrePage(controle);
        const int avant = Lit(c, cle);
        if (auto* couleur = qobject_cast<TColorButton*>(controle)) {
            couleur->click(); // the colour dialog cancelled
            EXPECT_EQ(Lit(c, cle), avant);
            ui_.colorAnswers = {TColor(etat.toUInt())};
            couleur->click();
        } else if (auto* edit = qobject_cast<QLineEdit*>(controle)) {
            edit->setText(etat);
            EXPECT_EQ(Lit(c, cle), avant) << "sent before Enter";
            QTest::keyClick(edit, Qt::Key_Return);
        } else if (auto* combo = qobject_cast<QComboBox*>(controle)) {
            combo->setCurrentIndex(etat.toInt());
        } else if (auto* bouton = qobject_cast<QAbstractButton*>(controle)) {
            if (bouton->isChecked() != (etat == "1"))
                bouton->click();
        }
    }

    // A bound typed shows what the key keeps of it; at a bound the arrows send only when
    // released and keep to the range.
    void VerifieBornes(QLineEdit& edit, TUpDown* fleches, TComposant& c, const Cle& cle) {
        for (const int borne : {cle.max, cle.min}) {
            edit.setText(QString::number(borne));
            QTest::keyClick(&edit, Qt::Key_Return);
            const int garde = Lit(c, cle);
            EXPECT_EQ(edit.text(), QString::number(garde)) << borne;
            if (fleches == nullptr)
                continue;
            Ecrit(c, cle, borne);
            dock_.Courante()->Rafraichir();
            QToolButton* bouton = borne == cle.max ? fleches->UpButton() : fleches->DownButton();
            QTest::mousePress(bouton, Qt::LeftButton);
            EXPECT_EQ(Lit(c, cle), borne) << "sent before the arrow is released";
            QTest::mouseRelease(bouton, Qt::LeftButton);
            EXPECT_EQ(Lit(c, cle), garde) << borne;
            EXPECT_EQ(edit.text(), QString::number(garde)) << borne;
        }
        EXPECT_TRUE(ui_.Messages().empty());
    }

    TQtUserInterface registre_;
    TPropDockWidget dock_;
};

TEST_P(PropWindows, EveryControlTiedToAKeyShowsItsFieldAndSendsItsChanges) {
    TComposant& c = Nouveau<TComposant>(GetParam().type);
    dock_.Montre(&c);
    TPropFormWidget* fenetre = dock_.Courante();
    ASSERT_NE(fenetre, nullptr);
    EXPECT_EQ(fenetre->objectName(), GetParam().nom);
    const TableCles table = ClesDuType(GetParam().palette);
    ASSERT_EQ(table.data(), fenetre->Table().data());
    // It opens on its kind's own tab, and every caption is shown whole within the bar.
    for (const QTabWidget* onglets : fenetre->findChildren<QTabWidget*>()) {
        EXPECT_EQ(onglets->currentWidget()->findChild<TPagePosition*>(), nullptr);
        const QTabBar& barre = *onglets->tabBar();
        for (int i = 0; i < barre.count(); ++i) {
            const int texte = barre.fontMetrics().horizontalAdvance(barre.tabText(i));
            EXPECT_TRUE(barre.rect().contains(barre.tabRect(i)) &&
                        barre.tabRect(i).width() >= texte)
                << barre.tabText(i).toStdString();
        }
    }

    for (const Cle& cle : table) {
        if (!Montrable(cle))
            continue;
        SCOPED_TRACE(std::string(cle.nom));
        const int avant = Lit(c, cle);
        const int apres = Autre(cle, avant);
        const Etat etatAvant = EtatDe(*fenetre);
        Ecrit(c, cle, apres);
        fenetre->Rafraichir();
        const Etat etatApres = EtatDe(*fenetre);
        Ecrit(c, cle, avant);
        fenetre->Rafraichir();
        std::vector<QWidget*> lies;
        for (const auto& [controle, texte] : etatApres)
            if (etatAvant.at(controle) != texte)
                lies.push_back(controle);
        const bool ailleur =
            cle.index >= GetParam().premierAilleurs && cle.index <= GetParam().dernierAilleurs;
        EXPECT_EQ(lies.empty(), ailleur) << "the refresh shows the field";
        for (QWidget* controle : lies)
            Mene(controle, etatApres.at(controle), c, cle);
        EXPECT_EQ(Lit(c, cle), lies.empty() ? avant : apres) << "the control sends the field";
        EXPECT_TRUE(ui_.Messages().empty());

        for (QWidget* controle : lies) {
            auto* edit = qobject_cast<QLineEdit*>(controle);
            if (edit == nullptr || cle.lecture != Lecture::Entier)
                continue;
            TUpDown* fleches = nullptr;
            for (TUpDown* u : fenetre->findChildren<TUpDown*>())
                fleches = u->Associate() == edit ? u : fleches;
            VerifieBornes(*edit, fleches, c, cle);
        }
    }
    // A colour given to a clear background makes it solid, and the style list shows it (a
    // kind without a background brush has the brush group off).
    if (auto* style = fenetre->findChild<TBrushStyleCombo*>("cbBrushStyle");
        style != nullptr && style->isEnabled()) {
        MontrePage(style);
        style->setCurrentIndex(bsClear);
        ui_.colorAnswers = {0x00FFFF};
        Ctl<TColorButton>(*fenetre, "btCoulBrosse")->click();
        EXPECT_EQ(style->currentIndex(), bsSolid);
    }
    // The instruction is typed on the position page; a refused one is said and shown back.
    auto* consigne = fenetre->findChild<QLineEdit*>("edConsigne");
    ASSERT_NE(consigne, nullptr);
    MontrePage(consigne);
    for (const char* texte : {"Lis.\\nÉcris.", "a\\nb\\nc"}) {
        consigne->setText(QString::fromUtf8(texte));
        QTest::keyClick(consigne, Qt::Key_Return);
    }
    EXPECT_EQ(c.Consigne(), "Lis.\nÉcris.");
    EXPECT_EQ(consigne->text(), QStringLiteral("Lis.\\nÉcris."));
    EXPECT_EQ(ui_.Messages(),
              std::vector<std::string>{"«\u00A0Consigne\u00A0» a 3 lignes\u00A0: 2 au plus"});
    // The dock keeps the window for the next component of the kind.
    dock_.Montre(&Nouveau<TComposant>(GetParam().type));
    EXPECT_EQ(dock_.Courante(), fenetre);
}

INSTANTIATE_TEST_SUITE_P(Registered, PropWindows, ::testing::ValuesIn(kFenetres),
                         [](const auto& info) { return std::string(info.param.nom); });

} // namespace
