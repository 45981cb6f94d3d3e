// Conversions between the package's values and Qt's, for the forms.
#pragma once

#include "platform/Color.h"

#include <QColor>
#include <QFont>
#include <QString>

#include <string>

inline QString ToQString(const std::string& s) {
    return QString::fromUtf8(s.data(), qsizetype(s.size()));
}

inline QColor ToQColor(TColor c) {
    return QColor(GetRValue(c), GetGValue(c), GetBValue(c));
}
inline TColor ToTColor(const QColor& c) {
    return RGB(c.red(), c.green(), c.blue());
}

// A font dialog's font from the text form of a Fonte ("face,size,colour,styles").
QFont FonteTextToQFont(const std::string& text);
// The text form of the font chosen in a dialog; the colour (which the dialog does not edit)
// is kept from `previous`.
std::string QFontToFonteText(const QFont& font, const std::string& previous);

// Tenths of a millimetre shown as centimetres with a decimal comma ("2,5").
QString Centimetres(int tenths);
