// The sending rules of property windows, as plain code: a window ties its controls to indices
// of its component's key table and sends every change through EcrireOptions.
#pragma once

#include "host/Cle.h"

#include <functional>
#include <string>
#include <vector>

class TComposant;
class TPropDock;

class TPropForm {
public:
    // A window over a kind's key table.
    TPropForm(TComposant* composant, std::string nom, TableCles table);
    // A window over key names only (the host's own kinds).
    TPropForm(TComposant* composant, std::string nom, std::vector<std::string> cles);
    virtual ~TPropForm() = default;

    const std::string& Nom() const { return nom_; }
    TComposant* Composant() const { return composant_; }
    const std::vector<std::string>& Cles() const { return cles_; }
    // The kind's key table; empty for a window over names only.
    TableCles Table() const { return table_; }

    // Applies cles[index] = valeur through the component's ChangeOption. Nothing is sent while
    // the window refreshes. On refusal with a message, the message is shown and the control
    // refreshed from the component. Returns ChangeOption's answer.
    bool EcrireOptions(int index, const std::string& valeur);
    // The same for a key every kind shares (the instruction), by its name.
    bool EcrireCleCommune(const std::string& nom, const std::string& valeur);
    // Shows another component of the kind: refreshes every control. The window reaches its
    // component only through this pointer; null leaves it without one (nothing is sent).
    void ChangeComposant(TComposant* composant);
    // Refreshes every control from the component, with the updating flag set; nothing
    // without a component.
    void Rafraichir();
    bool MiseAJour() const { return miseAJour_; }

    // Whether the kind keeps preferred options: its table has keys the ini file keeps.
    bool GardeReglagesPreferes() const;
    // Keeps the component's settings as its kind's preferred options, which every new component
    // of the kind starts from; false when there is no ini file to keep them in.
    bool EnregistreReglagesPreferes();
    // Brings the component back to its kind's factory settings (a new exercise once built),
    // refreshes the window and tells OnChange.
    void RetablitReglagesOrigine();

    virtual void OnEditEnter(int index);
    virtual void OnEditExit(int index);
    virtual void GroupBoxClick(int index);
    virtual void FormCreate();
    virtual void FormShow();
    virtual void FormResize();

    // Called after a change was taken (the editor redraws the document).
    std::function<void()> OnChange;

protected:
    // Sets the controls tied to the table's keys from the component; the widget base does it.
    virtual void RemplirLies() {}
    // Sets every other control from the component (the updating flag is set meanwhile).
    virtual void RemplirControles() {}
    // Sets the control tied to `index` from the component after a refusal.
    virtual void RafraichirControle(int index);

private:
    // Sends one key by name; `index` is the control refreshed after a refusal (-1: all).
    bool envoie(const std::string& nom, const std::string& valeur, int index);

    TComposant* composant_;
    std::string nom_;
    std::vector<std::string> cles_;
    TableCles table_;
    bool miseAJour_ = false;
};

// Where the editor docks property windows: finds a window by name or makes one through the
// factory registered for that name.
class TPropDock {
public:
    virtual ~TPropDock() = default;
    virtual TPropForm* Trouve(const std::string& nom) = 0;
    virtual TPropForm* Cree(const std::string& nom, TComposant& composant) = 0;
};
