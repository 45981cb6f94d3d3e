#include "operation/forms/TCogito.h"

#include "operation/CogitoModele.h"
#include "platform/UserInterface.h"

#include "ui_TCogito.h"

#include <QShowEvent>

TCogito::TCogito(CogitoModele& modele, QWidget* parent) : TModelDialog(modele, parent) {
    connect(ui->btAnnuler, &QPushButton::clicked, this, &TCogito::btAnnulerClick);
    connect(ui->TrackBar, &QSlider::valueChanged, this, &TCogito::TrackBarChange);
    modele_.Progression = [this](int n) { ui->ProgressBar1->setValue(n); };
    // The worker's end closes the dialog; after a cancellation it answers Cancel.
    modele_.Fermer = [this] { done(modele_.Annule() ? mrCancel : mrOk); };
}

TCogito::~TCogito() {
    modele_.Progression = nullptr;
    modele_.Fermer = nullptr;
}

void TCogito::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (montre_ || event->spontaneous())
        return;
    montre_ = true;
    FormShow();
}

void TCogito::FormShow() {
    ui->ProgressBar1->setMaximum(modele_.Maximum());
    ui->ProgressBar1->setValue(0);
    modele_.ExecuteThread();
}

void TCogito::btAnnulerClick() {
    ui->btAnnuler->setEnabled(false);
    ui->Label4->setText(QString::fromUtf8(CogitoModele::TexteAnnulation));
    modele_.btAnnulerClick();
    // A worker already gone (or never started) leaves nothing to wait for.
    if (modele_.Fini() || !modele_.Lance())
        done(mrCancel);
}

void TCogito::TrackBarChange(int position) {
    modele_.TrackBarChange(position);
}

void TCogito::reject() {
    if (ui->btAnnuler->isEnabled())
        btAnnulerClick();
}
