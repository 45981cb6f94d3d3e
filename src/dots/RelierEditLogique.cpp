#include "dots/RelierEditLogique.h"

#include <algorithm>
#include <cmath>

RelierEditLogique::RelierEditLogique(const JeuPoints& jeu, int pixelsParPouceX, int pixelsParPouceY)
    : PasX(jeu.PasX), PasY(jeu.PasY), Image(jeu.Image), Generateur(jeu),
      pppX_(std::max(pixelsParPouceX, 1)), pppY_(std::max(pixelsParPouceY, 1)) {
    std::size_t ligne = 0;
    for (const bool places : {true, false})
        for (const PointRelier& p : jeu.Points) {
            if (p.Place() != places || ligne >= Lignes.size())
                continue;
            if (places && int(Places.size()) < kMaxPlaces)
                Places.push_back({p.x, p.y});
            Lignes[ligne++] = {p.Etiquette, p.Reponse};
        }
}

void RelierEditLogique::ChangeZone(int largeur, int hauteur) {
    largeur_ = largeur;
    hauteur_ = hauteur;
}

void RelierEditLogique::ChangeResolution(int pixelsParPouceX, int pixelsParPouceY) {
    pppX_ = std::max(pixelsParPouceX, 1);
    pppY_ = std::max(pixelsParPouceY, 1);
}

// Down to the step, or up one step past half of it while still inside the area.
double RelierEditLogique::aligne(double v, int pas, double limite) const {
    pas = std::clamp(pas, 0, JeuPoints::kMaxPas);
    if (pas <= 0)
        return v;
    const double g = 10.0 * pas;
    const double bas = std::floor(v / g) * g;
    return v - bas > g / 2 && bas + g <= limite ? bas + g : bas;
}

std::optional<RelierEditLogique::Point> RelierEditLogique::PointSouris(int x, int y) const {
    const double w = dixiemes(largeur_, pppX_);
    const double h = dixiemes(hauteur_, pppY_);
    if (w < 1 || h < 1)
        return std::nullopt;
    const double px = aligne(dixiemes(x, pppX_), PasX, w);
    const double py = aligne(dixiemes(y, pppY_), PasY, h);
    return Point{px / w, py / h};
}

std::pair<int, int> RelierEditLogique::Pixels(const Point& p) const {
    return {int(std::lround(p.x * largeur_)), int(std::lround(p.y * hauteur_))};
}

int RelierEditLogique::Choisit(int x, int y) const {
    for (int i = int(Places.size()) - 1; i >= 0; --i) {
        const auto [px, py] = Pixels(Places[std::size_t(i)]);
        const long dx = px - x;
        const long dy = py - y;
        if (dx * dx + dy * dy <= long(kRayonChoix) * kRayonChoix)
            return i;
    }
    return -1;
}

bool RelierEditLogique::Appui(int x, int y, bool gauche) {
    switch (ModeSouris) {
    case Mode::Ajout: {
        if (!gauche) {
            if (Places.empty())
                return false;
            Places.pop_back();
            return true;
        }
        const std::optional<Point> p = PointSouris(x, y);
        if (!p || int(Places.size()) >= kMaxPlaces)
            return false;
        Places.push_back(*p);
        return true;
    }
    case Mode::Deplace:
        deplace_ = gauche ? Choisit(x, y) : -1;
        return false;
    case Mode::Supprime: {
        const int i = gauche ? Choisit(x, y) : -1;
        if (i < 0)
            return false;
        Places.erase(Places.begin() + i);
        return true;
    }
    }
    return false;
}

bool RelierEditLogique::Glisse(int x, int y) {
    if (ModeSouris != Mode::Deplace || deplace_ < 0 || deplace_ >= int(Places.size()))
        return false;
    const std::optional<Point> p =
        PointSouris(std::clamp(x, 0, largeur_), std::clamp(y, 0, hauteur_));
    if (!p)
        return false;
    Places[std::size_t(deplace_)] = *p;
    return true;
}

void RelierEditLogique::AppliqueSerie(const std::vector<PaireSerie>& paires) {
    for (std::size_t i = 0; i < Lignes.size(); ++i)
        Lignes[i] = i < paires.size() ? Ligne{paires[i].Etiquette, paires[i].Reponse} : Ligne{};
}

void RelierEditLogique::Transfere(JeuPoints& jeu) const {
    const JeuPoints generateur = Generateur;
    jeu = generateur;
    jeu.Points.clear();
    for (std::size_t i = 0; i < Places.size(); ++i)
        jeu.Points.push_back({Places[i].x, Places[i].y, Lignes[i].Etiquette, Lignes[i].Reponse});
    for (std::size_t i = Places.size(); i < Lignes.size(); ++i)
        if (!Lignes[i].Etiquette.empty() && !Lignes[i].Reponse.empty())
            jeu.Points.push_back({-1, -1, Lignes[i].Etiquette, Lignes[i].Reponse});
    jeu.PasX = std::clamp(PasX, 0, JeuPoints::kMaxPas);
    jeu.PasY = std::clamp(PasY, 0, JeuPoints::kMaxPas);
    jeu.Image = Image;
}

void RelierEditLogique::OuvreGenerateur() {
    GenSeries generateur(Generateur, int(Places.size()));
    Ui().ShowModal("GenSeries", generateur);
    generateur.Fermer(Generateur);
    if (generateur.Applique)
        AppliqueSerie(generateur.Resultat);
}

bool RelierEditLogique::ChargeImage(const std::string& fichier, std::string& message) {
    TPicture image;
    if (!image.LoadFromFile(fichier)) {
        message = "Impossible de lire l'image «\u00A0" + fichier + "\u00A0»";
        return false;
    }
    Modele = std::move(image);
    Image = fichier;
    return true;
}
