#include "common/SuperGridModel.h"

#include <algorithm>

namespace {

bool continuation(char c) {
    return (static_cast<unsigned char>(c) & 0xC0) == 0x80;
}

std::size_t previousChar(const std::string& s, std::size_t at) {
    if (at == 0)
        return 0;
    --at;
    while (at > 0 && continuation(s[at]))
        --at;
    return at;
}

std::size_t nextChar(const std::string& s, std::size_t at) {
    if (at >= s.size())
        return s.size();
    ++at;
    while (at < s.size() && continuation(s[at]))
        ++at;
    return at;
}

const std::string kEmpty;

} // namespace

SuperGridModel::SuperGridModel(int cols, int rows) : cols_(0), rows_(0) {
    SetSize(cols, rows);
}

void SuperGridModel::SetSize(int cols, int rows) {
    cols = std::max(cols, 2);
    rows = std::max(rows, 2);
    std::vector<std::string> cells(std::size_t(cols * rows));
    std::vector<bool> prot(std::size_t(cols * rows), false);
    for (int r = 0; r < std::min(rows, rows_); ++r) {
        for (int c = 0; c < std::min(cols, cols_); ++c) {
            cells[std::size_t(r * cols + c)] = cells_[std::size_t(r * cols_ + c)];
            prot[std::size_t(r * cols + c)] = protected_[std::size_t(r * cols_ + c)];
        }
    }
    cells_ = std::move(cells);
    protected_ = std::move(prot);
    colWidths_.resize(std::size_t(cols), defaultColWidth);
    rowHeights_.resize(std::size_t(rows), defaultRowHeight);
    cols_ = cols;
    rows_ = rows;
    current_ = {std::min(current_.col, cols - 1), std::min(current_.row, rows - 1)};
    selection_ = {current_.col, current_.row, current_.col, current_.row};
    leftCol_ = std::min(leftCol_, cols - 1);
    topRow_ = std::min(topRow_, rows - 1);
}

bool SuperGridModel::valid(int col, int row) const {
    return col >= 0 && row >= 0 && col < cols_ && row < rows_;
}

const std::string& SuperGridModel::Cell(int col, int row) const {
    return valid(col, row) ? cells_[std::size_t(row * cols_ + col)] : kEmpty;
}

void SuperGridModel::SetCell(int col, int row, const std::string& text) {
    if (valid(col, row))
        cells_[std::size_t(row * cols_ + col)] = text;
}

void SuperGridModel::SetAcceptedCharacters(const std::string& chars, bool on) {
    accepted_ = chars;
    acceptedOn_ = on;
}

bool SuperGridModel::Accepts(const std::string& character) const {
    if (!acceptedOn_)
        return true;
    return !character.empty() && accepted_.find(character) != std::string::npos;
}

void SuperGridModel::SetProtected(int col, int row, bool on) {
    if (valid(col, row))
        protected_[std::size_t(row * cols_ + col)] = on;
}

bool SuperGridModel::IsProtected(int col, int row) const {
    return valid(col, row) && protected_[std::size_t(row * cols_ + col)];
}

void SuperGridModel::SelectCell(GridCoord c) {
    c.col = std::clamp(c.col, 1, cols_ - 1);
    c.row = std::clamp(c.row, 1, rows_ - 1);
    current_ = c;
    anchor_ = c;
    selection_ = {c.col, c.row, c.col, c.row};
}

void SuperGridModel::ExtendSelection(GridCoord c) {
    c.col = std::clamp(c.col, 1, cols_ - 1);
    c.row = std::clamp(c.row, 1, rows_ - 1);
    selection_ = {std::min(anchor_.col, c.col), std::min(anchor_.row, c.row),
                  std::max(anchor_.col, c.col), std::max(anchor_.row, c.row)};
}

void SuperGridModel::SelectRange(GridRange r) {
    r.left = std::clamp(r.left, 1, cols_ - 1);
    r.right = std::clamp(r.right, r.left, cols_ - 1);
    r.top = std::clamp(r.top, 1, rows_ - 1);
    r.bottom = std::clamp(r.bottom, r.top, rows_ - 1);
    selection_ = r;
    current_ = {r.left, r.top};
    anchor_ = current_;
}

