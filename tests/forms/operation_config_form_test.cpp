#include "package/forms/TOperationConfig.h"

#include "forms/forms_test_support.h"
#include "package/OperationConfig.h"
#include "package/SavedSettings.h"

#include <QPushButton>

TEST(OperationConfigForm, TakesUnsignedNumbersKeepsARefusalOpenAndAppliesOk) {
    SavedSettings settings;
    TTestUi ui;
    TScopedUi scoped{ui};
    TOperationConfigModel model;
    TOperationConfig dialog{model};
    dialog.show();
    auto* edit = Ctl<QLineEdit>(dialog, "edMultChiffresMax");
    const auto type = [edit](const QString& text) {
        edit->selectAll();
        QTest::keyClick(edit, Qt::Key_Delete);
        QTest::keyClicks(edit, text);
    };
    for (const char* nom : {"lbMultiplications", "btOk", "btCancel", "btHelp"}) {
        const auto* w = Ctl<QWidget>(dialog, nom);
        EXPECT_GE(w->width(), w->sizeHint().width()) << nom << ": the caption fits";
    }
    const std::pair<const char*, const char*> saisies[] = {
        {"1a-2 3", "123"}, {"42949672951", "4294967295"}, {"9999999999", "999999999"}};
    for (const auto& [tape, montre] : saisies) {
        type(tape);
        EXPECT_EQ(edit->text(), montre) << tape;
    }
    // An empty edit reads as 0; the largest unsigned number is -1 once taken as signed.
    for (const char* texte : {"0", "", "4294967295"}) {
        type(texte);
        QTest::keyClick(edit, Qt::Key_Return); // the default button
        EXPECT_TRUE(dialog.isVisible()) << texte;
    }
    EXPECT_EQ(ui.Messages(), std::vector<std::string>(3, "Calculs\u00A0: il faut un nombre > 0"));
    type("12");
    QTest::mouseClick(Ctl<QPushButton>(dialog, "btOk"), Qt::LeftButton);
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_EQ(dialog.result(), mrOk);
    EXPECT_EQ(TvlOperation::MultChiffresMax, 12);
}
