#include "common/LienListe.h"

#include "host/Composant.h"
#include "host/Liste.h"

bool LieListe(TComposant& receveur, TListe*& liste, const std::string& nom, const char* champ,
              bool image, const char* refus, std::string& message) {
    TProjectInterface* projet = nom.empty() || nom == "Aucune" ? nullptr : receveur.Interface();
    auto* trouvee =
        dynamic_cast<TListe*>(projet != nullptr ? projet->TrouveComposant(nom) : nullptr);
    if (trouvee != nullptr && !trouvee->PossedeChamp(champ, image)) {
        message = refus;
        return false;
    }
    DelieListe(receveur, liste);
    liste = trouvee;
    if (liste != nullptr)
        liste->EnregistreRecepteur(&receveur);
    return true;
}

void DelieListe(TComposant& receveur, TListe*& liste) {
    if (liste != nullptr)
        liste->SignaleDisparition(&receveur);
    liste = nullptr;
}
