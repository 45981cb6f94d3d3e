// The editor's dock of property windows: one window per kind, found by its name and reused
// for the next component of that kind; windows are made by factories registered by name.
// Under the window, two buttons keep the component's settings as its kind's preferred options or
// bring back the factory ones, and a button (and F1 in it) opens the window's help page.
#pragma once

#include "host/PropForm.h"

#include <QWidget>

#include <functional>
#include <map>
#include <string>
#include <vector>

class QPushButton;
class QStackedLayout;
class TPropFormWidget;

class TPropDockWidget : public QWidget, public TPropDock {
    Q_OBJECT
public:
    using Factory = std::function<TPropFormWidget*(TComposant& composant, QWidget* parent)>;

    explicit TPropDockWidget(QWidget* parent = nullptr);

    void RegisterPropForm(const std::string& nom, Factory factory);
    // The window made for a name that has no factory of its own (null: none).
    void SetFallback(
        std::function<TPropFormWidget*(const std::string& nom, TComposant&, QWidget*)> fallback) {
        fallback_ = std::move(fallback);
    }
    bool HasPropForm(const std::string& nom) const { return factories_.count(nom) != 0; }
    std::vector<std::string> PropFormNames() const;

    TPropForm* Trouve(const std::string& nom) override;
    TPropForm* Cree(const std::string& nom, TComposant& composant) override;
    // Shows the window of a component (CreerFenetreProp), or nothing for none.
    void Montre(TComposant* composant);
    // Shows nothing and leaves every window without a component, for when the document's
    // components are about to be freed; the next Montre binds a window again.
    void DetachAll();
    TPropFormWidget* Courante() const { return current_; }

signals:
    // What a button under the window did, for the editor's status line.
    void message(const QString& texte);

private:
    void buildPreferences();

    std::map<std::string, Factory> factories_;
    std::function<TPropFormWidget*(const std::string&, TComposant&, QWidget*)> fallback_;
    std::map<std::string, TPropFormWidget*> windows_;
    QStackedLayout* stack_;
    QWidget* empty_;
    QWidget* preferes_;
    QPushButton* help_;
    TPropFormWidget* current_ = nullptr;
};
