// The last page of a class set: each copy's answers in one compact table, so that a teacher
// corrects every copy from one page. Columns follow the exercises in reading order: "1", "2"…
// for the components that have answers, "2a", "2b"… for a frame of several exercises.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

class TDocument;

class Recapitulatif {
public:
    // Reads one copy's answers from its built document.
    void AjouteExemplaire(const TDocument& document);
    // The recap as a sheet: a title naming the columns' components, then a grid of the answers,
    // split over several pages when the copies or the answers are many. Empty when no
    // exercise has an answer to gather.
    std::string Feuille() const;

private:
    struct Colonne {
        std::string libelle;   // "2b"
        std::string composant; // the component's name, for the legend
    };
    std::vector<Colonne> colonnes_; // the widest copy's columns
    std::vector<std::vector<std::string>> exemplaires_;
};
