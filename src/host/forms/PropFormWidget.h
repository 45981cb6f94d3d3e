// The base of every property window: a widget whose controls are tied to indices of its
// component's key table. Each binding sends the right text at the right moment through
// TPropForm::EcrireOptions, and nothing while the window refreshes its controls. With a key
// table, the refresh sets every bound control from the field its key's row names, and an
// up-down takes its key's range.
#pragma once

#include "host/PropForm.h"

#include <QWidget>

#include <functional>
#include <initializer_list>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "host/forms/TCadreStyle.h"

class QAbstractButton;
class QButtonGroup;
class QCheckBox;
class QComboBox;
class QLineEdit;
class TColorButton;
class TPagePosition;
class TUpDown;

class TPropFormWidget : public QWidget, public TPropForm {
    Q_OBJECT
public:
    TPropFormWidget(TComposant* composant, const std::string& nom, TableCles table,
                    QWidget* parent = nullptr);
    TPropFormWidget(TComposant* composant, const std::string& nom, std::vector<std::string> cles,
                    QWidget* parent = nullptr);

protected:
    // An edit sends its text when Enter is pressed, then selects it; its focus changes go to
    // OnEditEnter/OnEditExit.
    void LieEdit(QLineEdit* edit, int index);
    // An up-down sends its edit's text when an arrow is released.
    void LieUpDown(TUpDown* upDown, int index);
    // A combo box sends its item index when the user changes it.
    void LieCombo(QComboBox* combo, int index);
    // A radio group named `nom` over `boutons`, whose ids are their places from 0.
    QButtonGroup* GroupeRadio(const char* nom, std::initializer_list<QAbstractButton*> boutons);
    // A radio group sends the checked button's id when one is clicked.
    void LieRadio(QButtonGroup* group, int index);
    // A check box sends 1 or 0.
    void LieCheck(QCheckBox* check, int index);
    // A colour button sends the colour chosen.
    void LieCouleur(TColorButton* button, int index);
    // A font button opens the font dialog on the current font (its text form) and sends the
    // text form of the font chosen.
    void LieFonte(QAbstractButton* button, int index, std::function<std::string()> courante);
    // An action button sends an empty value.
    void LieAction(QAbstractButton* button, int index);
    // Binds every control of the window whose form gives it the dynamic property "cle", the
    // name of the key it edits: a check box, a combo box, a colour button, an edit (with the
    // arrows that carry the same key), or a button that sends an empty value. A name the table does
    // not have is a fault of the form, reported by std::logic_error.
    void LieControlesNommes();

    // The position page: its edits to the geometry keys, its check boxes to "Detachable" and
    // "Actif", its instruction edit to "Consigne".
    void LiePagePosition(TPagePosition* page);
    // The same for a window that lays those controls out itself.
    void LieCommuns(QLineEdit* orgX, QLineEdit* orgY, QLineEdit* sizeX, QLineEdit* sizeY,
                    QCheckBox* detachable, QCheckBox* actif);
    // An edit that sends the instruction ("Consigne") on Enter and shows it on refresh.
    void LieConsigne(QLineEdit* edit);
    // The pen and brush groups. Each setting goes to the key `choix` names (-1: none, and the
    // brush group is off when its settings have none); by default the frame keys.
    using ChoixCleStyle = std::function<int(TCadreStyle::Champ)>;
    void LieCadreStyle(TCadreStyle* style, ChoixCleStyle choix = {});

    // Two toggle buttons, at most one down, that choose in which version of the sheet the
    // answer is shown: the test version sends 1, the corrected version 2, raising the button
    // that was down sends 0.
    void LieMode(QAbstractButton* epreuve, QAbstractButton* corrige, int index);
    static void MontrerMode(QAbstractButton* epreuve, QAbstractButton* corrige, int mode);
    // A radio group whose key acts each time it is received: it sends the new button's id
    // when the checked button changes, and nothing for a click on the button already checked.
    void LieRadioChange(QButtonGroup* group, int index);

    // Refreshes every control once the signal's own send is done, for keys that change other
    // settings too (a frame turned, values drawn, a clear brush made solid).
    template <typename Sender, typename Signal>
    void RafraichirApres(Sender* sender, Signal signal) {
        connect(sender, signal, this, [this] { rafraichirSiLibre(); });
    }
    // The same for an edit on Enter; its text stays selected.
    void RafraichirApresEdit(QLineEdit* edit);

    // Position and size of the component in centimetres, for the geometry edits.
    std::string Centimetres(int tenths) const;

    bool eventFilter(QObject* watched, QEvent* event) override;
    void RemplirLies() override;

private:
    enum class Controle { Edit, Combo, Radio, Check, Couleur };
    struct Lien {
        QObject* controle;
        int index;
        Controle type;
    };

    void envoie(int index, const std::string& valeur);
    void lie(QObject* controle, int index, Controle type);
    // The index of the table's key named `nom`, or -1.
    int indexCle(std::string_view nom) const;
    void remplirCadreStyle();
    void rafraichirSiLibre();
    // The value the component holds for a key, when the table says where it is.
    std::optional<int> valeurCle(int index) const;
    // The value of a key the table keeps no field for, as the component writes it in a sheet.
    std::optional<std::string> texteCle(int index) const;
    // The text of a geometry edit, in centimetres from the page margins.
    QString texteGeometrie(int index) const;

    std::vector<std::pair<QObject*, int>> edits_;
    std::vector<Lien> liens_;
    TCadreStyle* cadreStyle_ = nullptr;
    QLineEdit* consigne_ = nullptr;
    ChoixCleStyle choixStyle_;
};
