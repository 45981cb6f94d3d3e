// The package options dialog: the digit threshold of the multiplication generator. It shows
// and forwards; TOperationConfigModel decides.
#pragma once

#include "host/forms/ModelDialog.h"

#include <memory>

class TFormModel;
class TOperationConfigModel;
namespace Forms::Ui {
class TOperationConfig;
}

class TOperationConfig
    : public TModelDialog<TOperationConfig, TOperationConfigModel, Forms::Ui::TOperationConfig> {
    Q_OBJECT

public:
    explicit TOperationConfig(TOperationConfigModel& model, QWidget* parent = nullptr);

public slots:
    void FormCreate();
    void btOkClick();
    void btHelpClick();

private:
};
