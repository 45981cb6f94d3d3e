#include "dots/forms/TZoneRelier.h"

#include "dots/RelierEditLogique.h"
#include "platform/qt/QtCanvas.h"

#include <QMouseEvent>
#include <QPainter>

TZoneRelier::TZoneRelier(QWidget* parent) : QWidget(parent) {
    setMouseTracking(true);
    setMinimumSize(400, 300);
    setCursor(Qt::CrossCursor);
}

void TZoneRelier::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    if (logique_ != nullptr) {
        logique_->ChangeResolution(logicalDpiX(), logicalDpiY());
        logique_->ChangeZone(width(), height());
    }
}

void TZoneRelier::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    TQtCanvas canvas(painter);
    canvas.Brush.Style = bsSolid;
    canvas.Brush.Color = clWhite;
    canvas.Pen.Color = clBlack;
    canvas.Rectangle(0, 0, width(), height());
    if (logique_ == nullptr)
        return;
    if (!logique_->Modele.Empty())
        canvas.StretchDraw({0, 0, width(), height()}, logique_->Modele);
    canvas.Pen.Color = 0x0000C0;
    canvas.Brush.Style = bsClear;
    canvas.SetBkMode(TRANSPARENT);
    // Numbers 12 pixels high beside each point.
    canvas.Font.Height = -12;
    const auto& places = logique_->Places;
    for (std::size_t i = 0; i < places.size(); ++i) {
        const auto [x, y] = logique_->Pixels(places[i]);
        if (i > 0) {
            const auto [x0, y0] = logique_->Pixels(places[i - 1]);
            canvas.MoveTo(x0, y0);
            canvas.LineTo(x, y);
        }
        canvas.Ellipse(x - 4, y - 4, x + 5, y + 5);
        canvas.TextOut(x + 6, y - 18, std::to_string(i + 1));
    }
    if (elastique_ && !places.empty() && logique_->ModeSouris == RelierEditLogique::Mode::Ajout) {
        // The preview drawn inverted, so it shows over any picture.
        canvas.Pen.Mode = pmNot;
        const auto [x, y] = logique_->Pixels(places.back());
        canvas.MoveTo(x, y);
        canvas.LineTo(elastique_->x(), elastique_->y());
    }
}

void TZoneRelier::mousePressEvent(QMouseEvent* event) {
    if (logique_ == nullptr)
        return;
    const QPoint p = event->position().toPoint();
    if (logique_->Appui(p.x(), p.y(), event->button() == Qt::LeftButton))
        emit pointsChanged();
    update();
}

void TZoneRelier::mouseMoveEvent(QMouseEvent* event) {
    if (logique_ == nullptr)
        return;
    const QPoint p = event->position().toPoint();
    elastique_ = p;
    if (event->buttons() & Qt::LeftButton)
        logique_->Glisse(p.x(), p.y());
    update();
}

void TZoneRelier::mouseReleaseEvent(QMouseEvent*) {
    if (logique_ != nullptr)
        logique_->Relache();
}
