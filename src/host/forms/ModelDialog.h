// A dialog laid out by a generated form over the plain model that holds its logic: it owns
// the form, sets it up on itself and keeps the model. Cree, as the user-interface service
// calls it, makes the dialog for a model of its own type and nothing for another.
#pragma once

#include "host/forms/OwnedForm.h"

#include <QDialog>

#include <memory>

class TFormModel;

template <typename Dialog, typename Model, typename Form> class TModelDialog : public QDialog {
public:
    static std::unique_ptr<QDialog> Cree(TFormModel& modele, QWidget* parent) {
        auto* propre = dynamic_cast<Model*>(&modele);
        if (propre == nullptr)
            return nullptr;
        return std::make_unique<Dialog>(*propre, parent);
    }

protected:
    TModelDialog(Model& modele, QWidget* parent)
        : QDialog(parent), ui(MakeOwnedForm<Form>()), modele_(modele) {
        ui->setupUi(this);
        setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    }

    const OwnedForm<Form> ui;
    Model& modele_;
};
