// The property window of one kind of component, laid out by a generated form: it owns the
// form, sets it up on itself and gives the component under its own type. The kind's window
// derives from it and only binds what its form does not say and fills what is its own.
#pragma once

#include "host/forms/PropFormWidget.h"

#include <memory>
#include <string>

template <typename Kind, typename Form> class TKindPropForm : public TPropFormWidget {
public:
    TKindPropForm(Kind& composant, const std::string& nom, TableCles table, QWidget* parent)
        : TPropFormWidget(&composant, nom, table, parent),
          ui_(new Form, [](Form* form) { delete form; }) {
        ui_->setupUi(this);
        LieControlesNommes();
    }

protected:
    Kind& composant() const { return dynamic_cast<Kind&>(*Composant()); }

    // The form is complete where the window is made, not where its header is read: the
    // deleter is taken there, so that a kind's window needs no destructor of its own.
    const std::unique_ptr<Form, void (*)(Form*)> ui_;
};
