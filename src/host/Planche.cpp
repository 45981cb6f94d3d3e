#include "host/Planche.h"

#include <utility>

TPlanche::TPlanche(Format format, bool paysage) : Taille(TailleFormat(format, paysage)) {}

vlRect TPlanche::ZoneUtile() const {
    return {Marges.left, Marges.top, Taille.cx - Marges.right, Taille.cy - Marges.bottom};
}

vlSize TPlanche::TailleFormat(Format format, bool paysage) {
    vlSize size = format == Format::A4 ? vlSize{2100, 2970} : vlSize{1480, 2100};
    if (paysage)
        std::swap(size.cx, size.cy);
    return size;
}
