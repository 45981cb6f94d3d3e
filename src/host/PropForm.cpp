#include "host/PropForm.h"

#include "host/Composant.h"
#include "host/Services.h"
#include "platform/UserInterface.h"

namespace {

std::vector<std::string> noms(TableCles table) {
    std::vector<std::string> cles;
    cles.reserve(table.size());
    for (const Cle& cle : table)
        cles.emplace_back(cle.nom);
    return cles;
}

} // namespace

TPropForm::TPropForm(TComposant* composant, std::string nom, TableCles table)
    : composant_(composant), nom_(std::move(nom)), cles_(noms(table)), table_(table) {}

TPropForm::TPropForm(TComposant* composant, std::string nom, std::vector<std::string> cles)
    : composant_(composant), nom_(std::move(nom)), cles_(std::move(cles)) {}

bool TPropForm::EcrireOptions(int index, const std::string& valeur) {
    if (index < 0 || index >= int(cles_.size()))
        return false;
    return envoie(cles_[std::size_t(index)], valeur, index);
}

bool TPropForm::EcrireCleCommune(const std::string& nom, const std::string& valeur) {
    return TComposant::EstCleCommune(nom) && envoie(nom, valeur, -1);
}

bool TPropForm::envoie(const std::string& nom, const std::string& valeur, int index) {
    if (miseAJour_ || composant_ == nullptr)
        return false;
    std::string message;
    const bool pris = composant_->ChangeCle(valeur, nom, message);
    if (!pris && !message.empty()) {
        Ui().MessageBox(message, "ERREUR", MB_OK | MB_ICONERROR);
        miseAJour_ = true;
        RafraichirControle(index);
        miseAJour_ = false;
        return false;
    }
    // An action key answers false without a message once it has run: the component may have
    // changed all the same.
    if (OnChange)
        OnChange();
    return pris;
}

bool TPropForm::GardeReglagesPreferes() const {
    for (const Cle& cle : table_)
        if (cle.ini != Ini::Non)
            return true;
    return false;
}

bool TPropForm::EnregistreReglagesPreferes() {
    if (composant_ == nullptr || FichIni().empty() || !GardeReglagesPreferes())
        return false;
    composant_->EnregistreOptions();
    return true;
}

void TPropForm::RetablitReglagesOrigine() {
    if (composant_ == nullptr || !GardeReglagesPreferes())
        return;
    composant_->RestaureStandard();
    Rafraichir();
    if (OnChange)
        OnChange();
}

void TPropForm::ChangeComposant(TComposant* composant) {
    composant_ = composant;
    Rafraichir();
}

void TPropForm::Rafraichir() {
    if (composant_ == nullptr)
        return;
    miseAJour_ = true;
    RemplirLies();
    RemplirControles();
    miseAJour_ = false;
}

void TPropForm::RafraichirControle(int) {
    if (composant_ == nullptr)
        return;
    RemplirLies();
    RemplirControles();
}

void TPropForm::OnEditEnter(int) {}
void TPropForm::OnEditExit(int) {}
void TPropForm::GroupBoxClick(int) {}
void TPropForm::FormCreate() {
    Rafraichir();
}
void TPropForm::FormShow() {
    Rafraichir();
}
void TPropForm::FormResize() {}
