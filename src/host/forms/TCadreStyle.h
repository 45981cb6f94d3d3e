// The frame pen and background brush groups of a property window: pen style, colour and width,
// brush style and colour. It says which setting the user changed and with what value;
// TPropFormWidget::LieCadreStyle sends that to the right key and refreshes the controls.
#pragma once

#include <QWidget>

#include <memory>
#include <string>

class QGroupBox;
class TBrushStyleCombo;
class TCardinalEdit;
class TColorButton;
class TPenStyleCombo;
class TUpDown;
namespace Forms::Ui {
class TCadreStyle;
}

class TCadreStyle : public QWidget {
    Q_OBJECT
public:
    enum Champ { StylePinceau, CouleurPinceau, TaillePinceau, StyleBrosse, CouleurBrosse };

    explicit TCadreStyle(QWidget* parent = nullptr);
    ~TCadreStyle() override;

    // Shows a setting's value in its control.
    void Montre(Champ champ, int valeur);

    QGroupBox* gbContour;
    TPenStyleCombo* cbPenStyle;
    TColorButton* btCoulPinceau;
    TCardinalEdit* edTaillePen;
    TUpDown* UpDown1;
    QGroupBox* gbFond;
    TBrushStyleCombo* cbBrushStyle;
    TColorButton* btCoulBrosse;

signals:
    // The user changed a setting: a style chosen, a colour picked, a width entered with Enter
    // or an arrow released.
    void Change(TCadreStyle::Champ champ, const std::string& valeur);

private:
    std::unique_ptr<Forms::Ui::TCadreStyle> ui_;
};
