// A generated form owned by the widget it lays out. The deleter is taken where the form is
// made, in the widget's own source where the form is complete, so the widget's header needs only
// the form's name and the widget no destructor of its own.
#pragma once

#include <memory>

template <typename Form> using OwnedForm = std::unique_ptr<Form, void (*)(Form*)>;

template <typename Form> OwnedForm<Form> MakeOwnedForm() {
    return OwnedForm<Form>(new Form, [](Form* form) { delete form; });
}
