#include "forms_test_support.h"

#include "host/Texte.h"
#include "host/forms/TTexteProp.h"

#include <QComboBox>
#include <QPlainTextEdit>

namespace {

struct TexteProp : PropWindowTest<TTexte, TTexteProp> {
    TexteProp() : PropWindowTest("Texte") {}
};

// The text goes whole on the button, a paragraph a line; the alignment on its list; the refresh
// shows what the block holds.
TEST_F(TexteProp, TheTextIsSentWholeAndShownBack) {
    auto* texte = C<QPlainTextEdit>("mmTexte");
    texte->setPlainText(QStringLiteral("Lis **bien**.\nPuis écris."));
    Clique("btAppliquer");
    EXPECT_EQ(composant_.ListeParagraphes(),
              (std::vector<std::string>{"Lis **bien**.", "Puis écris."}));
    auto* alignement = C<QComboBox>("cbAlignement");
    alignement->setCurrentIndex(3);
    EXPECT_EQ(composant_.Reglages().Alignement, 3);
    Regle(composant_, {"Texte=Encore.", "Alignement=1"});
    window_.Rafraichir();
    EXPECT_EQ(std::pair(texte->toPlainText(), alignement->currentIndex()),
              std::pair(QStringLiteral("Lis **bien**.\nPuis écris.\nEncore."), 1));
}

} // namespace
