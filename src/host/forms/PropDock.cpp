#include "host/forms/PropDock.h"

#include "host/Composant.h"
#include "host/forms/PropFormWidget.h"
#include "host/forms/QtConversions.h"

#include <QLabel>
#include <QStackedLayout>

TPropDockWidget::TPropDockWidget(QWidget* parent)
    : QWidget(parent), stack_(new QStackedLayout(this)),
      empty_(new QLabel(QStringLiteral("Aucun composant choisi"), this)) {
    static_cast<QLabel*>(empty_)->setAlignment(Qt::AlignCenter);
    stack_->addWidget(empty_);
}

void TPropDockWidget::RegisterPropForm(const std::string& nom, Factory factory) {
    factories_[nom] = std::move(factory);
}

TPropForm* TPropDockWidget::Trouve(const std::string& nom) {
    const auto found = windows_.find(nom);
    return found == windows_.end() ? nullptr : found->second;
}

TPropForm* TPropDockWidget::Cree(const std::string& nom, TComposant& composant) {
    const auto factory = factories_.find(nom);
    TPropFormWidget* window = nullptr;
    if (factory != factories_.end())
        window = factory->second(composant, this);
    else if (fallback_)
        window = fallback_(nom, composant, this);
    if (window == nullptr)
        return nullptr;
    window->setObjectName(ToQString(nom));
    stack_->addWidget(window);
    windows_[nom] = window;
    window->FormCreate();
    return window;
}

void TPropDockWidget::Montre(TComposant* composant) {
    current_ = nullptr;
    if (composant != nullptr) {
        if (TPropForm* form = composant->CreerFenetreProp(this))
            current_ = dynamic_cast<TPropFormWidget*>(form);
    }
    stack_->setCurrentWidget(current_ != nullptr ? static_cast<QWidget*>(current_) : empty_);
}
