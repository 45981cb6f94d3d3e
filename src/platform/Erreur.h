// A refusal with its kind, so that a program chooses how to answer (the command line its exit
// code) from the refusal itself, never by looking at the input again.
#pragma once

#include <string>

enum class GenreErreur {
    Usage,   // the command was asked wrongly
    Donnees, // a sheet, document or database that cannot be used
    Fichier, // a file that cannot be read or written
};

struct Erreur {
    GenreErreur genre = GenreErreur::Donnees;
    std::string message; // French, whole
};