void SuperGridModel::SelectAll() {
    SelectRange({1, 1, cols_ - 1, rows_ - 1});
}

// ---- keyboard ----

std::string SuperGridModel::typedForm(const std::string& character) const {
    if (decimalInput && (character == "." || character == ","))
        return std::string(1, decimalSeparator);
    return character;
}

void SuperGridModel::beginEdit(std::string text) {
    editing_ = true;
    before_ = Cell(current_.col, current_.row);
    editText_ = std::move(text);
    caret_ = editText_.size();
}

void SuperGridModel::EndEdit(bool keep) {
    if (!editing_)
        return;
    editing_ = false;
    SetCell(current_.col, current_.row, keep ? editText_ : before_);
    if (keep && editText_ != before_)
        changed();
}

bool SuperGridModel::KeyPress(Key key) {
    bool handled = false;
    if (editing_)
        keyEditing(key, handled);
    else
        keyNotEditing(key, handled);
    return handled;
}

void SuperGridModel::keyNotEditing(Key key, bool& handled) {
    if (onHeader(current_) || IsProtected(current_.col, current_.row))
        return;
    switch (key) {
    case Key::Delete:
        ClearSelection();
        handled = true;
        break;
    case Key::F2:
    case Key::Backspace:
    case Key::Enter:
    case Key::Escape:
        beginEdit(Cell(current_.col, current_.row));
        handled = true;
        break;
    default:
        break;
    }
}

void SuperGridModel::keyEditing(Key key, bool& handled) {
    handled = true;
    switch (key) {
    case Key::Escape:
        EndEdit(false);
        break;
    case Key::Enter:
    case Key::Tab:
    case Key::F2:
    case Key::Up:
    case Key::Down:
        EndEdit(true);
        break;
    case Key::Backspace:
        if (caret_ > 0) {
            const std::size_t from = previousChar(editText_, caret_);
            editText_.erase(from, caret_ - from);
            caret_ = from;
        }
        break;
    case Key::Delete:
        if (caret_ < editText_.size())
            editText_.erase(caret_, nextChar(editText_, caret_) - caret_);
        break;
    case Key::Left:
        caret_ = previousChar(editText_, caret_);
        break;
    case Key::Right:
        caret_ = nextChar(editText_, caret_);
        break;
    case Key::Home:
        caret_ = 0;
        break;
    case Key::End:
        caret_ = editText_.size();
        break;
    }
}

bool SuperGridModel::CharTyped(const std::string& character) {
    if (character.empty())
        return false;
    const std::string typed = typedForm(character);
    if (!Accepts(character) && !Accepts(typed))
        return false;
    if (editing_) {
        editText_.insert(caret_, typed);
        caret_ += typed.size();
        return true;
    }
    if (onHeader(current_) || IsProtected(current_.col, current_.row))
        return false;
    beginEdit(typed);
    return true;
}

// ---- buffer and clipboard ----

void SuperGridModel::Copy() {
    bufferWidth_ = selection_.Width();
    bufferHeight_ = selection_.Height();
    buffer_.clear();
    for (int r = selection_.top; r <= selection_.bottom; ++r)
        for (int c = selection_.left; c <= selection_.right; ++c)
            buffer_.push_back(Cell(c, r));
}

void SuperGridModel::Cut() {
    Copy();
    ClearSelection();
}

GridRange SuperGridModel::pasteTarget() const {
    if (selection_.Width() == 1 && selection_.Height() == 1)
        return {selection_.left, selection_.top, cols_ - 1, rows_ - 1};
    return selection_;
}

void SuperGridModel::Paste() {
    if (BufferEmpty())
        return;
    const GridRange target = pasteTarget();
    const int width = std::min(bufferWidth_, target.Width());
    const int height = std::min(bufferHeight_, target.Height());
    for (int r = 0; r < height; ++r) {
        for (int c = 0; c < width; ++c) {
            const int col = target.left + c;
            const int row = target.top + r;
            if (!IsProtected(col, row))
                SetCell(col, row, buffer_[std::size_t(r * bufferWidth_ + c)]);
        }
    }
    changed();
}

