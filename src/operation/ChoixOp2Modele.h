// What the operand dialog "ChoixOp2" works on: a copy of the component's operand table and
// operand definition, and the component's name for its caption. The component takes the copy
// back when the dialog closes with OK.
#pragma once

#include "operation/OperOptions.h"
#include "platform/UserInterface.h"

#include <string>
#include <utility>

class ChoixOp2Modele : public TFormModel {
public:
    ChoixOp2Modele(const TTableOperandes& table, const TDefinitionOperandes& definition,
                   std::string nom, int retenues = 0)
        : Table(table), Definition(definition), Nom(std::move(nom)), Retenues(retenues) {}

    TTableOperandes Table;
    TDefinitionOperandes Definition;
    std::string Nom;
    // The component's Retenues, which "Générer Nombres" follows.
    int Retenues = 0;
};
