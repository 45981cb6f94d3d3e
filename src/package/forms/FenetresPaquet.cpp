#include "package/forms/FenetresPaquet.h"

#include "host/forms/PropDock.h"

#include <array>
#include <string_view>

// The kinds' headers, with their windows'.
#define GENRES_FENETRES
#define GENRE(...)
#include "package/Genres.def"
#undef GENRE

namespace {

struct Fenetre {
    std::string_view classe; // the window class, "T" then the name the component asks for
    TPropDockWidget::Factory (*cree)();
};

template <class Window, class Composant> TPropDockWidget::Factory window() {
    return [](TComposant& composant, QWidget* parent) -> TPropFormWidget* {
        return new Window(dynamic_cast<Composant&>(composant), parent);
    };
}

// One row a kind of the list, in palette order.
#define GENRE(Classe, nom, glyphe, aide, cles, Window, ...)                                        \
    Fenetre{#Window, window<Window, Classe>},
const std::array kFenetres{
#include "package/Genres.def"
};
#undef GENRE

} // namespace

void EnregistreFenetresPaquet(TPropDockWidget& dock) {
    for (const Fenetre& fenetre : kFenetres)
        dock.RegisterPropForm(std::string(fenetre.classe.substr(1)), fenetre.cree());
}
