#include "operation/forms/TOperProp.h"

#include "forms/forms_test_support.h"
#include "host/forms/UpDown.h"
#include "operation/ChoixOp2Modele.h"
#include "operation/OperationFixture.h"
#include "operation/forms/ComboRecepteurs.h"
#include "platform/UserInterface.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QStackedWidget>
#include <QTabWidget>
#include <QTest>
#include <QToolButton>

namespace {

// An operation that records every option it receives.
class OperationEspion : public TvlOperation {
public:
    using TvlOperation::TvlOperation;
    bool ChangeOption(const std::string& valeur, const std::string& nom,
                      std::string& message) override {
        envois.push_back(nom + "=" + valeur);
        return TvlOperation::ChangeOption(valeur, nom, message);
    }
    std::vector<std::string> envois;
};

class OperPropTest : public OperationFixture {
protected:
    OperPropTest() {
        window_.OnChange = [this] { ++redessins_; };
        window_.FormCreate();
        window_.resize(320, 700);
        window_.show();
    }

    OperationEspion& espion() {
        auto* op = static_cast<OperationEspion*>(
            document_.Ajoute(std::make_unique<OperationEspion>(&document_.Cadre(0)), 0));
        op->TermineConstruction();
        return *op;
    }

    static void page(QTabWidget* pages, QWidget* controle) {
        for (int i = 0; i < pages->count(); ++i)
            if (pages->widget(i)->isAncestorOf(controle))
                pages->setCurrentIndex(i);
    }

    void tape(QLineEdit* edit, const QString& texte, bool entree = true) {
        page(Ctl<QTabWidget>(window_, "pcProp"), edit);
        edit->setFocus();
        edit->selectAll();
        QTest::keyClicks(edit, texte);
        if (entree)
            QTest::keyClick(edit, Qt::Key_Return);
    }

    void cocheItem(QListWidget* liste, int rang, bool oui) {
        page(Ctl<QTabWidget>(window_, "pcProp"), liste);
        liste->item(rang)->setCheckState(oui ? Qt::Checked : Qt::Unchecked);
    }

    void clique(QAbstractButton* bouton) {
        page(Ctl<QTabWidget>(window_, "pcProp"), bouton);
        // Near the left edge: a wide check box only takes clicks on its box and caption.
        QTest::mouseClick(bouton, Qt::LeftButton, Qt::NoModifier,
                          QPoint(std::min(10, bouton->width() / 2), bouton->height() / 2));
    }

