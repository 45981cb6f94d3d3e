#include "operation/forms/TCogito.h"

#include "forms/forms_test_support.h"
#include "host/forms/QtUserInterface.h"
#include "operation/CogitoModele.h"

#include <QLabel>
#include <QPushButton>
#include <QSlider>

namespace {

class CogitoFormTest : public ::testing::Test {
protected:
    CogitoFormTest() { SeedRandom(2024); } // the worker's seed is drawn when it starts

    // The worker's end reaches the dialog through Qt's event loop.
    TQtUserInterface ui_;
    TScopedUi scoped_{ui_};
    std::unique_ptr<CogitoModele> modele_ = CogitoModele::Exemple();
    TCogito dialog_{*modele_};
};

TEST_F(CogitoFormTest, ShowingStartsTheWorkerAndItsEndClosesTheDialog) {
    dialog_.show();
    ASSERT_TRUE(QTest::qWaitFor([this] { return !dialog_.isVisible(); }, 5000));
    EXPECT_EQ(dialog_.result(), mrOk);
    EXPECT_TRUE(modele_->Fini());
    EXPECT_FALSE(modele_->Annule());
}

// The button or Escape: the dialog says to wait, then closes once the worker has stopped.
TEST_F(CogitoFormTest, CancelSaysToWaitThenClosesOnceTheWorkerHasStopped) {
    for (const bool echap : {false, true}) {
        const auto modele = CogitoModele::Exemple();
        TCogito dialog{*modele};
        dialog.show();
        Ctl<QSlider>(dialog, "TrackBar")->setValue(0);
        EXPECT_EQ(modele->Priorite(), TThreadPriority::tpLowest);
        if (echap)
            QTest::keyClick(&dialog, Qt::Key_Escape);
        else
            Ctl<QPushButton>(dialog, "btAnnuler")->click();
        EXPECT_EQ(Ctl<QLabel>(dialog, "Label4")->text(),
                  QString::fromUtf8("Fin du calcul... PATIENTEZ, merci !"));
        EXPECT_FALSE(Ctl<QPushButton>(dialog, "btAnnuler")->isEnabled());
        EXPECT_TRUE(modele->Annule());
        ASSERT_TRUE(QTest::qWaitFor([&dialog] { return !dialog.isVisible(); }, 5000));
        EXPECT_TRUE(modele->Fini());
    }
}

} // namespace