void SuperGridModel::ClearSelection() {
    for (int r = selection_.top; r <= selection_.bottom; ++r)
        for (int c = selection_.left; c <= selection_.right; ++c)
            if (!IsProtected(c, r))
                SetCell(c, r, "");
    changed();
}

std::string SuperGridModel::SelectionText() const {
    std::string text;
    for (int r = selection_.top; r <= selection_.bottom; ++r) {
        for (int c = selection_.left; c <= selection_.right; ++c) {
            if (c > selection_.left)
                text += '\t';
            text += Cell(c, r);
        }
        text += "\r\n";
    }
    return text;
}

void SuperGridModel::PasteText(const std::string& text) {
    if (text.empty())
        return;
    EndEdit(true);
    const GridRange target = pasteTarget();
    int row = target.top;
    std::size_t at = 0;
    while (at < text.size() && row <= target.bottom) {
        std::size_t end = text.find('\n', at);
        if (end == std::string::npos)
            end = text.size();
        std::string line = text.substr(at, end - at);
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        int col = target.left;
        std::size_t cellStart = 0;
        while (col <= target.right) {
            const std::size_t tab = line.find('\t', cellStart);
            SetCell(col, row,
                    line.substr(cellStart,
                                tab == std::string::npos ? std::string::npos : tab - cellStart));
            ++col;
            if (tab == std::string::npos)
                break;
            cellStart = tab + 1;
        }
        ++row;
        at = end + 1;
    }
    changed();
}

void SuperGridModel::changed() {
    if (onCellsChanged)
        onCellsChanged();
}

// ---- geometry ----

int SuperGridModel::ColWidth(int col) const {
    return col >= 0 && col < cols_ ? colWidths_[std::size_t(col)] : defaultColWidth;
}

int SuperGridModel::RowHeight(int row) const {
    return row >= 0 && row < rows_ ? rowHeights_[std::size_t(row)] : defaultRowHeight;
}

void SuperGridModel::SetColWidth(int col, int width) {
    if (col >= 0 && col < cols_)
        colWidths_[std::size_t(col)] = std::max(width, 1);
}

void SuperGridModel::SetRowHeight(int row, int height) {
    if (row >= 0 && row < rows_)
        rowHeights_[std::size_t(row)] = std::max(height, 1);
}

void SuperGridModel::ScrollTo(int leftCol, int topRow) {
    leftCol_ = std::clamp(leftCol, 1, cols_ - 1);
    topRow_ = std::clamp(topRow, 1, rows_ - 1);
}

void SuperGridModel::Scroll(int cols, int rows) {
    ScrollTo(leftCol_ + cols, topRow_ + rows);
}

int SuperGridModel::ColLeft(int col) const {
    if (col == 0)
        return 0;
    if (col < leftCol_ || col >= cols_)
        return -1;
    int x = ColWidth(0) + gridLineWidth;
    for (int c = leftCol_; c < col; ++c)
        x += ColWidth(c) + gridLineWidth;
    return x;
}

int SuperGridModel::RowTop(int row) const {
    if (row == 0)
        return 0;
    if (row < topRow_ || row >= rows_)
        return -1;
    int y = RowHeight(0) + gridLineWidth;
    for (int r = topRow_; r < row; ++r)
        y += RowHeight(r) + gridLineWidth;
    return y;
}

GridCoord SuperGridModel::CellAt(int x, int y) const {
    GridCoord c{-1, -1};
    int right = ColWidth(0) + gridLineWidth;
    if (x < right) {
        c.col = 0;
    } else {
        for (int col = leftCol_; col < cols_; ++col) {
            right += ColWidth(col) + gridLineWidth;
            if (x < right) {
                c.col = col;
                break;
            }
        }
    }
    int bottom = RowHeight(0) + gridLineWidth;
    if (y < bottom) {
        c.row = 0;
    } else {
        for (int row = topRow_; row < rows_; ++row) {
            bottom += RowHeight(row) + gridLineWidth;
            if (y < bottom) {
                c.row = row;
                break;
            }
        }
    }
    return c;
}

