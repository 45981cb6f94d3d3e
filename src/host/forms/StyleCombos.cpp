#include "host/forms/StyleCombos.h"

#include <QPainter>
#include <QPixmap>

#include <array>

namespace {

constexpr QSize kSample(48, 14);

QIcon penSample(Qt::PenStyle style) {
    QPixmap pixmap(kSample);
    pixmap.fill(Qt::white);
    if (style != Qt::NoPen) {
        QPainter painter(&pixmap);
        painter.setPen(QPen(Qt::black, 2, style));
        painter.drawLine(2, kSample.height() / 2, kSample.width() - 3, kSample.height() / 2);
    }
    return QIcon(pixmap);
}

QIcon brushSample(Qt::BrushStyle style) {
    QPixmap pixmap(kSample);
    pixmap.fill(Qt::white);
    QPainter painter(&pixmap);
    painter.setPen(Qt::gray);
    painter.setBrush(QBrush(Qt::black, style));
    painter.drawRect(QRect(QPoint(0, 0), kSample).adjusted(0, 0, -1, -1));
    return QIcon(pixmap);
}

} // namespace

TPenStyleCombo::TPenStyleCombo(QWidget* parent) : QComboBox(parent) {
    const std::array<std::pair<const char*, Qt::PenStyle>, 7> styles{{
        {"Continu", Qt::SolidLine},
        {"Tirets", Qt::DashLine},
        {"Pointillés", Qt::DotLine},
        {"Tiret-point", Qt::DashDotLine},
        {"Tiret-point-point", Qt::DashDotDotLine},
        {"Aucun", Qt::NoPen},
        {"Intérieur", Qt::SolidLine},
    }};
    setIconSize(kSample);
    for (const auto& [caption, style] : styles)
        addItem(penSample(style), QString::fromUtf8(caption));
}

TBrushStyleCombo::TBrushStyleCombo(QWidget* parent) : QComboBox(parent) {
    const std::array<std::pair<const char*, Qt::BrushStyle>, 8> styles{{
        {"Plein", Qt::SolidPattern},
        {"Transparent", Qt::NoBrush},
        {"Horizontal", Qt::HorPattern},
        {"Vertical", Qt::VerPattern},
        {"Diagonale \\", Qt::FDiagPattern},
        {"Diagonale /", Qt::BDiagPattern},
        {"Croisé", Qt::CrossPattern},
        {"Croisé en diagonale", Qt::DiagCrossPattern},
    }};
    setIconSize(kSample);
    for (const auto& [caption, style] : styles)
        addItem(brushSample(style), QString::fromUtf8(caption));
}
