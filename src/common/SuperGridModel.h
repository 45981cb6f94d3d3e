// The editable grid of the data dialogs, as plain code: cells with a header row and a header
// column, selection, in-place editing with its keyboard rules, accepted characters, protected
// cells, an internal copy buffer, clipboard text, and the geometry the mouse rules need. The
// widget only paints it and forwards keys and mouse events.
#pragma once

#include <functional>
#include <string>
#include <vector>

struct GridCoord {
    int col = 0;
    int row = 0;
    bool operator==(const GridCoord&) const = default;
};

// A block of cells, bounds included.
struct GridRange {
    int left = 1;
    int top = 1;
    int right = 1;
    int bottom = 1;
    int Width() const { return right - left + 1; }
    int Height() const { return bottom - top + 1; }
    bool Contains(GridCoord c) const {
        return c.col >= left && c.col <= right && c.row >= top && c.row <= bottom;
    }
    bool operator==(const GridRange&) const = default;
};

class SuperGridModel {
public:
    enum class Key { Delete, F2, Backspace, Enter, Escape, Tab, Up, Down, Left, Right, Home, End };
    enum class Button { Left, Right };
    // What a mouse press did, for the widget (capture, context menu).
    enum class Press { Nothing, Cell, Corner, RowHeader, ColumnHeader, FitColumn, ResetRow };

    // Columns and rows include the header column 0 and the header row 0.
    SuperGridModel(int cols = 2, int rows = 2);

    int ColCount() const { return cols_; }
    int RowCount() const { return rows_; }
    // Keeps the texts that still fit.
    void SetSize(int cols, int rows);

    const std::string& Cell(int col, int row) const;
    void SetCell(int col, int row, const std::string& text);

    // Typed characters must occur in `chars` while the set is on.
    void SetAcceptedCharacters(const std::string& chars, bool on);
    void SetAcceptedCharactersOn(bool on) { acceptedOn_ = on; }
    bool Accepts(const std::string& character) const;
    // When on, a typed "." or "," becomes `decimalSeparator`.
    bool decimalInput = true;
    char decimalSeparator = ',';

    void SetProtected(int col, int row, bool on);
    bool IsProtected(int col, int row) const;

    // Selection and current cell (never in the headers).
    GridCoord Current() const { return current_; }
    GridRange Selection() const { return selection_; }
    void SelectCell(GridCoord c);
    // From the anchor (the current cell) to c.
    void ExtendSelection(GridCoord c);
    void SelectRange(GridRange r);
    // Every cell outside the headers.
    void SelectAll();

    // Editing.
    bool Editing() const { return editing_; }
    const std::string& EditText() const { return editText_; }
    // Byte offset of the caret in EditText.
    std::size_t Caret() const { return caret_; }
    // Keys; true when the key did something.
    bool KeyPress(Key key);
    // A typed character (one UTF-8 character); true when it did something.
    bool CharTyped(const std::string& character);
    // Closes the editor: keep the new text, or give the cell back its text.
    void EndEdit(bool keep);

    // Internal buffer.
    void Copy();
    void Cut();
    void Paste();
    bool BufferEmpty() const { return bufferWidth_ == 0; }
    // Empties every unprotected cell of the selection.
    void ClearSelection();

    // The selection as clipboard text: cells separated by tabs, each row ending with CR LF.
    std::string SelectionText() const;
    // Fills the selection (or, for a single cell, from it to the last column and row) from
    // clipboard text, line by line and tab by tab, until the text or the target runs out.
    void PasteText(const std::string& text);

    // Geometry, in pixels. Column 0 and row 0 are the headers; the grid shows from
    // (LeftCol, TopRow) on after the headers.
    int defaultColWidth = 64;
    int defaultRowHeight = 24;
    int gridLineWidth = 1;
    // Added to a column fitted to its texts.
    int columnMargin = 0;
    bool columnSizing = true;
    bool rowSizing = true;
    int ColWidth(int col) const;
    int RowHeight(int row) const;
    void SetColWidth(int col, int width);
    void SetRowHeight(int row, int height);
    int LeftCol() const { return leftCol_; }
    int TopRow() const { return topRow_; }
    void ScrollTo(int leftCol, int topRow);
    // Moves the scroll position by whole cells, within the grid.
    void Scroll(int cols, int rows);

    // Cell under a pixel position (-1 beyond the last column or row).
    GridCoord CellAt(int x, int y) const;
    // Left edge of a visible column and top edge of a visible row (-1 when scrolled away).
    int ColLeft(int col) const;
    int RowTop(int row) const;

    // The mouse rules. `textWidth` measures a text in pixels, for column fitting.
    Press MousePress(int x, int y, Button button,
                     const std::function<int(const std::string&)>& textWidth);
    // Dragging with the button down (after a press on a cell or a header).
    void MouseDrag(int x, int y);
    void MouseRelease();
    // The scroll a drag past an edge asks for (-1, 0 or 1 per axis) given the viewport size.
    std::pair<int, int> DragScroll(int x, int y, int width, int height) const;

    // Width that fits a column's texts below the header.
    int FittedWidth(int col, const std::function<int(const std::string&)>& textWidth) const;

    // Called after any change of cells (the dialog recomputes what depends on them).
    std::function<void()> onCellsChanged;

private:
    bool valid(int col, int row) const;
    bool onHeader(GridCoord c) const { return c.col == 0 || c.row == 0; }
    void beginEdit(std::string text);
    void keyNotEditing(Key key, bool& handled);
    void keyEditing(Key key, bool& handled);
    std::string typedForm(const std::string& character) const;
    GridRange pasteTarget() const;
    void changed();

    int cols_;
    int rows_;
    std::vector<std::string> cells_;
    std::vector<bool> protected_;
    std::string accepted_;
    bool acceptedOn_ = false;
    GridCoord current_{1, 1};
    GridRange selection_;
    bool editing_ = false;
    std::string editText_;
    std::string before_;
    std::size_t caret_ = 0;
    std::vector<std::string> buffer_;
    int bufferWidth_ = 0;
    int bufferHeight_ = 0;
    std::vector<int> colWidths_;
    std::vector<int> rowHeights_;
    int leftCol_ = 1;
    int topRow_ = 1;
    enum class Drag { None, Cells, Rows, Columns } drag_ = Drag::None;
    GridCoord anchor_{1, 1};
};
