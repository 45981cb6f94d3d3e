// The frame pen and background brush groups of a property window: pen style, colour and width,
// brush style and colour. It says which setting the user changed and with what value;
// TPropFormWidget::LieCadreStyle sends that to the right key and refreshes the controls.
#pragma once

#include <QWidget>

#include <memory>
#include <string>

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

    // The page's controls, for the window that adjusts them.
    const Forms::Ui::TCadreStyle& Controles() const { return *ui_; }

signals:
    // The user changed a setting: a style chosen, a colour picked, a width entered with Enter
    // or an arrow released.
    void Change(TCadreStyle::Champ champ, const std::string& valeur);

private:
    std::unique_ptr<Forms::Ui::TCadreStyle> ui_;
};
