#include "common/forms/SuperGrille.h"

#include "host/forms/QtConversions.h"
#include "platform/UserInterface.h"

#include <QAction>
#include <QContextMenuEvent>
#include <QKeyEvent>
#include <QMenu>
#include <QPainter>
#include <QScrollBar>

namespace {

// The model's key for a Qt key, if it is one of the grid's keys.
std::optional<SuperGridModel::Key> gridKey(int key) {
    using K = SuperGridModel::Key;
    switch (key) {
    case Qt::Key_Delete:
        return K::Delete;
    case Qt::Key_F2:
        return K::F2;
    case Qt::Key_Backspace:
        return K::Backspace;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        return K::Enter;
    case Qt::Key_Escape:
        return K::Escape;
    case Qt::Key_Tab:
        return K::Tab;
    case Qt::Key_Up:
        return K::Up;
    case Qt::Key_Down:
        return K::Down;
    case Qt::Key_Left:
        return K::Left;
    case Qt::Key_Right:
        return K::Right;
    case Qt::Key_Home:
        return K::Home;
    case Qt::Key_End:
        return K::End;
    default:
        return std::nullopt;
    }
}

} // namespace

TSuperGrille::TSuperGrille(QWidget* parent) : QAbstractScrollArea(parent), menu_(new QMenu(this)) {
    setFocusPolicy(Qt::StrongFocus);
    viewport()->setMouseTracking(false);
    cut_ = addAction("&Couper", QKeySequence(Qt::CTRL | Qt::Key_X), &TSuperGrille::cut);
    copy_ = addAction("Co&pier", QKeySequence(Qt::CTRL | Qt::Key_C), &TSuperGrille::copy);
    paste_ = addAction("Col&ler", QKeySequence(Qt::CTRL | Qt::Key_V), &TSuperGrille::paste);
    clear_ = addAction("&Effacer sélection", QKeySequence(), &TSuperGrille::clear);
    selectAll_ = addAction("Sélectionner &Tout", QKeySequence(Qt::CTRL | Qt::Key_A),
                           &TSuperGrille::selectAll);
    copyClipboard_ =
        addAction("Copier sélection vers le presse-papiers Windows",
                  QKeySequence(Qt::CTRL | Qt::Key_Insert), &TSuperGrille::copyToClipboard);
    pasteClipboard_ =
        addAction("Coller à partir du presse-papiers Windows",
                  QKeySequence(Qt::SHIFT | Qt::Key_Insert), &TSuperGrille::pasteFromClipboard);
    model_.onCellsChanged = [this] { emit cellsChanged(); };
    scrollTimer_.setInterval(60);
    connect(&scrollTimer_, &QTimer::timeout, this, &TSuperGrille::SuperGrilleTimer);
    updateScrollBars();
}

QAction* TSuperGrille::addAction(const char* caption, const QKeySequence& shortcut,
                                 void (TSuperGrille::*slot)()) {
    auto* action = new QAction(QString::fromUtf8(caption), this);
    action->setShortcut(shortcut);
    action->setShortcutContext(Qt::WidgetWithChildrenShortcut);
    connect(action, &QAction::triggered, this, slot);
    QWidget::addAction(action);
    menu_->addAction(action);
    return action;
}

void TSuperGrille::Rafraichit() {
    updateScrollBars();
    viewport()->update();
}

int TSuperGrille::textWidth(const std::string& text) const {
    return fontMetrics().horizontalAdvance(ToQString(text));
}

void TSuperGrille::paintEvent(QPaintEvent*) {
    QPainter painter(viewport());
    const QPalette& pal = palette();
    painter.fillRect(viewport()->rect(), pal.base());
    const int line = model_.gridLineWidth;
    auto cellRect = [&](int col, int row) {
        return QRect(model_.ColLeft(col), model_.RowTop(row), model_.ColWidth(col),
                     model_.RowHeight(row));
    };
    std::vector<int> cols{0};
    for (int c = model_.LeftCol(); c < model_.ColCount(); ++c) {
        if (model_.ColLeft(c) > viewport()->width())
            break;
        cols.push_back(c);
    }
    std::vector<int> rows{0};
    for (int r = model_.TopRow(); r < model_.RowCount(); ++r) {
        if (model_.RowTop(r) > viewport()->height())
            break;
        rows.push_back(r);
    }
    const GridRange sel = model_.Selection();
    for (const int r : rows) {
        for (const int c : cols) {
            const QRect rect = cellRect(c, r);
            const bool header = c == 0 || r == 0;
            const bool selected = !header && sel.Contains({c, r});
            painter.fillRect(rect, header                     ? pal.button()
                                   : selected                 ? pal.highlight().color().lighter(170)
                                   : model_.IsProtected(c, r) ? pal.alternateBase()
                                                              : pal.base());
            const bool editingHere = model_.Editing() && model_.Current() == GridCoord{c, r};
            const QString text = ToQString(editingHere ? model_.EditText() : model_.Cell(c, r));
            painter.setPen(pal.text().color());
            painter.drawText(rect.adjusted(3, 0, -3, 0), Qt::AlignVCenter | Qt::AlignLeft, text);
            if (editingHere) {
                const int caretX = rect.left() + 3 +
                                   fontMetrics().horizontalAdvance(
                                       ToQString(model_.EditText().substr(0, model_.Caret())));
                painter.drawLine(caretX, rect.top() + 3, caretX, rect.bottom() - 3);
            }
            painter.setPen(QPen(pal.mid().color(), line));
            painter.drawLine(rect.right() + 1, rect.top(), rect.right() + 1, rect.bottom() + 1);
            painter.drawLine(rect.left(), rect.bottom() + 1, rect.right() + 1, rect.bottom() + 1);
        }
    }
    const GridCoord cur = model_.Current();
    if (model_.ColLeft(cur.col) >= 0 && model_.RowTop(cur.row) >= 0) {
        painter.setPen(QPen(pal.highlight().color(), 2));
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(cellRect(cur.col, cur.row).adjusted(1, 1, -1, -1));
    }
}

