#include "host/forms/NumberEdits.h"

#include "platform/Numbers.h"

#include <QKeyEvent>
#include <QRegularExpressionValidator>

TIntegerEdit::TIntegerEdit(QWidget* parent) : QLineEdit(parent) {
    setValidator(
        new QRegularExpressionValidator(QRegularExpression(QStringLiteral("-?[0-9]{0,10}")), this));
}

TCardinalEdit::TCardinalEdit(QWidget* parent) : QLineEdit(parent) {
    setValidator(
        new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]{0,10}")), this));
}

TDecimalEdit::TDecimalEdit(QWidget* parent, int decimals) : QLineEdit(parent), decimals_(decimals) {
    const QString pattern = QStringLiteral("-?[0-9]{0,12}(,[0-9]{0,%1})?").arg(decimals);
    setValidator(new QRegularExpressionValidator(QRegularExpression(pattern), this));
}

double TDecimalEdit::Value() const {
    return ReadNumber(text().toStdString()).value_or(0);
}

void TDecimalEdit::SetValue(double v) {
    setText(QString::fromStdString(WriteNumber(v, decimals_)));
}

void TDecimalEdit::keyPressEvent(QKeyEvent* event) {
    // The decimal point of the numeric keypad types a comma.
    if (event->text() == QStringLiteral(".")) {
        QKeyEvent comma(event->type(), Qt::Key_Comma, event->modifiers(), QStringLiteral(","));
        QLineEdit::keyPressEvent(&comma);
        return;
    }
    QLineEdit::keyPressEvent(event);
}
