#include "host/forms/TCadreStyle.h"

#include "host/forms/ColorButton.h"
#include "host/forms/NumberEdits.h"
#include "host/forms/StyleCombos.h"
#include "host/forms/UpDown.h"

#include "ui_TCadreStyle.h"

TCadreStyle::TCadreStyle(QWidget* parent)
    : QWidget(parent), ui_(std::make_unique<Forms::Ui::TCadreStyle>()) {
    ui_->setupUi(this);
    gbContour = ui_->gbContour;
    cbPenStyle = ui_->cbPenStyle;
    btCoulPinceau = ui_->btCoulPinceau;
    edTaillePen = ui_->edTaillePen;
    UpDown1 = ui_->UpDown1;
    gbFond = ui_->gbFond;
    cbBrushStyle = ui_->cbBrushStyle;
    btCoulBrosse = ui_->btCoulBrosse;
    UpDown1->SetAssociate(edTaillePen);
    UpDown1->SetRange(0, 1000);

    const auto nombre = [](int n) { return std::to_string(n); };
    connect(cbPenStyle, &QComboBox::currentIndexChanged, this,
            [this, nombre](int item) { emit Change(StylePinceau, nombre(item)); });
    connect(btCoulPinceau, &TColorButton::colorChosen, this,
            [this, nombre](TColor c) { emit Change(CouleurPinceau, nombre(int(c))); });
    connect(edTaillePen, &QLineEdit::returnPressed, this, [this] {
        emit Change(TaillePinceau, edTaillePen->text().toStdString());
        edTaillePen->selectAll();
    });
    connect(UpDown1, &TUpDown::released, this,
            [this] { emit Change(TaillePinceau, edTaillePen->text().toStdString()); });
    connect(cbBrushStyle, &QComboBox::currentIndexChanged, this,
            [this, nombre](int item) { emit Change(StyleBrosse, nombre(item)); });
    connect(btCoulBrosse, &TColorButton::colorChosen, this,
            [this, nombre](TColor c) { emit Change(CouleurBrosse, nombre(int(c))); });
}

TCadreStyle::~TCadreStyle() = default;

void TCadreStyle::Montre(Champ champ, int valeur) {
    switch (champ) {
    case StylePinceau:
        cbPenStyle->setCurrentIndex(valeur);
        break;
    case CouleurPinceau:
        btCoulPinceau->SetColor(TColor(valeur));
        break;
    case TaillePinceau:
        edTaillePen->setText(QString::number(valeur));
        break;
    case StyleBrosse:
        cbBrushStyle->setCurrentIndex(valeur);
        break;
    case CouleurBrosse:
        btCoulBrosse->SetColor(TColor(valeur));
        break;
    }
}