void TSuperGrille::keyPressEvent(QKeyEvent* event) {
    bool handled = false;
    if (const auto key = gridKey(event->key()))
        handled = model_.KeyPress(*key);
    if (!handled && !model_.Editing() && event->modifiers() == Qt::NoModifier) {
        // Arrows move the current cell when not editing.
        GridCoord c = model_.Current();
        switch (event->key()) {
        case Qt::Key_Up:
            --c.row;
            break;
        case Qt::Key_Down:
            ++c.row;
            break;
        case Qt::Key_Left:
            --c.col;
            break;
        case Qt::Key_Right:
        case Qt::Key_Tab:
            ++c.col;
            break;
        default:
            break;
        }
        if (!(c == model_.Current())) {
            model_.SelectCell(c);
            handled = true;
        }
    }
    if (!handled && !event->text().isEmpty() && event->text().at(0).isPrint())
        handled = model_.CharTyped(event->text().toStdString());
    if (handled) {
        viewport()->update();
        event->accept();
        return;
    }
    QAbstractScrollArea::keyPressEvent(event);
}

void TSuperGrille::mousePressEvent(QMouseEvent* event) {
    setFocus();
    lastMouse_ = event->position().toPoint();
    const auto button = event->button() == Qt::RightButton ? SuperGridModel::Button::Right
                                                           : SuperGridModel::Button::Left;
    model_.MousePress(lastMouse_.x(), lastMouse_.y(), button,
                      [this](const std::string& t) { return textWidth(t); });
    if (button == SuperGridModel::Button::Left)
        scrollTimer_.start();
    Rafraichit();
}

void TSuperGrille::mouseMoveEvent(QMouseEvent* event) {
    lastMouse_ = event->position().toPoint();
    model_.MouseDrag(lastMouse_.x(), lastMouse_.y());
    viewport()->update();
}

void TSuperGrille::mouseReleaseEvent(QMouseEvent*) {
    scrollTimer_.stop();
    model_.MouseRelease();
    viewport()->update();
}

void TSuperGrille::SuperGrilleTimer() {
    const auto [dx, dy] = model_.DragScroll(lastMouse_.x(), lastMouse_.y(), viewport()->width(),
                                            viewport()->height());
    if (dx == 0 && dy == 0)
        return;
    model_.Scroll(dx, dy);
    model_.MouseDrag(lastMouse_.x(), lastMouse_.y());
    Rafraichit();
}

void TSuperGrille::wheelEvent(QWheelEvent* event) {
    const int steps = event->angleDelta().y() / 120;
    model_.Scroll(0, -steps * 3);
    Rafraichit();
    event->accept();
}

void TSuperGrille::contextMenuEvent(QContextMenuEvent* event) {
    paste_->setEnabled(!model_.BufferEmpty());
    menu_->exec(event->globalPos());
}

void TSuperGrille::resizeEvent(QResizeEvent* event) {
    QAbstractScrollArea::resizeEvent(event);
    updateScrollBars();
}

void TSuperGrille::scrollContentsBy(int, int) {
    model_.ScrollTo(horizontalScrollBar()->value() + 1, verticalScrollBar()->value() + 1);
    viewport()->update();
}

void TSuperGrille::updateScrollBars() {
    const QSignalBlocker blockH(horizontalScrollBar());
    const QSignalBlocker blockV(verticalScrollBar());
    horizontalScrollBar()->setRange(0, std::max(0, model_.ColCount() - 2));
    verticalScrollBar()->setRange(0, std::max(0, model_.RowCount() - 2));
    horizontalScrollBar()->setValue(model_.LeftCol() - 1);
    verticalScrollBar()->setValue(model_.TopRow() - 1);
}

void TSuperGrille::cut() {
    model_.Cut();
    viewport()->update();
}

void TSuperGrille::copy() {
    model_.Copy();
}

void TSuperGrille::paste() {
    model_.Paste();
    viewport()->update();
}

void TSuperGrille::clear() {
    model_.ClearSelection();
    viewport()->update();
}

void TSuperGrille::selectAll() {
    model_.EndEdit(true);
    model_.SelectAll();
    viewport()->update();
}

void TSuperGrille::copyToClipboard() {
    Ui().SetClipboardText(model_.SelectionText());
}

void TSuperGrille::pasteFromClipboard() {
    model_.PasteText(Ui().ClipboardText());
    Rafraichit();
}
