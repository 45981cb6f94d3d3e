#include "sheet/forms/TChoixModele.h"

#include "forms/forms_test_support.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>

namespace {

// Three sheets of two levels: the level list, the rows it shows, the choice kept or dropped as
// the level changes, and OK only once a sheet is chosen.
TEST(ChoixModele, TheLevelFiltersTheRowsAndOkTakesTheChosenSheet) {
    ChoixModeleModele modele({{"cp-a", "CP", "Compter.", "a.txt"},
                              {"ce1-b", "CE1", "Lire l'heure.", "b.txt"},
                              {"ce1-c", "CE1", "Les tables.", "c.txt"}});
    TChoixModele dialog(modele);
    dialog.show();
    auto* niveau = Ctl<QComboBox>(dialog, "cbNiveau");
    auto* liste = Ctl<QListWidget>(dialog, "lbModeles");
    QPushButton* ok = Ctl<QDialogButtonBox>(dialog, "btBoutons")->button(QDialogButtonBox::Ok);
    EXPECT_EQ(niveau->count(), 3);
    EXPECT_EQ(niveau->itemText(2), "CE1");
    ASSERT_EQ(liste->count(), 3);
    EXPECT_EQ(liste->item(1)->text(), QString::fromUtf8("ce1-b — Lire l'heure."));
    EXPECT_FALSE(ok->isEnabled());

    liste->setCurrentRow(2);
    EXPECT_EQ(Ctl<QLabel>(dialog, "lbDescription")->text(), "CE1\u00A0: Les tables.");
    niveau->setCurrentIndex(2); // CE1: the chosen sheet stays chosen, on its new row
    EXPECT_EQ(liste->count(), 2);
    EXPECT_EQ(liste->currentRow(), 1);
    EXPECT_EQ(modele.Choisi()->name, "ce1-c");
    niveau->setCurrentIndex(1); // CP hides it
    EXPECT_EQ(modele.Choisi(), nullptr);
    EXPECT_FALSE(ok->isEnabled());

    const QPoint premier = liste->visualItemRect(liste->item(0)).center();
    QTest::mouseClick(liste->viewport(), Qt::LeftButton, {}, premier);
    QTest::mouseDClick(liste->viewport(), Qt::LeftButton, {}, premier);
    EXPECT_EQ(dialog.result(), mrOk);
    ASSERT_NE(modele.Choisi(), nullptr);
    EXPECT_EQ(modele.Choisi()->path, "a.txt");
}

} // namespace
