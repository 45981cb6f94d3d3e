// The property window of one kind of component, laid out by a generated form: it owns the
// form, sets it up on itself and gives the component under its own type. The kind's window
// derives from it and only binds what its form does not say and fills what is its own.
#pragma once

#include "host/forms/OwnedForm.h"
#include "host/forms/PropFormWidget.h"

#include <string>

template <typename Kind, typename Form> class TKindPropForm : public TPropFormWidget {
public:
    TKindPropForm(Kind& composant, const std::string& nom, TableCles table, QWidget* parent)
        : TPropFormWidget(&composant, nom, table, parent), ui_(MakeOwnedForm<Form>()) {
        ui_->setupUi(this);
        LieControlesNommes();
    }

protected:
    Kind& composant() const { return dynamic_cast<Kind&>(*Composant()); }

    const OwnedForm<Form> ui_;
};
