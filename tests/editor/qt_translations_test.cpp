// Qt's own dialogs on a French desktop: their buttons and labels come out in French.
#include "Launch.h"

#include <QApplication>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QFileInfo>
#include <QLabel>
#include <QLibraryInfo>
#include <QPushButton>
#include <gtest/gtest.h>

#include <cstdlib>

namespace {

TEST(QtTranslations, FrenchDesktopGetsFrenchStandardDialogs) {
    // The desktop's language is read from the environment as the application starts.
    setenv("LANG", "fr_FR.UTF-8", 1);
    setenv("LC_ALL", "fr_FR.UTF-8", 1);
    unsetenv("LANGUAGE");
    setenv("QT_QPA_PLATFORM", "offscreen", 1);
    const QString catalogue =
        QLibraryInfo::path(QLibraryInfo::TranslationsPath) + QStringLiteral("/qtbase_fr.qm");
    if (!QFileInfo::exists(catalogue))
        GTEST_SKIP() << catalogue.toStdString() << " is missing (qt6-translations-l10n)";
    int argc = 1;
    char name[] = "qt_translations_test";
    char* argv[] = {name, nullptr};
    QApplication application(argc, argv);
    ASSERT_TRUE(LoadQtTranslations(application));

    QDialogButtonBox buttons(QDialogButtonBox::Open | QDialogButtonBox::Cancel);
    EXPECT_EQ(buttons.button(QDialogButtonBox::Cancel)->text().toStdString(), "Annuler");
    EXPECT_EQ(buttons.button(QDialogButtonBox::Open)->text().toStdString(), "Ouvrir");

    QFileDialog dialog;
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    const auto* lookIn = dialog.findChild<QLabel*>(QStringLiteral("lookInLabel"));
    ASSERT_NE(lookIn, nullptr);
    EXPECT_EQ(lookIn->text().toStdString(), "Voir dans :");
}

} // namespace
