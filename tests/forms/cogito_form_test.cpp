#include "operation/forms/TCogito.h"

#include "forms/forms_test_support.h"
#include "host/forms/QtUserInterface.h"
#include "operation/CogitoModele.h"
#include "operation/OperGen.h"
#include "platform/Random.h"

#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QSlider>
#include <QTest>
#include <gtest/gtest.h>

namespace {

class CogitoFormTest : public ::testing::Test {
protected:
    CogitoFormTest() { SeedRandom(2024); } // the worker's seed is drawn when it starts

    // The worker's end reaches the dialog through Qt's event loop.
    TQtUserInterface ui_;
    TScopedUi scoped_{ui_};
    std::unique_ptr<CogitoModele> modele_ = CogitoModele::Exemple();
    TCogito dialog_{*modele_};

    template <typename T> T* enfant(const char* nom) const { return dialog_.findChild<T*>(nom); }

    bool attendFermeture() {
        for (int i = 0; i < 500 && dialog_.isVisible(); ++i)
            QTest::qWait(10);
        return !dialog_.isVisible();
    }
};

TEST_F(CogitoFormTest, ShowingStartsTheWorkerAndItsEndClosesTheDialog) {
    ASSERT_NE(enfant<QSlider>("TrackBar"), nullptr);
    EXPECT_EQ(enfant<QSlider>("TrackBar")->value(), 2); // normal priority
    dialog_.show();
    ASSERT_TRUE(attendFermeture());
    EXPECT_EQ(dialog_.result(), mrOk);
    EXPECT_TRUE(modele_->Fini());
    EXPECT_FALSE(modele_->Annule());
    EXPECT_EQ(enfant<QProgressBar>("ProgressBar1")->maximum(), modele_->Maximum());
}

TEST_F(CogitoFormTest, CancelSaysToWaitThenClosesOnceTheWorkerHasStopped) {
    dialog_.show();
    enfant<QSlider>("TrackBar")->setValue(0);
    EXPECT_EQ(modele_->Priorite(), TThreadPriority::tpLowest);
    enfant<QPushButton>("btAnnuler")->click();
    EXPECT_EQ(enfant<QLabel>("Label4")->text(),
              QString::fromUtf8("Fin du calcul... PATIENTEZ, merci !"));
    EXPECT_FALSE(enfant<QPushButton>("btAnnuler")->isEnabled());
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
