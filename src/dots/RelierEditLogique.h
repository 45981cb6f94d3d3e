// The points editor's logic: the placed points over the drawing area, the value grid of labels
// and answers, the grid steps and the model picture, the three mouse modes and the transfer
// back to the component's point set. Mouse positions are in pixels of an area whose size in
// tenths of a millimetre follows the screen's pixels per inch.
#pragma once

#include "dots/GenSeries.h"
#include "dots/JeuPoints.h"
#include "platform/Picture.h"
#include "platform/UserInterface.h"

#include <array>
#include <optional>
#include <string>
#include <vector>

class RelierEditLogique : public TFormModel {
public:
    static constexpr int kMaxPlaces = 100;
    static constexpr int kLignes = 100;
    static constexpr int kRayonChoix = 10; // pixels

    enum class Mode { Ajout, Deplace, Supprime };
    struct Point {
        double x = 0; // fractions of the area
        double y = 0;
        bool operator==(const Point&) const = default;
    };
    struct Ligne {
        std::string Etiquette; // "Epreuve"
        std::string Reponse;   // "Corrigé"
    };

    // Placed points in order, every point's texts in the rows (placed first, then unplaced),
    // the grid steps and the picture's name from the point set.
    RelierEditLogique(const JeuPoints& jeu, int pixelsParPouceX, int pixelsParPouceY);

    // The drawing area's size in pixels, and the screen's pixels per inch.
    void ChangeZone(int largeur, int hauteur);
    void ChangeResolution(int pixelsParPouceX, int pixelsParPouceY);
    // The point under the mouse, snapped to the grid steps; none for an empty area.
    std::optional<Point> PointSouris(int x, int y) const;
    // The last placed point within 10 pixels of the mouse, or -1.
    int Choisit(int x, int y) const;
    // A press in the current mode: adds, removes the last (right button in add mode), picks
    // for moving, or deletes. True when the points changed.
    bool Appui(int x, int y, bool gauche);
    // The mouse moved with the button held: the picked point follows, kept inside the area.
    bool Glisse(int x, int y);
    void Relache() { deplace_ = -1; }
    void EffaceTout() { Places.clear(); }
    // "Appliquer" of the generator: its first 100 pairs fill the rows from the first, and the
    // rows after them are emptied, so that no pair of an earlier series stays.
    void AppliqueSerie(const std::vector<PaireSerie>& paires);
    // "Sortie": the point set takes the placed points with their rows, then the later rows
    // holding both texts as unplaced points, the grid steps and the picture's name.
    void Transfere(JeuPoints& jeu) const;

    // "&Générateur de séries...": the generator's dialog on the settings and the shown points;
    // its settings come back when it closes, its pairs when its result window was accepted.
    void OuvreGenerateur();
    // The model picture from a file: false, with a message naming the file, when it cannot be
    // read (the picture and its name are then unchanged).
    bool ChargeImage(const std::string& fichier, std::string& message);
    void EffaceImage() {
        Modele.Clear();
        Image.clear();
    }

    // Pixel position of a placed point.
    std::pair<int, int> Pixels(const Point& p) const;

    Mode ModeSouris = Mode::Ajout;
    std::vector<Point> Places;
    std::array<Ligne, kLignes> Lignes{};
    int PasX = 0; // millimetres
    int PasY = 0;
    std::string Image;
    TPicture Modele;
    JeuPoints Generateur;     // the generator's settings, written back with the transfer
    bool PageValeurs = false; // opens on the "Valeurs" page rather than the points

private:
    double dixiemes(int pixels, int ppp) const { return double(pixels) * 254 / ppp; }
    double aligne(double v, int pas, double limite) const;

    int pppX_;
    int pppY_;
    int largeur_ = 0;
    int hauteur_ = 0;
    int deplace_ = -1;
};
