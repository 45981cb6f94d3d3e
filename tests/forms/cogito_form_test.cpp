#include "operation/forms/TCogito.h"

#include "forms/forms_test_support.h"
#include "host/forms/QtUserInterface.h"
#include "operation/CogitoModele.h"

#include <QLabel>
#include <QPushButton>
#include <QSlider>

namespace {

// Showing starts the worker and its end closes the dialog; the button or Escape says to wait,
// then closes once the worker has stopped. The worker's end reaches the dialog through Qt's
// event loop.
TEST(CogitoForm, ShowingStartsTheWorkerAndCancellingWaitsForItToStop) {
    TQtUserInterface ui;
    TScopedUi scoped{ui};
    for (const int annulation : {0, 1, 2}) {
        SCOPED_TRACE(annulation);
        SeedRandom(2024); // the worker's seed is drawn when it starts
        const auto modele = CogitoModele::Exemple();
        TCogito dialog{*modele};
        dialog.show();
        Ctl<QSlider>(dialog, "TrackBar")->setValue(0);
        EXPECT_EQ(modele->Priorite(), TThreadPriority::tpLowest);
        if (annulation == 1)
            Ctl<QPushButton>(dialog, "btAnnuler")->click();
        if (annulation == 2)
            QTest::keyClick(&dialog, Qt::Key_Escape);
        if (annulation > 0) {
            EXPECT_EQ(Ctl<QLabel>(dialog, "Label4")->text(),
                      QString::fromUtf8("Fin du calcul... PATIENTEZ, merci\u00A0!"));
            EXPECT_FALSE(Ctl<QPushButton>(dialog, "btAnnuler")->isEnabled());
        }
        ASSERT_TRUE(QTest::qWaitFor([&dialog] { return !dialog.isVisible(); }, 5000));
        EXPECT_TRUE(modele->Fini());
        EXPECT_EQ(modele->Annule(), annulation > 0);
        EXPECT_EQ(dialog.result(), annulation > 0 ? mrCancel : mrOk);
    }
}

} // namespace
