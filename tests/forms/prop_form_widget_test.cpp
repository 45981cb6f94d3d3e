#include "forms_test_support.h"

#include "common/CommonComponent.h"
#include "host/Planche.h"
#include "host/forms/ColorButton.h"
#include "host/forms/PropDock.h"
#include "host/forms/PropFormWidget.h"
#include "host/forms/SlideBar.h"
#include "host/forms/UpDown.h"
#include "platform/UserInterface.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QToolButton>
#include <QVBoxLayout>

namespace {

// A kind with one key of each control type; it records what it receives.
class Temoin : public CommonComponent {
public:
    static constexpr Cle kCles[] = {
        CleGeometrie(0, "Gauche"),  CleGeometrie(1, "Haut"), CleGeometrie(2, "Largeur"),
        CleGeometrie(3, "Hauteur"), CleTexte(4, "Texte"),    CleTexte(5, "Nombre"),
        CleTexte(6, "Choix"),       CleTexte(7, "Sens"),     CleTexte(8, "Montrer"),
        CleTexte(9, "Couleur"),     CleTexte(10, "Fonte"),   CleTexte(11, "Action"),
        CleTexte(12, "Curseur")};
    explicit Temoin(TCadre* cadre) : CommonComponent(cadre, "Temoin", 301, 1) { Installe(); }

    std::vector<std::pair<std::string, std::string>> recus;
    int nombre = 3;
    int choix = 1;
    std::string fonte = "Andika,14,0,normal";

    TableCles Cles() const override { return kCles; }
    std::string NomProp() const override { return "TemoinProp"; }
    void RestaureStandardNonApplique() override {}

protected:
    std::optional<bool> ChangeOptionPropre(int index, const std::string& valeur,
                                           std::string& message) override {
        if (index < 4)
            return std::nullopt;
        const std::string nom(kCles[index].nom);
        recus.emplace_back(nom, valeur);
        if (nom == "Nombre") {
            int v = 0;
            if (!LitEntier(valeur, v, message, 0, 10))
                return false;
            nombre = v;
        }
        if (nom == "Choix")
            choix = std::stoi(valeur);
        if (nom == "Fonte")
            fonte = valeur;
        return nom != "Action";
    }
};

class TemoinProp : public TPropFormWidget {
public:
    TemoinProp(TComposant& c, QWidget* parent)
        : TPropFormWidget(&c, "TemoinProp", Temoin::kCles, parent) {
        auto* layout = new QVBoxLayout(this);
        for (QWidget* w :
             std::initializer_list<QWidget*>{edGauche, edTexte, edNombre, udNombre, cbChoix, rbA,
                                             rbB, chkMontrer, btCouleur, btFonte, btAction})
            layout->addWidget(w);
        sens->addButton(rbA, 0);
        sens->addButton(rbB, 1);
        cbChoix->addItems({"zéro", "un", "deux"});
        udNombre->SetAssociate(edNombre);
        udNombre->SetRange(0, 20);
        LieEdit(edGauche, 0);
        LieEdit(edTexte, 4);
        LieEdit(edNombre, 5);
        LieUpDown(udNombre, 5);
        LieCombo(cbChoix, 6);
        LieRadio(sens, 7);
        LieCheck(chkMontrer, 8);
        LieCouleur(btCouleur, 9);
        LieFonte(btFonte, 10, [this] { return temoin().fonte; });
        LieAction(btAction, 11);
        slCurseur->setRange(0, 10);
        LieSlide(slCurseur, 12);
    }

