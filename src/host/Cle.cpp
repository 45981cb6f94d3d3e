#include "host/Cle.h"

std::string DecritCle(const Cle& cle) {
    if (!cle.valeurs.empty())
        return std::string(cle.valeurs);
    switch (cle.lecture) {
    case Lecture::Geometrie:
        return "centimètres";
    case Lecture::Entier:
        return "entier de " + std::to_string(cle.min) + " à " + std::to_string(cle.max);
    case Lecture::Drapeau:
        return "0 ou 1";
    case Lecture::Libre:
        return "0 ou 1 (un autre texte vaut 0)";
    case Lecture::Couleur:
        return "couleur\u00A0: nom (rouge, vert clair…), #RRGGBB ou nombre 0xBBGGRR";
    case Lecture::Fonte:
        return "police\u00A0: nom,taille,couleur,styles";
    case Lecture::Texte:
        if (cle.max > cle.min)
            return "entier de " + std::to_string(cle.min) + " à " + std::to_string(cle.max);
        return "texte";
    case Lecture::Action:
        return "action";
    }
    return {};
}

const Cle* TrouveCle(TableCles table, std::string_view nom) {
    for (const Cle& cle : table)
        if (cle.nom == nom)
            return &cle;
    return nullptr;
}
