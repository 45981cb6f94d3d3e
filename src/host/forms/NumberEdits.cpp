#include "host/forms/NumberEdits.h"

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
    QString t = text();
    t.replace(QLatin1Char(','), QLatin1Char('.'));
    return t.toDouble();
}

void TDecimalEdit::SetValue(double v) {
    QString t = QString::number(v, 'f', decimals_ > 6 ? 6 : decimals_);
    if (t.contains(QLatin1Char('.'))) {
        while (t.endsWith(QLatin1Char('0')))
            t.chop(1);
        if (t.endsWith(QLatin1Char('.')))
            t.chop(1);
    }
    t.replace(QLatin1Char('.'), QLatin1Char(','));
    setText(t);
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
