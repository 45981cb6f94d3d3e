#include "package/forms/TOperationConfig.h"

#include "forms/forms_test_support.h"
#include "package/OperationConfig.h"
#include "package/SavedSettings.h"
#include "platform/UserInterface.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

#include <fstream>
#include <memory>

namespace {

class OperationConfigFormTest : public ::testing::Test {
protected:
    SavedSettings settings;
    TTestUi ui;
    TScopedUi scoped{ui};
    TOperationConfigModel model;
    TOperationConfig dialog{model};

    QLineEdit* edit() const { return dialog.findChild<QLineEdit*>("edMultChiffresMax"); }
    QPushButton* pushButton(const char* name) const { return dialog.findChild<QPushButton*>(name); }

    void show() {
        dialog.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&dialog));
        ASSERT_NE(edit(), nullptr);
    }
    void type(const QString& text) {
        edit()->selectAll();
        QTest::keyClick(edit(), Qt::Key_Delete);
        QTest::keyClicks(edit(), text);
    }
};

// The dialog only takes models of its own kind.
class OtherModel : public TFormModel {};

} // namespace

TEST_F(OperationConfigFormTest, ShowsTheSettingWithCaptionsThatFit) {
    show();
    EXPECT_EQ(edit()->text(), "6");
    const auto* label = dialog.findChild<QLabel*>("lbMultiplications");
    for (const QWidget* w : std::initializer_list<const QWidget*>{
             label, pushButton("btOk"), pushButton("btCancel"), pushButton("btHelp")}) {
        ASSERT_NE(w, nullptr);
        EXPECT_GE(w->width(), w->sizeHint().width()) << w->objectName().toStdString();
    }
    EXPECT_EQ(dialog.minimumSize(), dialog.maximumSize()) << "a dialog border: fixed size";
    EXPECT_GE(dialog.width(), 272);
    EXPECT_GE(dialog.height(), 133);
    EXPECT_LE(dialog.width(), 272 * 3 / 2);
    EXPECT_LE(dialog.height(), 133 * 3 / 2);
}

TEST_F(OperationConfigFormTest, NumbersBelowOneAreRefusedAndTheDialogStaysOpen) {
    show();
    // An empty edit reads as 0; the largest unsigned number is -1 once taken as signed.
    for (const char* texte : {"0", "", "4294967295"}) {
        type(texte);
        QTest::keyClick(edit(), Qt::Key_Return); // the default button
        EXPECT_TRUE(dialog.isVisible()) << texte;
        EXPECT_EQ(TvlOperation::MultChiffresMax, 6) << texte;
    }
    ASSERT_FALSE(ui.Messages().empty());
    EXPECT_EQ(ui.Messages()[0], "Calculs: il faut un nombre > 0");
    EXPECT_GE(ui.Messages().size(), 2u);
}

TEST_F(OperationConfigFormTest, FourIsAppliedAndClosesEvenWhenTheRegistryCannotBeWritten) {
    // A configuration folder below a plain file cannot exist: nothing can be written there.
    const std::string blocker = settings.folder().put("fichier", "pas un dossier");
    SetConfigDirectory(blocker + "/config");
    show();
    type("4");
    QTest::mouseClick(pushButton("btOk"), Qt::LeftButton);
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_EQ(dialog.result(), mrOk);
    EXPECT_EQ(TvlOperation::MultChiffresMax, 4);
    EXPECT_TRUE(ui.Messages().empty());
    std::ifstream still(blocker);
    EXPECT_TRUE(still.good());
}

TEST_F(OperationConfigFormTest, StoresTheValueInTheRegistryWhenTheKeyExists) {
    PutRegistryKey();
    show();
    type("12");
    QTest::keyClick(edit(), Qt::Key_Return);
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_EQ(TvlOperation::MultChiffresMax, 12);
    EXPECT_EQ(RegistryValue(), "12");
}

TEST_F(OperationConfigFormTest, EditTakesUnsignedNumbersOnly) {
    show();
    type("1a-2 3");
    EXPECT_EQ(edit()->text(), "123");
    type("42949672951");
    EXPECT_EQ(edit()->text(), "4294967295") << "the largest unsigned 32-bit number";
    type("9999999999");
    EXPECT_EQ(edit()->text(), "999999999");
}

TEST_F(OperationConfigFormTest, CancelStoresNothing) {
    PutRegistryValue("6");
    show();
    type("9");
    QTest::mouseClick(pushButton("btCancel"), Qt::LeftButton);
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_EQ(dialog.result(), mrCancel);
    EXPECT_EQ(TvlOperation::MultChiffresMax, 6);
    EXPECT_EQ(RegistryValue(), "6");
}

TEST_F(OperationConfigFormTest, HelpButtonOpensTheDialogsHelp) {
    show();
    QTest::mouseClick(pushButton("btHelp"), Qt::LeftButton);
    ASSERT_EQ(ui.shown.size(), 1u);
    EXPECT_EQ(ui.shown[0].kind, "help");
    EXPECT_TRUE(dialog.isVisible());
}

TEST_F(OperationConfigFormTest, FactoryRunsTheFormModallyOnItsModel) {
    OtherModel other;
    EXPECT_EQ(TOperationConfig::Cree(other, nullptr), nullptr);

    TOperationConfigModel fresh;
    const std::unique_ptr<QDialog> form = TOperationConfig::Cree(fresh, nullptr);
    ASSERT_NE(form, nullptr);
    QTimer::singleShot(0, form.get(), [&] {
        auto* e = form->findChild<QLineEdit*>("edMultChiffresMax");
        e->setText("5");
        form->findChild<QPushButton*>("btOk")->click();
    });
    EXPECT_EQ(form->exec(), mrOk);
    EXPECT_EQ(TvlOperation::MultChiffresMax, 5);
}
