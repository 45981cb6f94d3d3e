// The fraction editor: a grid of the lines' numbers (A/B and C/D), the ranges of the random
// numbers and the buttons. It shows and forwards; FractionEdit2Logique draws and checks.
#pragma once

#include "host/forms/ModelDialog.h"

#include <memory>

class FractionEdit2Logique;
class FractionEdit2Modele;
class QCloseEvent;
namespace Forms::Ui {
class TFractionEdit2;
}

class TFractionEdit2
    : public TModelDialog<TFractionEdit2, FractionEdit2Modele, Forms::Ui::TFractionEdit2> {
    Q_OBJECT
public:
    explicit TFractionEdit2(FractionEdit2Modele& modele, QWidget* parent = nullptr);
    ~TFractionEdit2() override;

    FractionEdit2Logique& Logique() { return *logique_; }

public slots:
    void btGenererClick();
    // Checks every cell; the component takes them and the dialog closes, or the message says
    // which cell is wrong and the dialog stays open.
    void btValiderClick();
    // Closing with changes asks whether the component takes them.
    void reject() override;

private:
    // The ranges typed, checked by the logic; false after showing its message.
    bool litPlages();
    void ajusteGrille();

    std::unique_ptr<FractionEdit2Logique> logique_;
};
