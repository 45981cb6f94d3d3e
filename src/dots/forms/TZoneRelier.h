// The points editor's drawing area: the model picture, the points joined in order, each a
// small circle with its number, and the rubber line of the add mode, drawn through the
// platform canvas. Mouse presses, moves and releases go to the editor's logic.
#pragma once

#include <QWidget>

#include <optional>

class RelierEditLogique;

class TZoneRelier : public QWidget {
    Q_OBJECT
public:
    explicit TZoneRelier(QWidget* parent = nullptr);
    void ChangeLogique(RelierEditLogique* logique) { logique_ = logique; }

signals:
    void pointsChanged();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    RelierEditLogique* logique_ = nullptr;
    std::optional<QPoint> elastique_; // the end of the rubber line
};
