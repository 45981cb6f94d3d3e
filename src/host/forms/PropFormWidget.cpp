#include "host/forms/PropFormWidget.h"

#include "host/forms/ColorButton.h"
#include "host/forms/QtConversions.h"
#include "host/forms/UpDown.h"
#include "platform/UserInterface.h"

#include <QAbstractButton>
#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QEvent>
#include <QLineEdit>
#include <QSlider>

TPropFormWidget::TPropFormWidget(TComposant* composant, const std::string& nom,
                                 std::vector<std::string> cles, QWidget* parent)
    : QWidget(parent), TPropForm(composant, nom, std::move(cles)) {
    setObjectName(ToQString(nom));
}

void TPropFormWidget::envoie(int index, const std::string& valeur) {
    if (MiseAJour())
        return;
    EcrireOptions(index, valeur);
}

void TPropFormWidget::LieEdit(QLineEdit* edit, int index) {
    connect(edit, &QLineEdit::returnPressed, this, [this, edit, index] {
        envoie(index, edit->text().toStdString());
        edit->selectAll();
    });
    edit->installEventFilter(this);
    edits_.emplace_back(edit, index);
}

void TPropFormWidget::LieUpDown(TUpDown* upDown, int index) {
    connect(upDown, &TUpDown::released, this, [this, upDown, index] {
        if (upDown->Associate() != nullptr)
            envoie(index, upDown->Associate()->text().toStdString());
    });
}

void TPropFormWidget::LieCombo(QComboBox* combo, int index) {
    connect(combo, &QComboBox::currentIndexChanged, this,
            [this, index](int item) { envoie(index, std::to_string(item)); });
}

void TPropFormWidget::LieRadio(QButtonGroup* group, int index) {
    connect(group, &QButtonGroup::idClicked, this,
            [this, index](int id) { envoie(index, std::to_string(id)); });
}

void TPropFormWidget::LieCheck(QCheckBox* check, int index) {
    connect(check, &QCheckBox::clicked, this,
            [this, index](bool checked) { envoie(index, checked ? "1" : "0"); });
}

void TPropFormWidget::LieSlide(QSlider* slider, int index) {
    connect(slider, &QSlider::valueChanged, this, [this, slider, index](int value) {
        if (!slider->isSliderDown())
            envoie(index, std::to_string(value));
    });
    connect(slider, &QSlider::sliderReleased, this,
            [this, slider, index] { envoie(index, std::to_string(slider->value())); });
}

void TPropFormWidget::LieCouleur(TColorButton* button, int index) {
    connect(button, &TColorButton::colorChosen, this,
            [this, index](TColor colour) { envoie(index, std::to_string(colour)); });
}

void TPropFormWidget::LieFonte(QAbstractButton* button, int index,
                               std::function<std::string()> courante) {
    connect(button, &QAbstractButton::clicked, this, [this, index, courante] {
        TFontChoice choice{courante()};
        if (Ui().ChooseFont(choice))
            envoie(index, choice.text);
    });
}

void TPropFormWidget::LieAction(QAbstractButton* button, int index) {
    connect(button, &QAbstractButton::clicked, this, [this, index] { envoie(index, ""); });
}

std::string TPropFormWidget::Centimetres(int tenths) const {
    return ::Centimetres(tenths).toStdString();
}

bool TPropFormWidget::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::FocusIn || event->type() == QEvent::FocusOut) {
        for (const auto& [edit, index] : edits_) {
            if (edit != watched)
                continue;
            if (event->type() == QEvent::FocusIn)
                OnEditEnter(index);
            else
                OnEditExit(index);
        }
    }
    return QWidget::eventFilter(watched, event);
}
