// The package options dialog: the digit threshold of the multiplication generator. It shows
// and forwards; TOperationConfigModel decides.
#pragma once

#include <QDialog>

#include <memory>

class TFormModel;
class TOperationConfigModel;
namespace Forms::Ui {
class TOperationConfig;
}

class TOperationConfig : public QDialog {
    Q_OBJECT

public:
    explicit TOperationConfig(TOperationConfigModel& model, QWidget* parent = nullptr);
    ~TOperationConfig() override;

    // The form "OperationConfig" as the user-interface service makes it: the dialog on its
    // model, null for a model of another kind. It ends with done(mrOk) or done(mrCancel).
    static std::unique_ptr<QDialog> Cree(TFormModel& model, QWidget* parent);

public slots:
    void FormCreate();
    void btOkClick();
    void btHelpClick();

private:
    std::unique_ptr<Forms::Ui::TOperationConfig> ui;
    TOperationConfigModel& model_;
};
