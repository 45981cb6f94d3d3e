#include "sudoku/SudokuDiaImages.h"

#include "host/Services.h"
#include "sudoku/Sudoku.h"

#include <filesystem>

std::string SudokuDiaImagesModele::DossierMemorise;

namespace {

constexpr char kTitre[] = "Choisir une image";
constexpr char kFiltre[] = "Images (*.png *.jpg *.jpeg);;Tous les fichiers (*)";

} // namespace

SudokuDiaImagesModele::SudokuDiaImagesModele(TvlSudoku* composant) : composant_(composant) {
    if (composant_ == nullptr)
        return;
    for (int valeur = 1; valeur <= 9; ++valeur)
        images_[index(valeur)] = composant_->Image(valeur);
}

bool SudokuDiaImagesModele::Charge(int valeur) {
    std::string chemin = DossierMemorise;
    if (!Ui().OpenFileName(kTitre, kFiltre, chemin))
        return false;
    DossierMemorise = std::filesystem::path(chemin).parent_path().string();
    TPicture image;
    if (!image.LoadFromFile(chemin)) {
        Ui().MessageBox("Le fichier «\u00A0" + chemin +
                            "\u00A0» n'est pas une image lisible (PNG ou JPEG attendu).",
                        "ERREUR", MB_OK | MB_ICONERROR);
        return false;
    }
    images_[index(valeur)] = std::move(image);
    return true;
}

void SudokuDiaImagesModele::Valide() const {
    if (composant_ == nullptr)
        return;
    for (int valeur = 1; valeur <= 9; ++valeur)
        composant_->ChangeImage(valeur, images_[index(valeur)]);
}

void SudokuDiaImagesModele::btAideClick() const {
    Aide(AideSujet, 0);
}
