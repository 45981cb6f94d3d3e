#include "EditorSession.h"

#include "host/Catalogue.h"
#include "host/Services.h"
#include "host/Stream.h"
#include "platform/qt/QtCanvas.h"
#include "sheet/Sheet.h"
#include "sheet/SheetBuilder.h"

#include <algorithm>
#include <utility>

namespace {

TPlanche defaultPage() {
    TPlanche page(TPlanche::Format::A4, false);
    page.Marges = {100, 100, 100, 100};
    page.Pas = {50, 50};
    page.OrgGrille = page.OrgMarges();
    return page;
}

} // namespace

// One change of the document, kept as the document's bytes before and after it.
class DocumentChange : public QUndoCommand {
public:
    DocumentChange(EditorSession& session, const QString& what, std::vector<std::uint8_t> before,
                   std::vector<std::uint8_t> after)
        : QUndoCommand(what), session_(session), before_(std::move(before)),
          after_(std::move(after)) {}

    void undo() override { session_.restore(before_); }
    // Pushing a change that is already done redoes nothing.
    void redo() override {
        if (!done_)
            session_.restore(after_);
        done_ = false;
    }

private:
    EditorSession& session_;
    std::vector<std::uint8_t> before_;
    std::vector<std::uint8_t> after_;
    bool done_ = true;
};

EditorSession::EditorSession(const TCatalogue& catalogue) : catalogue_(catalogue) {
    history_.setUndoLimit(kUndoLimit);
    New();
}

void EditorSession::New() {
    auto blank = std::make_unique<TDocument>(catalogue_);
    blank->AjoutePage(defaultPage());
    path_.clear();
    page_ = 0;
    replaceDocument(std::move(blank), [this] { resetHistory(); });
}

void EditorSession::replaceDocument(std::unique_ptr<TDocument> next,
                                    const std::function<void()>& settle) {
    selection_ = nullptr;
    changing_ = nullptr;
    creating_.reset();
    // The old components live until the views have let go of them.
    const std::unique_ptr<TDocument> old = std::exchange(document_, std::move(next));
    ++revision_;
    if (document_->NbPages() == 0)
        document_->AjoutePage(defaultPage());
    // The page shown may be gone (undoing its addition).
    page_ = std::clamp(page_, 0, document_->NbPages() - 1);
    settle();
    if (onReplaced)
        onReplaced();
}

void EditorSession::SetPage(int page) {
    if (page >= 0 && page < document_->NbPages())
        page_ = page;
}

void EditorSession::SetMode(int mode) {
    mode_ = mode;
    ModeVisu() = mode;
    for (int i = 0; i < document_->NbComposants(); ++i)
        document_->Composant(i).ModeVisuChange(mode);
}

bool EditorSession::Open(const std::string& path, std::string& message,
                         std::vector<std::string>& skipped) {
    auto opened = std::make_unique<TDocument>(catalogue_);
    if (!opened->Ouvre(path, message, skipped))
        return false;
    path_ = path;
    page_ = 0;
    replaceDocument(std::move(opened), [this] { resetHistory(); });
    return true;
}

bool EditorSession::Import(const std::string& text, const std::string& fileName,
                           std::string& message) {
    Sheet sheet;
    if (!ParseSheet(text, fileName, sheet, message))
        return false;
    auto built = std::make_unique<TDocument>(catalogue_);
    // A sheet means the same here as for mathsheet: its components start from the factory
    // settings, not from the preferred options.
    const std::string preferences = std::exchange(FichIni(), std::string());
    TQtMeasuringCanvas measure;
    const bool ok = BuildDocument(sheet, *built, message, {}, &measure.Canvas());
    FichIni() = preferences;
    if (!ok)
        return false;
    path_.clear();
    page_ = 0;
    replaceDocument(std::move(built), [this] {
        SetMode(mode_);
        resetHistory();
    });
    return true;
}

bool EditorSession::Save(std::string& message) {
    if (path_.empty()) {
        message = "Le document n'a pas encore de nom.";
        return false;
    }
    return SaveAs(path_, message);
}

bool EditorSession::SaveAs(const std::string& path, std::string& message) {
    if (!document_->Enregistre(path, message))
        return false;
    path_ = path;
    history_.setClean();
    return true;
}

std::vector<std::uint8_t> EditorSession::snapshot() const {
    TMemoryStream stream;
    document_->Ecrit(stream);
    return stream.Bytes();
}

void EditorSession::resetHistory() {
    history_.clear();
    current_ = snapshot();
}

void EditorSession::Committed(const QString& what) {
    // A changed sheet is no longer the one its command builds: the key's foot stops naming it.
    document_->ChangeOrigine({document_->Origine().Graine, {}});
    std::vector<std::uint8_t> after = snapshot();
    history_.push(new DocumentChange(*this, what, std::move(current_), after));
    current_ = std::move(after);
    ++revision_;
}

void EditorSession::restore(const std::vector<std::uint8_t>& bytes) {
    auto restored = std::make_unique<TDocument>(catalogue_);
    TMemoryStream stream(bytes);
    std::string message;
    std::vector<std::string> skipped;
    if (!restored->Lit(stream, message, skipped))
        return;
    replaceDocument(std::move(restored), [this, &bytes] {
        current_ = bytes;
        SetMode(mode_);
    });
}

