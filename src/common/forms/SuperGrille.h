// The editable grid widget of the data dialogs: paints a SuperGridModel, edits in place and
// forwards keys and mouse events to it; cut, copy and paste through its context menu.
#pragma once

#include "common/SuperGridModel.h"

#include <QAbstractScrollArea>
#include <QTimer>

class QAction;
class QMenu;

class TSuperGrille : public QAbstractScrollArea {
    Q_OBJECT
public:
    explicit TSuperGrille(QWidget* parent = nullptr);

    SuperGridModel& Grille() { return model_; }
    const SuperGridModel& Grille() const { return model_; }
    // Call after changing the model from outside, to repaint.
    void Rafraichit();

    QAction* ActionCouper() const { return cut_; }
    QAction* ActionCopier() const { return copy_; }
    QAction* ActionColler() const { return paste_; }
    QAction* ActionEffacer() const { return clear_; }
    QAction* ActionToutSelectionner() const { return selectAll_; }
    QAction* ActionCopierPressePapiers() const { return copyClipboard_; }
    QAction* ActionCollerPressePapiers() const { return pasteClipboard_; }
    QMenu* MenuContextuel() const { return menu_; }

signals:
    // The cells changed (typing, paste, clear).
    void cellsChanged();

protected:
    void paintEvent(QPaintEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void scrollContentsBy(int dx, int dy) override;

private:
    QAction* addAction(const char* caption, const QKeySequence& shortcut,
                       void (TSuperGrille::*slot)());
    void cut();
    void copy();
    void paste();
    void clear();
    void selectAll();
    void copyToClipboard();
    void pasteFromClipboard();
    void SuperGrilleTimer();
    void updateScrollBars();
    int textWidth(const std::string& text) const;

    SuperGridModel model_;
    QMenu* menu_;
    QAction* cut_;
    QAction* copy_;
    QAction* paste_;
    QAction* clear_;
    QAction* selectAll_;
    QAction* copyClipboard_;
    QAction* pasteClipboard_;
    QTimer scrollTimer_;
    QPoint lastMouse_;
};
