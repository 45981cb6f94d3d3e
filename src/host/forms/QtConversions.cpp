#include "host/forms/QtConversions.h"

#include "host/Conversions.h"
#include "host/Fonte.h"
#include "platform/qt/QtFonts.h"

QFont FonteTextToQFont(const std::string& text) {
    Fonte fonte;
    fonte.ChangeNom("Andika");
    fonte.Taille = 14;
    fonte.FromString(text);
    QFont font(QtFamilyFor(fonte.NomPolice()));
    font.setPointSize(fonte.Taille > 0 ? fonte.Taille : 14);
    font.setBold((fonte.Style & fsBold) != 0);
    font.setItalic((fonte.Style & fsItalic) != 0);
    font.setUnderline((fonte.Style & fsUnderline) != 0);
    font.setStrikeOut((fonte.Style & fsStrikeOut) != 0);
    return font;
}

std::string QFontToFonteText(const QFont& font, const std::string& previous) {
    Fonte fonte;
    fonte.FromString(previous);
    fonte.ChangeNom(font.family().toStdString());
    fonte.Taille = font.pointSize() > 0 ? font.pointSize() : fonte.Taille;
    fonte.Style =
        TFontStyles((font.bold() ? fsBold : 0) | (font.italic() ? fsItalic : 0) |
                    (font.underline() ? fsUnderline : 0) | (font.strikeOut() ? fsStrikeOut : 0));
    return fonte.ToString();
}

QString Centimetres(int tenths) {
    return ToQString(TexteCentimetres(tenths));
}
