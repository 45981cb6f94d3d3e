// The progress dialog "Cogito" shown while the worker hides digits in multiplications or
// divisions: it starts the worker when it shows, follows its progress, changes its priority,
// cancels it, and closes once it has ended. CogitoModele does the work.
#pragma once

#include "host/forms/ModelDialog.h"

#include <memory>

class CogitoModele;
class QShowEvent;
class TFormModel;
namespace Forms::Ui {
class TCogito;
}

class TCogito : public TModelDialog<TCogito, CogitoModele, Forms::Ui::TCogito> {
    Q_OBJECT

public:
    explicit TCogito(CogitoModele& modele, QWidget* parent = nullptr);
    ~TCogito() override;

public slots:
    void FormShow();
    void btAnnulerClick();
    void TrackBarChange(int position);
    // Escape and the window's close button cancel, as the button does: the dialog closes
    // when the worker has stopped.
    void reject() override;

protected:
    void showEvent(QShowEvent* event) override;

private:
    bool montre_ = false;
};
