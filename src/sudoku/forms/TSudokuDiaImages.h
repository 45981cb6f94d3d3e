// The pictures dialog of the sudoku ("Choix des images"): nine pictures, one per value, each
// changed by a click and emptied by its own button. It shows and forwards;
// SudokuDiaImagesModele loads the files and copies the pictures into the component on OK.
#pragma once

#include <QDialog>

#include <array>
#include <memory>

class QLabel;
class QPushButton;
class TFormModel;
class TScaledImage;
class SudokuDiaImagesModele;

class TSudokuDiaImages : public QDialog {
    Q_OBJECT

public:
    explicit TSudokuDiaImages(SudokuDiaImagesModele& model, QWidget* parent = nullptr);

    // The form "SudokuDiaImages" as the user-interface service makes it: the dialog on its
    // model, null for a model of another kind.
    static std::unique_ptr<QDialog> Cree(TFormModel& model, QWidget* parent);
    // A model with a few drawn pictures and no component, to show the dialog with.
    static std::unique_ptr<TFormModel> Exemple();

    QLabel* lbConsigne;
    // The pictures of values 1 to 9 (Image1..Image9) and their clear buttons
    // (btEfface1..btEfface9).
    std::array<TScaledImage*, 9> Images{};
    std::array<QPushButton*, 9> btEfface{};
    QPushButton* btOk;
    QPushButton* btAnnuler;
    QPushButton* btAide;

public slots:
    void ImageClick(int valeur);
    // A clear button: the value is the last character of its name.
    void btEffaceClick();
    void btOkClick();
    void btAideClick();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void montre(int valeur);

    SudokuDiaImagesModele& model_;
};
