// The tie between a component and the list component whose current records feed it.
#pragma once

#include <string>

class TComposant;
class TListe;

// Ties `receveur` to the list named `nom`, untying it from `liste` first. An empty name,
// "Aucune" or a name that is no list leaves it untied and succeeds; a list without the field
// `champ` (a picture field when `image`) is refused with `refus` as the message, the old tie
// kept. On success `liste` is the new list or null.
bool LieListe(TComposant& receveur, TListe*& liste, const std::string& nom, const char* champ,
              bool image, const char* refus, std::string& message);

// Tells the list the receiver is gone and forgets it.
void DelieListe(TComposant& receveur, TListe*& liste);
