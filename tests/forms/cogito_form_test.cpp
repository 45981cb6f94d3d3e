#include "operation/forms/TCogito.h"

#include "forms/forms_test_support.h"
#include "host/forms/QtUserInterface.h"
#include "operation/CogitoModele.h"
#include "platform/Random.h"

#include <QLabel>
#include <QPushButton>
#include <QSlider>
#include <QTest>
#include <gtest/gtest.h>

namespace {

class CogitoFormTest : public ::testing::Test {
protected:
    CogitoFormTest() { SeedRandom(2024); } // the worker's seed is drawn when it starts

    bool attendFermeture() {
        return QTest::qWaitFor([this] { return !dialog_.isVisible(); }, 5000);
    }

    // The worker's end reaches the dialog through Qt's event loop.
    TQtUserInterface ui_;
    TScopedUi scoped_{ui_};
    std::unique_ptr<CogitoModele> modele_ = CogitoModele::Exemple();
    TCogito dialog_{*modele_};
};

TEST_F(CogitoFormTest, ShowingStartsTheWorkerAndItsEndClosesTheDialog) {
    dialog_.show();
    ASSERT_TRUE(attendFermeture());
    EXPECT_EQ(dialog_.result(), mrOk);
    EXPECT_TRUE(modele_->Fini());
    EXPECT_FALSE(modele_->Annule());
}

TEST_F(CogitoFormTest, CancelSaysToWaitThenClosesOnceTheWorkerHasStopped) {
    dialog_.show();
    Ctl<QSlider>(dialog_, "TrackBar")->setValue(0);
    EXPECT_EQ(modele_->Priorite(), TThreadPriority::tpLowest);
    Ctl<QPushButton>(dialog_, "btAnnuler")->click();
    EXPECT_EQ(Ctl<QLabel>(dialog_, "Label4")->text(),
              QString::fromUtf8("Fin du calcul... PATIENTEZ, merci !"));
    EXPECT_FALSE(Ctl<QPushButton>(dialog_, "btAnnuler")->isEnabled());
    EXPECT_TRUE(modele_->Annule());
    ASSERT_TRUE(attendFermeture());
    EXPECT_TRUE(modele_->Fini());
}

TEST_F(CogitoFormTest, EscapeCancelsLikeTheButton) {
    dialog_.show();
    QTest::keyClick(&dialog_, Qt::Key_Escape);
    EXPECT_TRUE(modele_->Annule());
    ASSERT_TRUE(attendFermeture());
}

} // namespace