    TTestUi ui_;
    TScopedUi scoped_{ui_};
    OperationEspion& op_ = espion();
    TOperProp window_{op_};
    int redessins_ = 0;
};

TEST_F(OperPropTest, ShowsTheComponentsSettingsOnFourPages) {
    ASSERT_EQ(Ctl<QTabWidget>(window_, "pcProp")->count(), 4);
    EXPECT_EQ(Ctl<QTabWidget>(window_, "pcProp")->tabText(0), "Aspect");
    EXPECT_EQ(Ctl<QTabWidget>(window_, "pcProp")->tabText(1), "Style");
    EXPECT_EQ(Ctl<QTabWidget>(window_, "pcProp")->tabText(2), "Aff.");
    EXPECT_EQ(Ctl<QTabWidget>(window_, "pcProp")->tabText(3), QString::fromUtf8("Opér."));
    EXPECT_EQ(Ctl<TDecimalEdit>(window_, "edSizeX")->text(), "8,5");
    EXPECT_EQ(Ctl<TDecimalEdit>(window_, "edSizeY")->text(), "7,5");
    EXPECT_EQ(Ctl<QLineEdit>(window_, "edNbOp")->text(), "24");
    EXPECT_EQ(Ctl<QLineEdit>(window_, "edPrecision")->text(), "2");
    EXPECT_EQ(Ctl<QLineEdit>(window_, "edEpaisseurTrait")->text(), "1");
    EXPECT_EQ(Ctl<QComboBox>(window_, "cbOperation")->currentIndex(), OP_ADDITION);
    EXPECT_EQ(Ctl<QStackedWidget>(window_, "nbOper")->currentIndex(), OP_ADDITION);
    EXPECT_EQ(Ctl<QButtonGroup>(window_, "rbOperation")->checkedId(), 1); // posée
    EXPECT_EQ(Ctl<QButtonGroup>(window_, "rbTrousIsoles")->checkedId(), 0);
    EXPECT_EQ(Ctl<QButtonGroup>(window_, "rbDiff")->checkedId(), 1);
    // Factory holes: the sum of an addition, the result of the others.
    ASSERT_EQ(Ctl<QListWidget>(window_, "lbOperAdd")->count(), 4);
    EXPECT_EQ(Ctl<QListWidget>(window_, "lbOperAdd")->item(3)->text(),
              QString::fromUtf8("Résultat"));
    EXPECT_EQ(Ctl<QListWidget>(window_, "lbOperAdd")->item(3)->checkState(), Qt::Checked);
    EXPECT_EQ(Ctl<QListWidget>(window_, "lbOperAdd")->item(0)->checkState(), Qt::Unchecked);
    EXPECT_EQ(Ctl<QListWidget>(window_, "lbOperDiv")->item(2)->checkState(), Qt::Checked);
    EXPECT_TRUE(Ctl<QCheckBox>(window_, "chkSeparer")->isChecked());
    EXPECT_TRUE(Ctl<QCheckBox>(window_, "chkEspSuppl")->isChecked());
    EXPECT_FALSE(Ctl<QCheckBox>(window_, "chkInhibe")->isChecked());
    EXPECT_EQ(Ctl<TComboRecepteurs>(window_, "cbRec")->itemText(0), "Surface propre");
    EXPECT_NE(Ctl<QLabel>(window_, "lbFonte1")
                  ->text()
                  .indexOf(QString::number(op_.Reglages().Fonte.Taille)),
              -1);
}

TEST_F(OperPropTest, CheckingHolesSendsTheSumOfTheirBits) {
    Ctl<QListWidget>(window_, "lbOperAdd")->item(3)->setCheckState(Qt::Unchecked);
    op_.envois.clear();
    cocheItem(Ctl<QListWidget>(window_, "lbOperAdd"), 1, true); // "Dernier"
    cocheItem(Ctl<QListWidget>(window_, "lbOperAdd"), 3, true); // "Résultat"
    EXPECT_EQ(op_.envois, (std::vector<std::string>{"PositionTrous=2", "PositionTrous=10"}));
    EXPECT_EQ(op_.Reglages().PositionTrous[OP_ADDITION], 10);
}

TEST_F(OperPropTest, EditsSendOnEnterOnly) {
    tape(Ctl<QLineEdit>(window_, "edNbOp"), "8", false);
    EXPECT_TRUE(op_.envois.empty());
    EXPECT_EQ(op_.Reglages().NombreOperations, 24);
    QTest::keyClick(Ctl<QLineEdit>(window_, "edNbOp"), Qt::Key_Return);
    EXPECT_EQ(op_.envois, (std::vector<std::string>{"NombreOperations=8"}));
    EXPECT_EQ(op_.Reglages().NombreOperations, 8);

    tape(Ctl<TDecimalEdit>(window_, "edOrgX"), "2,5");
    EXPECT_EQ(op_.envois.back(), "Gauche=2,5");
    EXPECT_EQ(Ctl<TDecimalEdit>(window_, "edOrgX")->selectedText(), "2,5");
    tape(Ctl<QLineEdit>(window_, "edPrecision"), "4");
    EXPECT_EQ(op_.Reglages().PrecisionDiv, 4);
}

TEST_F(OperPropTest, RefreshingSendsNothing) {
    OperationEspion& autre = espion();
    std::string message;
    autre.ChangeOption("2", "Operation", message);
    autre.ChangeOption("1", "TrousIsoles", message);
    autre.ChangeOption("6", "NombreOperations", message);
    autre.envois.clear();
    window_.ChangeComposant(&autre);
    window_.Rafraichir();
    EXPECT_TRUE(op_.envois.empty());
    EXPECT_TRUE(autre.envois.empty());
    EXPECT_EQ(redessins_, 0);
    EXPECT_EQ(Ctl<QStackedWidget>(window_, "nbOper")->currentIndex(), OP_MULTIPLICATION);
    EXPECT_EQ(Ctl<QButtonGroup>(window_, "rbTrousIsoles")->checkedId(), 1);
    EXPECT_EQ(Ctl<QLineEdit>(window_, "edNbOp")->text(), "6");
}

TEST_F(OperPropTest, ARefusedValueIsReportedAndTheControlShowsTheKeptValue) {
    tape(Ctl<QLineEdit>(window_, "edNbOp"), "30");
    ASSERT_EQ(ui_.Messages().size(), 1u);
    EXPECT_NE(ui_.Messages()[0].find("entre 1 et 24"), std::string::npos);
    EXPECT_EQ(ui_.shown[0].title, "ERREUR");
    EXPECT_EQ(Ctl<QLineEdit>(window_, "edNbOp")->text(), "24");
    tape(Ctl<QLineEdit>(window_, "edEpaisseurTrait"), "51");
    EXPECT_EQ(Ctl<QLineEdit>(window_, "edEpaisseurTrait")->text(), "1");
}

TEST_F(OperPropTest, TheKindChangesTheNotebookPage) {
    page(Ctl<QTabWidget>(window_, "pcProp"), Ctl<QComboBox>(window_, "cbOperation"));
    Ctl<QComboBox>(window_, "cbOperation")->setCurrentIndex(OP_DIVISION);
    EXPECT_EQ(op_.envois, (std::vector<std::string>{"Operation=3"}));
    EXPECT_EQ(Ctl<QStackedWidget>(window_, "nbOper")->currentIndex(), OP_DIVISION);
    op_.envois.clear();
    cocheItem(Ctl<QListWidget>(window_, "lbOperDiv"), 0, true);
    EXPECT_EQ(op_.envois, (std::vector<std::string>{"PositionTrous=5"}));
    EXPECT_EQ(op_.Reglages().PositionTrous[OP_DIVISION], 5);
    // The addition's holes were not touched.
    EXPECT_EQ(op_.Reglages().PositionTrous[OP_ADDITION], 8);
}

TEST_F(OperPropTest, ButtonsRadiosAndChecksSendTheirValues) {
    clique(Ctl<QCheckBox>(window_, "chkSeparer"));
    clique(Ctl<QCheckBox>(window_, "chkInhibe"));
    page(Ctl<QTabWidget>(window_, "pcProp"), Ctl<QButtonGroup>(window_, "rbOperation")->button(0));
    Ctl<QButtonGroup>(window_, "rbOperation")->button(0)->click();
    Ctl<QButtonGroup>(window_, "rbTrousIsoles")->button(1)->click();
    clique(Ctl<QPushButton>(window_, "btCalculer"));
    clique(Ctl<QToolButton>(window_, "SpeedButton1"));
    EXPECT_EQ(op_.envois, (std::vector<std::string>{"SeparerMilliers=0", "InhibeCalculsAuto=1",
                                                    "OperationPosee=0", "TrousIsoles=1",
                                                    "GenererCalcul=", "UtiliserCrayonGras="}));
    EXPECT_EQ(op_.Reglages().Fonte.NomPolice(), "CrayonL");
    EXPECT_NE(Ctl<QLabel>(window_, "lbFonte2")->text().indexOf("CrayonL"), -1);
    // Actions answer false without a message: nothing is shown, the document is redrawn.
    EXPECT_TRUE(ui_.Messages().empty());
    EXPECT_EQ(redessins_, 6);

    op_.envois.clear();
    page(Ctl<QTabWidget>(window_, "pcProp"), Ctl<TUpDown>(window_, "UpDown2"));
    QTest::mousePress(Ctl<TUpDown>(window_, "UpDown2")->UpButton(), Qt::LeftButton);
    EXPECT_TRUE(op_.envois.empty());
    QTest::mouseRelease(Ctl<TUpDown>(window_, "UpDown2")->UpButton(), Qt::LeftButton);
    EXPECT_EQ(op_.envois, (std::vector<std::string>{"EpaisseurTrait=2"}));
}

TEST_F(OperPropTest, FontButtonsStartFromTheCurrentFont) {
    ui_.fontAnswers.push_back("Arial,20,0,gras");
    clique(Ctl<QPushButton>(window_, "btFonte1"));
    EXPECT_EQ(op_.envois, (std::vector<std::string>{"Fonte=Arial,20,0,gras"}));
    EXPECT_EQ(op_.Reglages().FonteCorrige.Taille, 20);
    EXPECT_NE(Ctl<QLabel>(window_, "lbFonte2")->text().indexOf("20"), -1);
    // No answer: the dialog was cancelled, nothing is sent.
    clique(Ctl<QPushButton>(window_, "btFonte2"));
    EXPECT_EQ(op_.envois.size(), 1u);
}

TEST_F(OperPropTest, TheOperandButtonOpensTheDialog) {
    ui_.forms["ChoixOp2"] = [](TFormModel& model) {
        auto& modele = dynamic_cast<ChoixOp2Modele&>(model);
        for (TLigneOperandes& ligne : modele.Table)
            ligne.fill(-1.0);
        modele.Table[0] = {40, 2, -1, -1, -1};
        return int(mrOk);
    };
    clique(Ctl<QPushButton>(window_, "btDefinirOperande"));
    EXPECT_EQ(op_.envois, (std::vector<std::string>{"DefinirOperandes="}));
    EXPECT_EQ(op_.Operations().size(), 1u);
    EXPECT_EQ(op_.TableOperandes[0][0], 40);
}

TEST_F(OperPropTest, ReceiversAreAddedMovedAndRemoved) {
    TComposant* g1 = document_.Cree("Grille", 0);
    TComposant* g2 = document_.Cree("Grille", 0);
    ASSERT_NE(g1, nullptr);
    ASSERT_NE(g2, nullptr);
    page(Ctl<QTabWidget>(window_, "pcProp"), Ctl<TComboRecepteurs>(window_, "cbRec"));
    window_.cbRecDropDown();
    ASSERT_EQ(Ctl<TComboRecepteurs>(window_, "cbRec")->count(),
              3); // "Surface propre" and the two grids
    EXPECT_EQ(Ctl<TComboRecepteurs>(window_, "cbRec")->itemText(1).toStdString(), g1->Nom());

    Ctl<TComboRecepteurs>(window_, "cbRec")->setCurrentIndex(1);
    clique(Ctl<QPushButton>(window_, "btTransfere"));
    Ctl<TComboRecepteurs>(window_, "cbRec")->setCurrentIndex(2);
    clique(Ctl<QPushButton>(window_, "btTransfere"));
    clique(Ctl<QPushButton>(window_, "btTransfere")); // already there
    EXPECT_EQ(op_.Recepteurs, (std::vector<TComposant*>{g1, g2}));
    EXPECT_EQ(g2->Emetteurs, (std::vector<TComposant*>{&op_}));
    ASSERT_EQ(Ctl<QListWidget>(window_, "lbRec")->count(), 2);
    EXPECT_EQ(Ctl<QListWidget>(window_, "lbRec")->item(1)->text().toStdString(), g2->Nom());

    Ctl<QListWidget>(window_, "lbRec")->item(1)->setSelected(true);
    clique(Ctl<QPushButton>(window_, "btUp"));
    EXPECT_EQ(op_.Recepteurs, (std::vector<TComposant*>{g2, g1}));
    EXPECT_TRUE(Ctl<QListWidget>(window_, "lbRec")->item(0)->isSelected());
    clique(Ctl<QPushButton>(window_, "btUp")); // already first
    EXPECT_EQ(op_.Recepteurs, (std::vector<TComposant*>{g2, g1}));
    clique(Ctl<QPushButton>(window_, "btDown"));
    EXPECT_EQ(op_.Recepteurs, (std::vector<TComposant*>{g1, g2}));

    Ctl<QListWidget>(window_, "lbRec")->clearSelection();
    Ctl<QListWidget>(window_, "lbRec")->item(0)->setSelected(true);
    clique(Ctl<QPushButton>(window_, "btSupprime"));
    EXPECT_EQ(op_.Recepteurs, (std::vector<TComposant*>{g2}));
    EXPECT_TRUE(g1->Emetteurs.empty());

    // "Surface propre" brings the exercises back to the component.
    Ctl<TComboRecepteurs>(window_, "cbRec")->setCurrentIndex(0);
    clique(Ctl<QPushButton>(window_, "btTransfere"));
    EXPECT_TRUE(op_.Recepteurs.empty());
    EXPECT_EQ(Ctl<QListWidget>(window_, "lbRec")->count(), 0);
    EXPECT_GE(redessins_, 6);
    EXPECT_TRUE(op_.envois.empty());
}

} // namespace