int SuperGridModel::FittedWidth(int col,
                                const std::function<int(const std::string&)>& textWidth) const {
    int widest = -1;
    for (int row = 1; row < rows_; ++row) {
        const std::string& text = Cell(col, row);
        if (!text.empty())
            widest = std::max(widest, textWidth(text) + 2 * gridLineWidth);
    }
    return (widest < 0 ? defaultColWidth : widest) + columnMargin;
}

SuperGridModel::Press
SuperGridModel::MousePress(int x, int y, Button button,
                           const std::function<int(const std::string&)>& textWidth) {
    const GridCoord at = CellAt(x, y);
    if (at.col < 0 || at.row < 0)
        return Press::Nothing;
    if (button == Button::Right) {
        // The context menu follows: a block stays selected, otherwise the cell becomes current.
        if (onHeader(at))
            return Press::Nothing;
        if (selection_.Width() * selection_.Height() <= 1 || !selection_.Contains(at)) {
            EndEdit(true);
            SelectCell(at);
        }
        return Press::Cell;
    }
    const int near = gridLineWidth + 3;
    if (at.col == 0 && at.row == 0) {
        EndEdit(true);
        SelectAll();
        return Press::Corner;
    }
    if (at.row == 0) {
        // Near a column border: fit the column left of it.
        const int left = ColLeft(at.col);
        const int right = left + ColWidth(at.col) + gridLineWidth;
        const int border = (x - left <= near && at.col > leftCol_) ? at.col - 1
                           : (right - x <= near)                   ? at.col
                                                                   : -1;
        if (columnSizing && border >= 1) {
            EndEdit(true);
            SetColWidth(border, FittedWidth(border, textWidth));
            return Press::FitColumn;
        }
        EndEdit(true);
        SelectRange({at.col, 1, at.col, rows_ - 1});
        anchor_ = {at.col, 1};
        drag_ = Drag::Columns;
        return Press::ColumnHeader;
    }
    if (at.col == 0) {
        const int top = RowTop(at.row);
        const int bottom = top + RowHeight(at.row) + gridLineWidth;
        const int border = (y - top <= near && at.row > topRow_) ? at.row - 1
                           : (bottom - y <= near)                ? at.row
                                                                 : -1;
        if (rowSizing && border >= 1) {
            SetRowHeight(border, defaultRowHeight);
            return Press::ResetRow;
        }
        EndEdit(true);
        SelectRange({1, at.row, cols_ - 1, at.row});
        anchor_ = {1, at.row};
        drag_ = Drag::Rows;
        return Press::RowHeader;
    }
    EndEdit(true);
    SelectCell(at);
    drag_ = Drag::Cells;
    return Press::Cell;
}

void SuperGridModel::MouseDrag(int x, int y) {
    const GridCoord at = CellAt(x, y);
    const GridCoord clamped{at.col < 0 ? cols_ - 1 : std::max(at.col, 1),
                            at.row < 0 ? rows_ - 1 : std::max(at.row, 1)};
    switch (drag_) {
    case Drag::Cells:
        ExtendSelection(clamped);
        break;
    case Drag::Rows:
        selection_ = {1, std::min(anchor_.row, clamped.row), cols_ - 1,
                      std::max(anchor_.row, clamped.row)};
        break;
    case Drag::Columns:
        selection_ = {std::min(anchor_.col, clamped.col), 1, std::max(anchor_.col, clamped.col),
                      rows_ - 1};
        break;
    case Drag::None:
        break;
    }
}

void SuperGridModel::MouseRelease() {
    drag_ = Drag::None;
}

std::pair<int, int> SuperGridModel::DragScroll(int x, int y, int width, int height) const {
    if (drag_ == Drag::None)
        return {0, 0};
    const int dx = x < ColWidth(0) && drag_ != Drag::Rows ? -1 : (x >= width ? 1 : 0);
    const int dy = y < RowHeight(0) && drag_ != Drag::Columns ? -1 : (y >= height ? 1 : 0);
    return {drag_ == Drag::Rows ? 0 : dx, drag_ == Drag::Columns ? 0 : dy};
}
