// The lines of one exercise as the hole generator edits them: one block of characters, each
// line NUL-terminated, so that holes are made and undone in place (a digit raised or lowered
// by 10) without allocating anything.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

class BlocLignes {
public:
    BlocLignes() = default;
    explicit BlocLignes(const std::vector<std::string>& lignes);

    int Nombre() const { return int(debuts_.size()); }
    int Taille(int i) const { return tailles_[std::size_t(i)]; }
    char* Ligne(int i) { return bloc_.data() + debuts_[std::size_t(i)]; }
    const char* Ligne(int i) const { return bloc_.data() + debuts_[std::size_t(i)]; }
    std::string_view Vue(int i) const { return {Ligne(i), std::size_t(Taille(i))}; }
    std::string Texte(int i) const { return std::string(Vue(i)); }

private:
    std::vector<char> bloc_;
    std::vector<std::size_t> debuts_;
    std::vector<int> tailles_;
};