void EditorSession::Select(TComposant* composant) {
    if (selection_ != nullptr)
        selection_->Selectionne = false;
    selection_ = composant;
    if (selection_ != nullptr) {
        selection_->Selectionne = true;
        selection_->CalculerPoignees();
    }
}

TComposant* EditorSession::ComponentAt(vlPoint p, int& code) const {
    code = HIT_RIEN;
    if (selection_ != nullptr) {
        code = selection_->HitTest(p);
        if (code != HIT_RIEN && code != HIT_CORPS)
            return selection_;
    }
    for (int i = document_->NbComposants() - 1; i >= 0; --i) {
        if (document_->PageDe(i) != page_)
            continue;
        TComposant& c = document_->Composant(i);
        code = c.HitTest(p);
        if (code != HIT_RIEN)
            return &c;
    }
    code = HIT_RIEN;
    return nullptr;
}

void EditorSession::BeginCreate(std::unique_ptr<TComposant> composant, vlPoint p, TCanvas& band) {
    Select(nullptr);
    changing_ = nullptr;
    creating_ = std::move(composant);
    creating_->Cadre = &document_->Cadre(page_);
    creating_->InitModifCreation(band, p);
}

void EditorSession::BeginChange(TComposant* composant, vlPoint p, int code, TCanvas& band) {
    creating_.reset();
    changing_ = composant;
    changeCode_ = code;
    changing_->InitModif(band, p, code);
}

void EditorSession::Drag(vlPoint p, TCanvas& band) {
    if (TComposant* c = Interacting())
        c->BougeMotif(band, p, true);
}

TComposant* EditorSession::EndDrag(TCanvas& band) {
    if (creating_) {
        creating_->StopModifCreation(band, true);
        TComposant* added = document_->Ajoute(std::move(creating_), page_);
        added->TermineConstruction();
        Select(added);
        Committed(QStringLiteral("la création"));
        return added;
    }
    if (changing_ != nullptr) {
        TComposant* changed = changing_;
        changing_ = nullptr;
        changed->StopModif(band, true);
        Select(changed);
        // A kind may change inside its rectangle (a shape's point): what is saved tells.
        if (snapshot() != current_)
            Committed(changeCode_ == HIT_CORPS ? QStringLiteral("le déplacement")
                      : changeCode_ <= 8       ? QStringLiteral("le changement de taille")
                                               : QStringLiteral("la modification"));
        return changed;
    }
    return nullptr;
}

TComposant* EditorSession::Interacting() const {
    return creating_ ? creating_.get() : changing_;
}

std::optional<EditorSession::Clipboard> EditorSession::recordOf(TComposant& composant) {
    TMemoryStream record;
    if (!composant.Sauve(record))
        return std::nullopt;
    return Clipboard{composant.NumeroType, record.Bytes(), composant.Consigne()};
}

void EditorSession::Copy() {
    if (selection_ == nullptr)
        return;
    if (std::optional<Clipboard> copied = recordOf(*selection_))
        clipboard_ = std::move(copied);
}

std::unique_ptr<TComposant> EditorSession::fromRecord(const Clipboard& copied) {
    const TTypeComposant* kind = catalogue_.TrouveNumero(copied.kind);
    if (kind == nullptr || !kind->cree)
        return nullptr;
    TCadre* cadre = &document_->Cadre(page_);
    std::unique_ptr<TComposant> copy = kind->cree(cadre);
    TMemoryStream record(copied.record);
    try {
        if (copy == nullptr || !copy->Charge(record, nullptr, cadre))
            return nullptr;
    } catch (const std::exception&) {
        return nullptr;
    }
    copy->TermineCharge();
    std::string ignored; // it was read from a component: within its limits
    copy->ChangeConsigne(copied.consigne, ignored);
    return copy;
}

TComposant* EditorSession::place(std::unique_ptr<TComposant> copy, const QString& what) {
    if (copy == nullptr)
        return nullptr;
    copy->ChangeNom("");
    copy->ChangeCoords(
        {copy->Rect.left + 50, copy->Rect.top + 50, copy->Rect.right + 50, copy->Rect.bottom + 50});
    TComposant* added = document_->Ajoute(std::move(copy), page_);
    Select(added);
    Committed(what);
    return added;
}

TComposant* EditorSession::Paste() {
    if (!clipboard_)
        return nullptr;
    return place(fromRecord(*clipboard_), QStringLiteral("le collage"));
}

TComposant* EditorSession::Duplicate() {
    if (selection_ == nullptr)
        return nullptr;
    const std::optional<Clipboard> copied = recordOf(*selection_);
    return copied ? place(fromRecord(*copied), QStringLiteral("la duplication")) : nullptr;
}

void EditorSession::ChangePlan(bool premier) {
    if (selection_ != nullptr && document_->ChangePlan(selection_, premier))
        Committed(premier ? QStringLiteral("le passage au premier plan")
                          : QStringLiteral("le passage à l'arrière-plan"));
}

void EditorSession::DeleteSelection() {
    if (selection_ == nullptr)
        return;
    TComposant* gone = selection_;
    Select(nullptr);
    document_->Supprime(gone);
    Committed(QStringLiteral("la suppression"));
}
