#include "host/forms/ClesProp.h"

#include "host/Composant.h"
#include "host/forms/QtConversions.h"

#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QScrollArea>
#include <QVBoxLayout>

TClesProp::TClesProp(TComposant& composant, const std::string& nom, std::vector<std::string> cles,
                     QWidget* parent)
    : TPropFormWidget(&composant, nom, cles, parent) {
    auto* outer = new QVBoxLayout(this);
    auto* note = new QLabel(QStringLiteral("Tapez une valeur puis Entrée. Positions et tailles "
                                           "en centimètres."),
                            this);
    note->setWordWrap(true);
    outer->addWidget(note);
    auto* area = new QScrollArea(this);
    area->setWidgetResizable(true);
    auto* inner = new QWidget(area);
    auto* form = new QFormLayout(inner);
    for (std::size_t i = 0; i < cles.size(); ++i) {
        auto* edit = new QLineEdit(inner);
        edit->setObjectName(ToQString(cles[i]));
        form->addRow(ToQString(cles[i]), edit);
        LieEdit(edit, int(i));
        edits_.push_back(edit);
    }
    area->setWidget(inner);
    outer->addWidget(area, 1);
}

QLineEdit* TClesProp::Edit(const std::string& cle) const {
    for (std::size_t i = 0; i < Cles().size(); ++i)
        if (Cles()[i] == cle)
            return edits_[i];
    return nullptr;
}

void TClesProp::RemplirControles() {
    // "Clé = valeur" lines of the description give the current values.
    std::map<std::string, std::string> values;
    for (const std::string& line : Composant()->Description()) {
        const auto equal = line.find(" = ");
        if (equal != std::string::npos)
            values.emplace(line.substr(0, equal), line.substr(equal + 3));
    }
    for (std::size_t i = 0; i < Cles().size(); ++i) {
        const auto found = values.find(Cles()[i]);
        edits_[i]->setText(found != values.end() ? ToQString(found->second) : QString());
    }
}
