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

TEST_F(OperationConfigFormTest, ShowsTheSettingWithFrenchCaptionsThatFit) {
    show();
    EXPECT_EQ(dialog.windowTitle(), QString::fromUtf8("Opération"));
    EXPECT_EQ(edit()->text(), "6");
    const auto* label = dialog.findChild<QLabel*>("lbMultiplications");
    ASSERT_NE(label, nullptr);
    EXPECT_EQ(label->text(), "Multiplications (voir Aide)");
    ASSERT_NE(pushButton("btOk"), nullptr);
    ASSERT_NE(pushButton("btCancel"), nullptr);
    ASSERT_NE(pushButton("btHelp"), nullptr);
    EXPECT_EQ(pushButton("btOk")->text(), "OK");
    EXPECT_EQ(pushButton("btCancel")->text(), "Annuler");
    EXPECT_EQ(pushButton("btHelp")->text(), "&Aide");

    EXPECT_EQ(dialog.minimumSize(), dialog.maximumSize()) << "a dialog border: fixed size";
    EXPECT_GE(dialog.width(), 272);
    EXPECT_GE(dialog.height(), 133);
    EXPECT_LE(dialog.width(), 272 * 3 / 2);
    EXPECT_LE(dialog.height(), 133 * 3 / 2);
    for (const QWidget* w : std::initializer_list<const QWidget*>{
             label, pushButton("btOk"), pushButton("btCancel"), pushButton("btHelp")})
        EXPECT_GE(w->width(), w->sizeHint().width()) << w->objectName().toStdString();
}

TEST_F(OperationConfigFormTest, ZeroIsRefusedAndTheDialogStaysOpen) {
    show();
    type("0");
    QTest::mouseClick(pushButton("btOk"), Qt::LeftButton);
    EXPECT_TRUE(dialog.isVisible());
    EXPECT_EQ(TvlOperation::MultChiffresMax, 6);
    EXPECT_EQ(ui.Messages(), std::vector<std::string>{"Calculs: il faut un nombre > 0"});

    type("");
    QTest::keyClick(edit(), Qt::Key_Return); // the default button
    EXPECT_TRUE(dialog.isVisible()) << "an empty edit reads as 0";
    EXPECT_EQ(ui.Messages().size(), 2u);
    EXPECT_EQ(TvlOperation::MultChiffresMax, 6);
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

    type("4294967295"); // -1 once taken as a signed number
    QTest::mouseClick(pushButton("btOk"), Qt::LeftButton);
    EXPECT_TRUE(dialog.isVisible());
    EXPECT_EQ(TvlOperation::MultChiffresMax, 6);
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