    QLineEdit* edGauche = new QLineEdit;
    QLineEdit* edTexte = new QLineEdit;
    QLineEdit* edNombre = new QLineEdit;
    TUpDown* udNombre = new TUpDown;
    QComboBox* cbChoix = new QComboBox;
    QButtonGroup* sens = new QButtonGroup(this);
    QRadioButton* rbA = new QRadioButton("A");
    QRadioButton* rbB = new QRadioButton("B");
    QCheckBox* chkMontrer = new QCheckBox("Montrer");
    TColorButton* btCouleur = new TColorButton;
    QPushButton* btFonte = new QPushButton("Police");
    QPushButton* btAction = new QPushButton("Action");
    TSlideBar* slCurseur = new TSlideBar;
    int remplissages = 0;

protected:
    Temoin& temoin() const { return dynamic_cast<Temoin&>(*Composant()); }
    void RemplirControles() override {
        ++remplissages;
        edGauche->setText(QString::fromStdString(
            Centimetres(Composant()->Rect.left - Composant()->OrgMarges().x)));
        edNombre->setText(QString::number(temoin().nombre));
        // Setting controls fires their change signals: nothing may be sent meanwhile.
        cbChoix->setCurrentIndex(temoin().choix);
    }
};

class PropFormWidgetTest : public ::testing::Test {
protected:
    PropFormWidgetTest() : scoped_(ui_) {
        window_.FormCreate();
        window_.show();
        temoin_.recus.clear();
    }
    TTestUi ui_;
    TScopedUi scoped_;
    TPlanche planche_{TPlanche::Format::A4, false};
    TCadre cadre_{&planche_, nullptr};
    Temoin temoin_{&cadre_};
    TemoinProp window_{temoin_, nullptr};
    using Recus = std::vector<std::pair<std::string, std::string>>;
};

TEST_F(PropFormWidgetTest, EditsSendOnEnterOnly) {
    QTest::keyClicks(window_.edTexte, "bonjour");
    EXPECT_TRUE(temoin_.recus.empty());
    QTest::keyClick(window_.edTexte, Qt::Key_Return);
    EXPECT_EQ(temoin_.recus, (Recus{{"Texte", "bonjour"}}));
    EXPECT_EQ(window_.edTexte->selectedText(), "bonjour");
}

TEST_F(PropFormWidgetTest, UpDownSendsTheEditTextWhenReleased) {
    QTest::mousePress(window_.udNombre->UpButton(), Qt::LeftButton);
    EXPECT_EQ(window_.edNombre->text(), "4");
    EXPECT_TRUE(temoin_.recus.empty());
    QTest::mouseRelease(window_.udNombre->UpButton(), Qt::LeftButton);
    EXPECT_EQ(temoin_.recus, (Recus{{"Nombre", "4"}}));
}

TEST_F(PropFormWidgetTest, ListsChecksColoursFontsAndActions) {
    window_.cbChoix->setCurrentIndex(2);
    window_.rbB->click();
    window_.chkMontrer->click();
    window_.chkMontrer->click();
    ui_.colorAnswers.push_back(0x00FF00);
    QTest::mouseClick(window_.btCouleur, Qt::LeftButton);
    ui_.fontAnswers.push_back("Comic Neue,16,0,gras");
    QTest::mouseClick(window_.btFonte, Qt::LeftButton);
    QTest::mouseClick(window_.btAction, Qt::LeftButton);
    EXPECT_EQ(temoin_.recus, (Recus{{"Choix", "2"},
                                    {"Sens", "1"},
                                    {"Montrer", "1"},
                                    {"Montrer", "0"},
                                    {"Couleur", "65280"},
                                    {"Fonte", "Comic Neue,16,0,gras"},
                                    {"Action", ""}}));
    EXPECT_EQ(window_.btCouleur->Color(), 0x00FF00);
}

TEST_F(PropFormWidgetTest, SlideBarSendsWhereItStops) {
    QTest::keyClick(window_.slCurseur, Qt::Key_Right); // the keyboard moves and sends
    window_.slCurseur->setSliderDown(true);
    window_.slCurseur->setValue(7); // dragging: nothing yet
    EXPECT_EQ(temoin_.recus, (Recus{{"Curseur", "1"}}));
    window_.slCurseur->setSliderDown(false); // released
    EXPECT_EQ(temoin_.recus, (Recus{{"Curseur", "1"}, {"Curseur", "7"}}));
}

TEST_F(PropFormWidgetTest, CancelledDialogsSendNothing) {
    ui_.colorAnswers.clear();
    QTest::mouseClick(window_.btCouleur, Qt::LeftButton);
    QTest::mouseClick(window_.btFonte, Qt::LeftButton);
    EXPECT_TRUE(temoin_.recus.empty());
}

TEST_F(PropFormWidgetTest, RefreshSendsNothing) {
    temoin_.choix = 0;
    window_.ChangeComposant(&temoin_);
    EXPECT_EQ(window_.cbChoix->currentIndex(), 0);
    EXPECT_TRUE(temoin_.recus.empty());
}

TEST_F(PropFormWidgetTest, RefusalShowsTheMessageAndRestoresTheControl) {
    window_.edNombre->setText("12");
    QTest::keyClick(window_.edNombre, Qt::Key_Return);
    ASSERT_EQ(ui_.Messages().size(), 1u);
    EXPECT_EQ(ui_.shown.back().title, "ERREUR");
    EXPECT_EQ(window_.edNombre->text(), "3");
    EXPECT_EQ(temoin_.nombre, 3);

    window_.edGauche->setText("2,5");
    QTest::keyClick(window_.edGauche, Qt::Key_Return);
    EXPECT_EQ(temoin_.Rect.left, temoin_.OrgMarges().x + 250);
    window_.edGauche->setText("500");
    QTest::keyClick(window_.edGauche, Qt::Key_Return);
    EXPECT_EQ(window_.edGauche->text(), "2,5");
}

TEST(PropDock, OneWindowPerKindFollowsTheSelection) {
    TPlanche planche{TPlanche::Format::A4, false};
    TCadre cadre{&planche, nullptr};
    Temoin a(&cadre);
    Temoin b(&cadre);
    b.nombre = 7;
    TPropDockWidget dock;
    int made = 0;
    dock.RegisterPropForm("TemoinProp", [&made](TComposant& c, QWidget* parent) {
        ++made;
        return new TemoinProp(c, parent);
    });
    dock.Montre(&a);
    TPropFormWidget* first = dock.Courante();
    ASSERT_NE(first, nullptr);
    dock.Montre(&b);
    EXPECT_EQ(dock.Courante(), first);
    EXPECT_EQ(made, 1);
    EXPECT_EQ(first->Composant(), &b);
    EXPECT_EQ(dynamic_cast<TemoinProp*>(first)->edNombre->text(), "7");
    dock.Montre(nullptr);
    EXPECT_EQ(dock.Courante(), nullptr);
}

} // namespace
