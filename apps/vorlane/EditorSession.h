// The editor's document session, as plain code: the document and its file, the page and
// display mode shown, the selection, interactive creation and moves through the components'
// own slots, the changes to undo and redo, and copy and paste of components.
#pragma once

#include "host/Composant.h"
#include "host/Document.h"

#include <QString>
#include <QUndoStack>

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

class TCatalogue;
class TCanvas;

class EditorSession {
public:
    explicit EditorSession(const TCatalogue& catalogue);

    TDocument& Document() { return *document_; }
    const TDocument& Document() const { return *document_; }
    const std::string& Path() const { return path_; }
    bool Modified() const { return !history_.isClean(); }
    // Grows with every change recorded and every document put in place (new, open, import,
    // undo, redo): what is computed from the document holds while it stays the same.
    std::uint64_t Revision() const { return revision_; }
    int Page() const { return page_; }
    void SetPage(int page);

    // The display mode (0 editing, 1 test version, 2 corrected version), told to every
    // component.
    int Mode() const { return mode_; }
    void SetMode(int mode);

    // A new document: one A4 page, 1 cm margins, 5 mm squares.
    void New();
    bool Open(const std::string& path, std::string& message, std::vector<std::string>& skipped);
    bool Save(std::string& message);
    bool SaveAs(const std::string& path, std::string& message);
    // A new document built from a sheet text, as `mathsheet build` builds it. When the sheet is
    // refused the open document stays as it was: false with "FILE:LINE: message".
    bool Import(const std::string& text, const std::string& fileName, std::string& message);

    // Records the document as it is now as the state after a change, undoable under that name
    // ("la création"...), and marks it modified. The last 100 changes can be undone.
    void Committed(const QString& what = QStringLiteral("la modification"));
    bool CanUndo() const { return history_.canUndo(); }
    bool CanRedo() const { return history_.canRedo(); }
    // Back to the state before the last change, or forward again. The selection is cleared.
    void Undo() { history_.undo(); }
    void Redo() { history_.redo(); }
    QUndoStack& History() { return history_; }
    static constexpr int kUndoLimit = 100;

    TComposant* Selection() const { return selection_; }
    void Select(TComposant* composant);
    // The component under p on the current page and its hit code: the selected component's
    // handles first, then the topmost component.
    TComposant* ComponentAt(vlPoint p, int& code) const;

    // Interactive creation with a new component (not yet in the document); `band` receives the
    // rubber band drawing calls.
    void BeginCreate(std::unique_ptr<TComposant> composant, vlPoint p, TCanvas& band);
    // Interactive move or resize of a component of the document (code from ComponentAt).
    void BeginChange(TComposant* composant, vlPoint p, int code, TCanvas& band);
    void Drag(vlPoint p, TCanvas& band);
    // Ends the creation or move; returns the component (a new one now belongs to the
    // document and has its exercise), or null when nothing was going on.
    TComposant* EndDrag(TCanvas& band);
    // The component being created or changed, whose rubber band the view draws.
    TComposant* Interacting() const;

    // Copies the selection; pastes a copy on the current page, 5 mm lower and to the right.
    void Copy();
    TComposant* Paste();
    bool CanPaste() const { return clipboard_.has_value(); }
    void DeleteSelection();
    // A copy of the selection beside it, selected: the same settings and exercise.
    TComposant* Duplicate();
    // Draws the selection over the other components of its page (`premier`) or under them.
    void ChangePlan(bool premier);

    // Called when the document's components were replaced (new, open, import, undo, redo),
    // before the old ones are freed: views drop their pointers to them.
    std::function<void()> onReplaced;

private:
    friend class DocumentChange;
    std::vector<std::uint8_t> snapshot() const;
    void restore(const std::vector<std::uint8_t>& bytes);
    void resetHistory();
    struct Clipboard;
    static std::optional<Clipboard> recordOf(TComposant& composant);
    // A new component read from a copied record, on the page shown (null: unreadable).
    std::unique_ptr<TComposant> fromRecord(const Clipboard& copied);
    // Adds a copy 5 mm lower and to the right, named anew and selected, as the change `what`.
    TComposant* place(std::unique_ptr<TComposant> copy, const QString& what);
    // Puts `next` in place of the document, runs `settle` on it, tells the views, then frees
    // the old document.
    void replaceDocument(std::unique_ptr<TDocument> next, const std::function<void()>& settle);

    const TCatalogue& catalogue_;
    std::unique_ptr<TDocument> document_;
    std::string path_;
    int page_ = 0;
    int mode_ = MODE_EDITION;
    TComposant* selection_ = nullptr;
    std::unique_ptr<TComposant> creating_;
    TComposant* changing_ = nullptr;
    int changeCode_ = HIT_RIEN;
    // A copied component is kept as its kind and its record, not as a live component: an
    // undo or an open frees the frame and the components a live copy would still point to.
    struct Clipboard {
        std::int32_t kind = 0;
        std::vector<std::uint8_t> record;
        std::string consigne; // kept beside the record, as the document keeps it
    };
    std::optional<Clipboard> clipboard_;
    std::vector<std::uint8_t> current_; // the document as the last change left it
    QUndoStack history_;
    std::uint64_t revision_ = 0;
};
