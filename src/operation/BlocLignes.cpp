#include "operation/BlocLignes.h"

BlocLignes::BlocLignes(const std::vector<std::string>& lignes) {
    std::size_t total = 0;
    for (const std::string& ligne : lignes)
        total += ligne.size() + 1;
    bloc_.reserve(total);
    for (const std::string& ligne : lignes) {
        debuts_.push_back(bloc_.size());
        tailles_.push_back(int(ligne.size()));
        bloc_.insert(bloc_.end(), ligne.begin(), ligne.end());
        bloc_.push_back('\0');
    }
}
