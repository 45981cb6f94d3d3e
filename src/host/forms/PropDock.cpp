#include "host/forms/PropDock.h"

#include "host/Composant.h"
#include "host/Services.h"
#include "host/forms/PropFormWidget.h"
#include "host/forms/QtConversions.h"
#include "host/forms/TPagePosition.h"

#include <QKeySequence>
#include <QLabel>
#include <QPushButton>
#include <QShortcut>
#include <QStackedLayout>
#include <QTabBar>
#include <QTabWidget>
#include <QVBoxLayout>

namespace {

// Every caption of a window's tabs shows whole, and the window opens on its kind's own first
// tab rather than on the position and size shared by every kind.
bool HoldsPosition(const QWidget* page) {
    return qobject_cast<const TPagePosition*>(page) != nullptr ||
           page->findChild<TPagePosition*>() != nullptr;
}

void ArrangeTabs(QWidget& window) {
    for (QTabWidget* tabs : window.findChildren<QTabWidget*>()) {
        tabs->setElideMode(Qt::ElideNone);
        tabs->setUsesScrollButtons(false);
        if (tabs->currentWidget() == nullptr || !HoldsPosition(tabs->currentWidget()))
            continue;
        for (int i = 0; i < tabs->count(); ++i) {
            if (!HoldsPosition(tabs->widget(i))) {
                tabs->setCurrentIndex(i);
                break;
            }
        }
    }
}

} // namespace

TPropDockWidget::TPropDockWidget(QWidget* parent)
    : QWidget(parent), stack_(new QStackedLayout),
      empty_(new QLabel(QStringLiteral("Aucun composant choisi"), this)),
      preferes_(new QWidget(this)),
      help_(new QPushButton(QStringLiteral("Aide sur cette fenêtre (F1)"), this)) {
    static_cast<QLabel*>(empty_)->setAlignment(Qt::AlignCenter);
    stack_->addWidget(empty_);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addLayout(stack_, 1);
    layout->addWidget(preferes_);
    layout->addWidget(help_);
    buildPreferences();
    help_->setObjectName(QStringLiteral("aideFenetre"));
    help_->hide();
    connect(help_, &QPushButton::clicked, this, [this] {
        if (current_ != nullptr)
            AideFiche(current_->objectName().toStdString());
    });
}

void TPropDockWidget::buildPreferences() {
    auto* save = new QPushButton(QStringLiteral("Enregistrer comme réglages préférés"), preferes_);
    save->setObjectName(QStringLiteral("enregistrerPreferes"));
    save->setToolTip(
        QStringLiteral("Chaque nouveau composant de ce type commencera avec ces "
                       "réglages, dans l'éditeur et avec «\u00A0mathsheet --preferences\u00A0»."));
    auto* reset = new QPushButton(QStringLiteral("Rétablir les réglages d'origine"), preferes_);
    reset->setObjectName(QStringLiteral("retablirOrigine"));
    reset->setToolTip(QStringLiteral("Remet ce composant aux réglages du programme\u00A0; les "
                                     "réglages préférés restent ceux enregistrés."));
    auto* buttons = new QVBoxLayout(preferes_);
    buttons->setContentsMargins(0, 0, 0, 0);
    buttons->addWidget(save);
    buttons->addWidget(reset);
    preferes_->hide();
    connect(save, &QPushButton::clicked, this, [this] {
        if (current_ == nullptr)
            return;
        const QString type = ToQString(current_->Composant()->NomType);
        emit message(current_->EnregistreReglagesPreferes()
                         ? QStringLiteral("Réglages préférés enregistrés\u00a0: chaque nouveau "
                                          "composant «\u00a0%1\u00a0» les prendra.")
                               .arg(type)
                         : QStringLiteral("Les réglages préférés n'ont pas été enregistrés\u00a0: "
                                          "l'éditeur n'a pas de fichier de réglages."));
    });
    connect(reset, &QPushButton::clicked, this, [this] {
        if (current_ != nullptr)
            current_->RetablitReglagesOrigine();
    });
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
    auto* help = new QShortcut(QKeySequence(Qt::Key_F1), window);
    help->setContext(Qt::WidgetWithChildrenShortcut);
    connect(help, &QShortcut::activated, window, [nom] { AideFiche(nom); });
    stack_->addWidget(window);
    windows_[nom] = window;
    window->FormCreate();
    ArrangeTabs(*window);
    return window;
}

std::vector<std::string> TPropDockWidget::PropFormNames() const {
    std::vector<std::string> names;
    for (const auto& entry : factories_)
        names.push_back(entry.first);
    return names;
}

void TPropDockWidget::Montre(TComposant* composant) {
    current_ = nullptr;
    if (composant != nullptr) {
        if (TPropForm* form = composant->CreerFenetreProp(this))
            current_ = dynamic_cast<TPropFormWidget*>(form);
    }
    stack_->setCurrentWidget(current_ != nullptr ? static_cast<QWidget*>(current_) : empty_);
    help_->setVisible(current_ != nullptr);
    preferes_->setVisible(current_ != nullptr && current_->GardeReglagesPreferes());
}

void TPropDockWidget::DetachAll() {
    Montre(nullptr);
    for (const auto& [nom, window] : windows_)
        window->ChangeComposant(nullptr);
}
