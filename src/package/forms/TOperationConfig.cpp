#include "package/forms/TOperationConfig.h"

#include "package/OperationConfig.h"

#include "ui_TOperationConfig.h"

#include <QValidator>

namespace {

// The client area of the dialog at least; larger when the captions need it.
constexpr QSize minimumClientSize(272, 133);

// Unsigned 32-bit decimal numbers, as the host's cardinal edits accept them.
class TCardinalValidator : public QValidator {
public:
    using QValidator::QValidator;

    State validate(QString& input, int&) const override {
        if (input.isEmpty())
            return Intermediate;
        for (const QChar c : input)
            if (c.unicode() < '0' || c.unicode() > '9')
                return Invalid;
        std::uint32_t value = 0;
        return TOperationConfigModel::LitTexte(input.toStdString(), value) ? Acceptable : Invalid;
    }
};

} // namespace

TOperationConfig::TOperationConfig(TOperationConfigModel& model, QWidget* parent)
    : TModelDialog(model, parent) {
    ui->edMultChiffresMax->setValidator(new TCardinalValidator(ui->edMultChiffresMax));
    connect(ui->btOk, &QPushButton::clicked, this, &TOperationConfig::btOkClick);
    connect(ui->btCancel, &QPushButton::clicked, this, [this] { done(mrCancel); });
    connect(ui->btHelp, &QPushButton::clicked, this, &TOperationConfig::btHelpClick);
    setFixedSize(sizeHint().expandedTo(minimumClientSize));
    FormCreate();
}

void TOperationConfig::FormCreate() {
    ui->edMultChiffresMax->setText(
        QString::fromStdString(TOperationConfigModel::Texte(modele_.Valeur)));
}

void TOperationConfig::btOkClick() {
    if (!TOperationConfigModel::LitTexte(ui->edMultChiffresMax->text().toStdString(),
                                         modele_.Valeur))
        modele_.Valeur = 0;
    const int result = modele_.btOkClick();
    if (result != mrNone)
        done(result);
}

void TOperationConfig::btHelpClick() {
    modele_.btHelpClick();
}
