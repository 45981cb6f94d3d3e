// A property window for kinds that have none of their own yet: one edit per key of the kind's
// table, filled from the component's description, each sending its key on Enter.
#pragma once

#include "host/forms/PropFormWidget.h"

#include <map>
#include <vector>

class QLineEdit;

class TClesProp : public TPropFormWidget {
    Q_OBJECT
public:
    TClesProp(TComposant& composant, const std::string& nom, std::vector<std::string> cles,
              QWidget* parent = nullptr);
    QLineEdit* Edit(const std::string& cle) const;

protected:
    void RemplirControles() override;

private:
    std::vector<QLineEdit*> edits_;
};
