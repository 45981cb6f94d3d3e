// The logic of the pictures dialog ("Choix des images"): a working copy of the sudoku's nine
// pictures, one per value, changed from files or cleared, and copied into the component on OK
// only. The folder of the last picture chosen is kept for the life of the process.
#pragma once

#include "platform/Picture.h"
#include "platform/UserInterface.h"

#include <array>
#include <string>

class TvlSudoku;

class SudokuDiaImagesModele : public TFormModel {
public:
    static constexpr char NomFiche[] = "SudokuDiaImages";
    static constexpr int AideSujet = 136;

    // Starts from the component's pictures; without a component, from empty ones.
    explicit SudokuDiaImagesModele(TvlSudoku* composant);

    // The picture of value 1..9.
    const TPicture& Image(int valeur) const { return images_[index(valeur)]; }
    void ChangeImage(int valeur, const TPicture& image) { images_[index(valeur)] = image; }

    // Asks for a picture file (starting in the last folder used) and loads it as the picture
    // of the value; false when the user cancels, or the file is not a picture (message shown,
    // the picture unchanged).
    bool Charge(int valeur);
    void Efface(int valeur) { images_[index(valeur)].Clear(); }
    // OK: the nine pictures go into the component.
    void Valide() const;
    void btAideClick() const;

    // Where the next file dialog opens.
    static std::string DossierMemorise;

private:
    static size_t index(int valeur) { return size_t(valeur - 1); }

    TvlSudoku* composant_;
    std::array<TPicture, 9> images_;
};
