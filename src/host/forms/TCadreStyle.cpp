#include "host/forms/TCadreStyle.h"

#include "host/forms/ColorButton.h"
#include "host/forms/NumberEdits.h"
#include "host/forms/StyleCombos.h"
#include "host/forms/UpDown.h"

#include "ui_TCadreStyle.h"

TCadreStyle::TCadreStyle(QWidget* parent)
    : QWidget(parent), ui_(std::make_unique<Forms::Ui::TCadreStyle>()) {
    ui_->setupUi(this);
    ui_->UpDown1->SetAssociate(ui_->edTaillePen);
    ui_->UpDown1->SetRange(0, 1000);

    const auto nombre = [](int n) { return std::to_string(n); };
    connect(ui_->cbPenStyle, &QComboBox::currentIndexChanged, this,
            [this, nombre](int item) { emit Change(StylePinceau, nombre(item)); });
    connect(ui_->btCoulPinceau, &TColorButton::colorChosen, this,
            [this, nombre](TColor c) { emit Change(CouleurPinceau, nombre(int(c))); });
    connect(ui_->edTaillePen, &QLineEdit::returnPressed, this, [this] {
        emit Change(TaillePinceau, ui_->edTaillePen->text().toStdString());
        ui_->edTaillePen->selectAll();
    });
    connect(ui_->UpDown1, &TUpDown::released, this,
            [this] { emit Change(TaillePinceau, ui_->edTaillePen->text().toStdString()); });
    connect(ui_->cbBrushStyle, &QComboBox::currentIndexChanged, this,
            [this, nombre](int item) { emit Change(StyleBrosse, nombre(item)); });
    connect(ui_->btCoulBrosse, &TColorButton::colorChosen, this,
            [this, nombre](TColor c) { emit Change(CouleurBrosse, nombre(int(c))); });
}

TCadreStyle::~TCadreStyle() = default;

void TCadreStyle::Montre(Champ champ, int valeur) {
    switch (champ) {
    case StylePinceau:
        ui_->cbPenStyle->setCurrentIndex(valeur);
        break;
    case CouleurPinceau:
        ui_->btCoulPinceau->SetColor(TColor(valeur));
        break;
    case TaillePinceau:
        ui_->edTaillePen->setText(QString::number(valeur));
        break;
    case StyleBrosse:
        ui_->cbBrushStyle->setCurrentIndex(valeur);
        break;
    case CouleurBrosse:
        ui_->btCoulBrosse->SetColor(TColor(valeur));
        break;
    }
}
