#include "host/Document.h"

#include "host/Consigne.h"
#include "host/Services.h"
#include "host/Stream.h"
#include "platform/Canvas.h"
#include "platform/Paths.h"
#include "platform/StagedFiles.h"
#include "platform/StringList.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <exception>
#include <map>
#include <set>
#include <utility>

namespace {

constexpr std::array<char, 9> kMagic{'V', 'L', 'M', 'A', 'T', 'H', 'D', 'O', 'C'};
constexpr const char* kNotADocument =
    "Ce fichier n'est pas un document de feuilles de mathématiques.";
constexpr const char* kTruncatedRecord = "le fichier s'arrête au milieu de ce composant";

bool writeCount(TStream& s, std::size_t n) {
    return n <= UINT32_MAX && WriteLong(s, std::int32_t(std::uint32_t(n)));
}

bool readCount(TStream& s, std::uint32_t& n) {
    std::int32_t v = 0;
    if (!ReadLong(s, v))
        return false;
    n = std::uint32_t(v);
    return true;
}

bool writePage(TStream& s, const TPlanche& p) {
    return WriteLong(s, p.Taille.cx) && WriteLong(s, p.Taille.cy) && WriteLong(s, p.Marges.left) &&
           WriteLong(s, p.Marges.top) && WriteLong(s, p.Marges.right) &&
           WriteLong(s, p.Marges.bottom) && WriteLong(s, p.Pas.cx) && WriteLong(s, p.Pas.cy) &&
           WriteLong(s, p.OrgGrille.x) && WriteLong(s, p.OrgGrille.y) && WriteString(s, p.Titre) &&
           WriteLong(s, p.Entete ? 1 : 0) && WriteLong(s, p.Note) && WriteLong(s, int(p.Reglure)) &&
           WriteLong(s, p.NumeroterConsignes);
}

// The header of a version 2 page: a title of at most kTitreMax characters, the name line 0 or
// 1, the score's total 0 to kNoteMax.
bool readHeader(TStream& s, TPlanche& p) {
    std::int32_t entete = 0;
    if (!ReadString(s, p.Titre) ||
        !VerifiePlage(s, NbCaracteres(p.Titre), 0, TPlanche::kTitreMax, "Titre (caractères)") ||
        !ReadLongIn(s, entete, 0, 1, "Entete") ||
        !ReadLongIn(s, p.Note, 0, TPlanche::kNoteMax, "Note"))
        return false;
    p.Entete = entete == 1;
    return true;
}

// The ruling of a version 3 page: none, squares, Seyès or lines.
bool readRuling(TStream& s, TPlanche& p) {
    std::int32_t reglure = 0;
    if (!ReadLongIn(s, reglure, 0, int(TPlanche::TypeReglure::Lignes), "Reglure"))
        return false;
    p.Reglure = TPlanche::TypeReglure(reglure);
    return true;
}

// A page whose sizes make sense, each field checked as it is read: paper up to 2 m, margins
// leaving a printable area, a grid step no larger than the page, its origin on the page; from
// version 2 on, its header.
bool readPage(TStream& s, TPlanche& p, std::uint32_t version) {
    constexpr int side = TBase::kMaxPageSide;
    if (!ReadLongIn(s, p.Taille.cx, 1, side, "Largeur") ||
        !ReadLongIn(s, p.Taille.cy, 1, side, "Hauteur"))
        return false;
    const int w = p.Taille.cx;
    const int h = p.Taille.cy;
    vlRect& m = p.Marges;
    return ReadLongIn(s, m.left, 0, w - 1, "Marge gauche") &&
           ReadLongIn(s, m.top, 0, h - 1, "Marge haute") &&
           ReadLongIn(s, m.right, 0, w - 1 - m.left, "Marge droite") &&
           ReadLongIn(s, m.bottom, 0, h - 1 - m.top, "Marge basse") &&
           ReadLongIn(s, p.Pas.cx, 0, w, "Pas horizontal") &&
           ReadLongIn(s, p.Pas.cy, 0, h, "Pas vertical") &&
           ReadLongIn(s, p.OrgGrille.x, -w, w, "Origine horizontale") &&
           ReadLongIn(s, p.OrgGrille.y, -h, h, "Origine verticale") &&
           (version < 2 || readHeader(s, p)) && (version < 3 || readRuling(s, p)) &&
           (version < 4 ||
            ReadLongIn(s, p.NumeroterConsignes, 0, TPlanche::kNumeroterMax, "NumeroterConsignes"));
}

// The count field that the rest of a document contradicts, if any: components with no page to
// go on, no component although records follow (an empty document ends with its empty lists),
// more components than a document holds. A file cut short is not a contradiction: the
// records before the cut are read.
std::string countsDisagree(std::uint32_t pages, std::uint32_t components, std::size_t remaining,
                           std::uint32_t version) {
    // The empty link list after the records, and from version 4 the empty instruction list.
    const std::size_t emptyLists = version >= 4 ? 8 : 4;
    if (pages == 0 && components > 0)
        return "nombre de pages";
    if (components == 0 && remaining > emptyLists && remaining != SIZE_MAX)
        return "nombre de composants";
    if (components > TDocument::kMaxComposants)
        return "nombre de composants";
    return {};
}

bool writeOrigin(TStream& s, const TOrigine& origine) {
    return WriteLong(s, std::int32_t(origine.Graine)) && WriteString(s, origine.Commande);
}

// The seed, then a command of at most 4 000 bytes.
bool readOrigin(TStream& s, TOrigine& origine) {
    std::int32_t graine = 0;
    if (!ReadLong(s, graine) || !ReadString(s, origine.Commande) ||
        !VerifiePlage(s, std::int64_t(origine.Commande.size()), 0, 4000, "Commande (octets)"))
        return false;
    origine.Graine = std::uint32_t(graine);
    return true;
}

// Names the components a cut file lost after the one it stopped in: they are counted, their
// kind is unknown. One line, however many the count says.
void nameLostAfter(std::uint32_t first, std::uint32_t count, std::vector<std::string>& ignores) {
    if (first >= count)
        return;
    if (first + 1 == count)
        ignores.push_back("composant " + std::to_string(count) +
                          "\u00A0: le fichier s'arrête avant ce composant");
    else
        ignores.push_back("composants " + std::to_string(first + 1) + " à " +
                          std::to_string(count) +
                          "\u00A0: le fichier s'arrête avant ces composants");
}

// Sets ModeVisu for the lifetime of the object.
class ModeVisuScope {
public:
    explicit ModeVisuScope(int mode) : previous_(ModeVisu()) { ModeVisu() = mode; }
    ~ModeVisuScope() { ModeVisu() = previous_; }
    ModeVisuScope(const ModeVisuScope&) = delete;
    ModeVisuScope& operator=(const ModeVisuScope&) = delete;

private:
    int previous_;
};

// Forgets every link so that no destructor follows a pointer to a component already gone.
template <typename Entries> void forgetLinks(Entries& entries) {
    for (auto& e : entries) {
        e.composant->Recepteurs.clear();
        e.composant->Emetteurs.clear();
    }
}

} // namespace

TDocument::TDocument(const TCatalogue& catalogue) : catalogue_(catalogue) {}

TDocument::~TDocument() {
    Vide();
}

int TDocument::AjoutePage(const TPlanche& planche) {
    auto page = std::make_unique<PageEntry>();
    page->planche = planche;
    page->cadre = std::make_unique<TCadre>(&page->planche, this);
    pages_.push_back(std::move(page));
    return NbPages() - 1;
}

// ---- Components ----

TComposant* TDocument::Cree(const std::string& type, int page) {
    if (page < 0 || page >= NbPages())
        return nullptr;
    const TTypeComposant* kind = catalogue_.TrouveNom(type);
    if (kind == nullptr || !kind->cree)
        return nullptr;
    std::unique_ptr<TComposant> made = kind->cree(&Cadre(page));
    if (made == nullptr)
        return nullptr;
    // A kind that did not place itself gets the page's margin origin and its creation size.
    if (made->Rect.Width() == 0 || made->Rect.Height() == 0) {
        const vlPoint origin = Page(page).OrgMarges();
        const vlSize size = made->TailleCreation();
        made->ChangeCoords({origin.x, origin.y, origin.x + size.cx, origin.y + size.cy});
    }
    TComposant* added = Ajoute(std::move(made), page);
    added->TermineConstruction();
    return added;
}

TComposant* TDocument::Ajoute(std::unique_ptr<TComposant> composant, int page) {
    if (composant == nullptr || page < 0 || page >= NbPages())
        return nullptr;
    if (composant->Cadre != &Cadre(page))
        composant->ChangeCadre(&Cadre(page));
    if (composant->Nom().empty())
        composant->ChangeNom(nomLibre(composant->NomType));
    // Identifiers only grow, so the next one is free unless a file gave one further on.
    if (prochainId_ <= idMax_)
        while (prochainId_ == 0 || TrouveComposant(prochainId_) != nullptr)
            ++prochainId_;
    composant->ChangeIdentifiant(prochainId_++);
    idMax_ = std::max(idMax_, composant->Identifiant());
    membres_.insert(composant.get());
    compteNom(composant->Nom());
    composants_.push_back({std::move(composant), page});
    return composants_.back().composant.get();
}

void TDocument::Supprime(TComposant* composant) {
    const auto found = std::find_if(composants_.begin(), composants_.end(), [&](const Entree& e) {
        return e.composant.get() == composant;
    });
    if (found == composants_.end())
        return;
    for (const Entree& e : composants_)
        if (e.composant.get() != composant)
            e.composant->SignaleDisparition(composant);
    membres_.erase(composant);
    decompteNom(composant->Nom());
    composants_.erase(found);
}

bool TDocument::ChangePlan(TComposant* composant, bool premier) {
    const auto found = std::find_if(composants_.begin(), composants_.end(), [&](const Entree& e) {
        return e.composant.get() == composant;
    });
    if (found == composants_.end())
        return false;
    // Among the components of its page: those of other pages are never drawn with it.
    const int page = found->page;
    const auto memePage = [page](const Entree& e) { return e.page == page; };
    if (premier) {
        const auto dernier = std::find_if(composants_.rbegin(), composants_.rend(), memePage);
        if (dernier.base() - 1 == found)
            return false;
        std::rotate(found, found + 1, composants_.end());
    } else {
        const auto premierDeLaPage = std::find_if(composants_.begin(), composants_.end(), memePage);
        if (premierDeLaPage == found)
            return false;
        std::rotate(composants_.begin(), found, found + 1);
    }
    return true;
}

void TDocument::Vide() {
    forgetLinks(composants_);
    composants_.clear();
    pages_.clear();
    origine_ = {};
    prochainId_ = 1;
    indexeNoms();
}

// ---- Names ----

std::string TDocument::nomLibre(const std::string& type) {
    int& n = premierLibre_.try_emplace(type, 1).first->second;
    while (nomsPris_.count(type + std::to_string(n)) != 0)
        ++n;
    return type + std::to_string(n);
}

void TDocument::compteNom(const std::string& nom) {
    if (!nom.empty())
        ++nomsPris_[nom];
}

// A name no component holds any more makes its number free again for every type it could
// have been made from ("De12" from "De" and from "De1").
void TDocument::decompteNom(const std::string& nom) {
    const auto found = nomsPris_.find(nom);
    if (found == nomsPris_.end() || --found->second > 0)
        return;
    nomsPris_.erase(found);
    constexpr std::size_t kMaxDigits = 9;
    for (std::size_t first = nom.size(); first > 0; --first) {
        const std::size_t digit = first - 1;
        if (nom[digit] < '0' || nom[digit] > '9' || nom.size() - digit > kMaxDigits)
            return;
        if (nom[digit] == '0')
            continue;
        const auto lowest = premierLibre_.find(nom.substr(0, digit));
        int number = 0;
        std::from_chars(nom.data() + digit, nom.data() + nom.size(), number);
        if (lowest != premierLibre_.end() && number < lowest->second)
            lowest->second = number;
    }
}

void TDocument::indexeNoms() {
    membres_.clear();
    nomsPris_.clear();
    premierLibre_.clear();
    idMax_ = 0;
    for (const Entree& e : composants_) {
        membres_.insert(e.composant.get());
        compteNom(e.composant->Nom());
        idMax_ = std::max(idMax_, e.composant->Identifiant());
    }
}

void TDocument::NomChange(const TComposant& composant, const std::string& ancien) {
    if (membres_.count(&composant) == 0)
        return;
    decompteNom(ancien);
    compteNom(composant.Nom());
}

// ---- Drawing ----

void TDocument::DessinePage(TCanvas& canvas, int page, int mode, bool impression) const {
    if (page < 0 || page >= NbPages())
        return;
    TPlanche& planche = pages_[std::size_t(page)]->planche;
    const ModeVisuScope scope(mode);
    const int level = canvas.SaveDC();
    canvas.Brush = TBrush{clWhite, bsSolid};
    canvas.FillRect(planche.Rectangle());
    planche.DessineReglure(canvas);
    DessineEntetePage(canvas, page, mode);
    for (const Entree& e : composants_) {
        if (e.page != page)
            continue;
        DessineComposant(*e.composant, canvas, mode, &planche, impression);
    }
    canvas.RestoreDC(level);
}

void TDocument::DessineEntetePage(TCanvas& canvas, int page, int mode) const {
    if (page < 0 || page >= NbPages())
        return;
    const TPlanche& planche = Page(page);
    planche.DessineEntete(canvas, mode);
    if (mode == MODE_CORRIGE)
        planche.DessinePied(canvas, TextePied());
}

std::string TDocument::TextePied() const {
    if (origine_.Commande.empty())
        return {};
    return "Graine " + std::to_string(origine_.Graine) +
           " — pour refaire cette feuille\u00A0: " + origine_.Commande;
}

std::vector<std::string> TDocument::ChevauchementsEntete() const {
    std::vector<std::string> lignes;
    for (const Entree& e : composants_) {
        const vlRect band = Page(e.page).ZoneEntete();
        const vlRect r = e.composant->Rect.Normalise();
        if (band.Height() <= 0 || r.top >= band.bottom || r.bottom <= band.top ||
            r.left >= band.right || r.right <= band.left)
            continue;
        lignes.push_back("«\u00A0" + e.composant->Nom() +
                         "\u00A0» empiète sur l'en-tête de la page " + std::to_string(e.page + 1) +
                         "\u00A0: descendez-le sous " + std::to_string(band.bottom / 10) + " mm");
    }
    return lignes;
}

// ---- TProjectInterface ----

void TrieOrdreLecture(std::vector<const TComposant*>& composants) {
    constexpr int kMemeRangee = 50; // tops within 5 mm of a row's first one share its row
    const auto haut = [](const TComposant* c) { return c->Rect.Normalise().top; };
    const auto gauche = [](const TComposant* c) { return c->Rect.Normalise().left; };
    std::stable_sort(composants.begin(), composants.end(),
                     [&](const TComposant* a, const TComposant* b) { return haut(a) < haut(b); });
    // Rows from the top, each read from left to right.
    for (std::size_t debut = 0; debut < composants.size();) {
        std::size_t fin = debut;
        while (fin < composants.size() &&
               haut(composants[fin]) < haut(composants[debut]) + kMemeRangee)
            ++fin;
        std::stable_sort(
            composants.begin() + std::ptrdiff_t(debut), composants.begin() + std::ptrdiff_t(fin),
            [&](const TComposant* a, const TComposant* b) { return gauche(a) < gauche(b); });
        debut = fin;
    }
}

std::string TDocument::EtiquetteConsigne(const TComposant& composant) const {
    int avant = 0; // the instructions numbered on the pages before
    for (int page = 0; page < NbPages(); ++page) {
        const int numerotation = Page(page).NumeroterConsignes;
        if (numerotation == NUMEROTE_SANS)
            continue;
        std::vector<const TComposant*> numerotes;
        for (const Entree& e : composants_)
            if (e.page == page && !e.composant->Consigne().empty() &&
                !e.composant->AfficheAilleurs())
                numerotes.push_back(e.composant.get());
        TrieOrdreLecture(numerotes);
        const auto place = std::find(numerotes.begin(), numerotes.end(), &composant);
        if (place != numerotes.end())
            return EtiquetteNumero(numerotation, avant + int(place - numerotes.begin()) + 1);
        avant += int(numerotes.size());
    }
    return {};
}

TComposant* TDocument::TrouveComposant(const std::string& nom) const {
    if (nom.empty() || nomsPris_.count(nom) == 0)
        return nullptr;
    for (const Entree& e : composants_)
        if (e.composant->Nom() == nom)
            return e.composant.get();
    return nullptr;
}

TComposant* TDocument::TrouveComposant(std::uint64_t id) const {
    for (const Entree& e : composants_)
        if (e.composant->Identifiant() == id)
            return e.composant.get();
    return nullptr;
}

void TDocument::AjouteEmissions(TStringList& liste, const TComposant* emetteur) const {
    for (const Entree& e : composants_) {
        TComposant* c = e.composant.get();
        if (c != emetteur && (c->NatureServices() & TComposant::SERVICE_RECEPTEUR) != 0)
            liste.AddObject(c->Nom(), c);
    }
}

// ---- File ----

bool TDocument::Ecrit(TStream& s) const {
    // Each component into memory first, so that its record can start with its length.
    std::vector<TMemoryStream> records(composants_.size());
    for (std::size_t i = 0; i < composants_.size(); ++i)
        if (!composants_[i].composant->Sauve(records[i]))
            return false;

    if (!WriteBuffer(s, kMagic.data(), kMagic.size()) || !writeCount(s, FORMAT_VERSION) ||
        !writeOrigin(s, origine_) || !writeCount(s, pages_.size()))
        return false;
    for (const auto& page : pages_)
        if (!writePage(s, page->planche))
            return false;

    if (!writeCount(s, composants_.size()))
        return false;
    for (std::size_t i = 0; i < composants_.size(); ++i) {
        const std::vector<std::uint8_t>& bytes = records[i].Bytes();
        if (!WriteLong(s, composants_[i].composant->NumeroType) ||
            !WriteLong(s, composants_[i].page) || !writeCount(s, bytes.size()) ||
            !WriteBuffer(s, bytes.data(), bytes.size()))
            return false;
    }

    // Links: each emitter with the receivers it draws into, by identifier.
    std::vector<std::pair<std::uint64_t, std::vector<std::uint64_t>>> links;
    for (const Entree& e : composants_) {
        std::vector<std::uint64_t> receivers;
        for (const TComposant* r : e.composant->Recepteurs)
            if (r != nullptr && TrouveComposant(r->Identifiant()) == r)
                receivers.push_back(r->Identifiant());
        if (!receivers.empty())
            links.emplace_back(e.composant->Identifiant(), std::move(receivers));
    }
    if (!writeCount(s, links.size()))
        return false;
    for (const auto& [emitter, receivers] : links) {
        if (!WriteInt64(s, std::int64_t(emitter)) || !writeCount(s, receivers.size()))
            return false;
        for (const std::uint64_t r : receivers)
            if (!WriteInt64(s, std::int64_t(r)))
                return false;
    }
    return ecritConsignes(s);
}

bool TDocument::ecritConsignes(TStream& s) const {
    const auto avecConsigne =
        std::count_if(composants_.begin(), composants_.end(),
                      [](const Entree& e) { return !e.composant->Consigne().empty(); });
    if (!writeCount(s, std::size_t(avecConsigne)))
        return false;
    for (const Entree& e : composants_)
        if (!e.composant->Consigne().empty() &&
            (!WriteInt64(s, std::int64_t(e.composant->Identifiant())) ||
             !WriteString(s, e.composant->Consigne())))
            return false;
    return true;
}

bool TDocument::litConsignes(TStream& s, const std::vector<Entree>& entries,
                             std::vector<std::string>& ignores) {
    constexpr const char* kCut =
        "les consignes des composants sont incomplètes\u00A0: le fichier est "
        "tronqué";
    std::uint32_t count = 0;
    if (!readCount(s, count)) {
        ignores.push_back(kCut);
        return false;
    }
    // Each takes an identifier and a text length at least.
    if (count > s.Remaining() / 12) {
        ignores.push_back(
            "les consignes des composants sont illisibles\u00A0: le fichier en annonce " +
            std::to_string(count));
        return false;
    }
    for (std::uint32_t i = 0; i < count; ++i) {
        std::int64_t id = 0;
        std::string texte;
        if (!ReadInt64(s, id) || !ReadString(s, texte)) {
            ignores.push_back(kCut);
            return false;
        }
        const auto owner = std::find_if(entries.begin(), entries.end(), [&](const Entree& e) {
            return e.composant->Identifiant() == std::uint64_t(id);
        });
        if (owner == entries.end())
            continue; // its component was skipped, and named
        std::string message;
        if (!owner->composant->ChangeConsigne(texte, message))
            ignores.push_back("consigne de «\u00A0" + owner->composant->Nom() +
                              "\u00A0»\u00A0: " + message);
    }
    return true;
}

bool TDocument::Lit(TStream& s, std::string& message, std::vector<std::string>& ignores) {
    ignores.clear();

    std::array<char, kMagic.size()> magic{};
    if (!ReadBuffer(s, magic.data(), magic.size()) || magic != kMagic) {
        message = kNotADocument;
        return false;
    }
    std::uint32_t version = 0;
    if (!readCount(s, version) || version == 0) {
        message = "Ce document est endommagé\u00A0: sa version est illisible.";
        return false;
    }
    if (version > FORMAT_VERSION) {
        message = "Ce document a été enregistré par une version plus récente du programme "
                  "(format " +
                  std::to_string(version) +
                  ")\u00A0: mettez le programme à jour pour pouvoir l'ouvrir.";
        return false;
    }

    TOrigine origine;
    if (version >= 2 && !readOrigin(s, origine)) {
        message =
            "Ce document est endommagé\u00A0: la façon dont il a été construit est illisible" +
            (s.Refus().empty() ? std::string() : "\u00A0: " + s.Refus()) + ".";
        return false;
    }

    // Pages first: everything read goes into fresh state, taken only once the pages are read.
    std::vector<std::unique_ptr<PageEntry>> pages;
    std::vector<Entree> entries;
    std::uint32_t pageCount = 0;
    std::uint32_t componentCount = 0;
    if (!readCount(s, pageCount) || pageCount > s.Remaining() / 40) {
        message = "Ce document est endommagé\u00A0: ses pages ne peuvent pas être lues.";
        return false;
    }
    for (std::uint32_t i = 0; i < pageCount; ++i) {
        auto page = std::make_unique<PageEntry>();
        if (!readPage(s, page->planche, version)) {
            message = "Ce document est endommagé\u00A0: la page " + std::to_string(i + 1) +
                      " ne peut pas être lue" + (s.Refus().empty() ? "" : "\u00A0: " + s.Refus()) +
                      ".";
            return false;
        }
        page->cadre = std::make_unique<TCadre>(&page->planche, this);
        pages.push_back(std::move(page));
    }
    if (!readCount(s, componentCount)) {
        message = "Ce document est endommagé\u00A0: ses pages ne peuvent pas être lues.";
        return false;
    }
    if (const std::string field = countsDisagree(pageCount, componentCount, s.Remaining(), version);
        !field.empty()) {
        message = "Ce document est endommagé\u00A0: le champ «\u00A0" + field +
                  "\u00A0» ne correspond pas à ce qui suit.";
        return false;
    }

    // Components: a record that cannot be read is skipped, the reader goes on at the next.
    bool truncated = false;
    for (std::uint32_t i = 0; i < componentCount && !truncated; ++i) {
        std::string label = "composant " + std::to_string(i + 1);
        std::int32_t numero = 0;
        std::int32_t pageIndex = 0;
        std::uint32_t size = 0;
        const bool numberRead = ReadLong(s, numero);
        const TTypeComposant* kind = numberRead ? catalogue_.TrouveNumero(numero) : nullptr;
        if (numberRead)
            label +=
                " (" + (kind != nullptr ? kind->nom : "numéro " + std::to_string(numero)) + ")";
        label += "\u00A0: ";
        std::vector<std::uint8_t> payload;
        truncated =
            !numberRead || !ReadLong(s, pageIndex) || !readCount(s, size) || size > s.Remaining();
        if (!truncated) {
            payload.resize(size);
            truncated = !ReadBuffer(s, payload.data(), payload.size());
        }
        if (truncated) {
            ignores.push_back(label + kTruncatedRecord);
            nameLostAfter(i + 1, componentCount, ignores);
            break;
        }
        if (kind == nullptr) {
            ignores.push_back(label + "type de composant inconnu");
            continue;
        }
        if (pageIndex < 0 || pageIndex >= std::int32_t(pages.size())) {
            ignores.push_back(label + "il est placé sur une page qui n'existe pas");
            continue;
        }
        TCadre* cadre = pages[std::size_t(pageIndex)]->cadre.get();
        std::unique_ptr<TComposant> made = kind->cree ? kind->cree(cadre) : nullptr;
        if (made == nullptr) {
            ignores.push_back(label + "ce type de composant n'est pas disponible");
            continue;
        }
        TMemoryStream record(std::move(payload));
        bool loaded = false;
        try {
            loaded = made->Charge(record, nullptr, cadre);
        } catch (const std::exception&) {
            loaded = false;
        }
        if (!loaded) {
            ignores.push_back(
                label + (record.Refus().empty() ? "ses données sont illisibles" : record.Refus()));
            continue;
        }
        if (record.Remaining() != 0) {
            ignores.push_back(label + "ses données ne correspondent pas à ce type de composant");
            continue;
        }
        entries.push_back({std::move(made), int(pageIndex)});
    }

    // Links, by identifier, once every component is there.
    std::map<std::uint64_t, TComposant*> byId;
    for (const Entree& e : entries)
        byId.emplace(e.composant->Identifiant(), e.composant.get());
    const auto find = [&](std::uint64_t id) -> TComposant* {
        const auto it = byId.find(id);
        return it != byId.end() ? it->second : nullptr;
    };
    std::uint32_t emitterCount = 0;
    bool linksRead = truncated || readCount(s, emitterCount);
    for (std::uint32_t i = 0; !truncated && linksRead && i < emitterCount; ++i) {
        std::int64_t emitterId = 0;
        std::uint32_t receiverCount = 0;
        linksRead = ReadInt64(s, emitterId) && readCount(s, receiverCount);
        for (std::uint32_t j = 0; linksRead && j < receiverCount; ++j) {
            std::int64_t receiverId = 0;
            linksRead = ReadInt64(s, receiverId);
            TComposant* emitter = find(std::uint64_t(emitterId));
            TComposant* receiver = find(std::uint64_t(receiverId));
            if (!linksRead || emitter == nullptr || receiver == nullptr || emitter == receiver)
                continue;
            if (std::find(emitter->Recepteurs.begin(), emitter->Recepteurs.end(), receiver) !=
                emitter->Recepteurs.end())
                continue;
            emitter->Recepteurs.push_back(receiver);
            receiver->EnregistreEmetteur(emitter);
        }
    }
    if (!linksRead)
        ignores.push_back(
            "les liens entre composants sont incomplets\u00A0: le fichier est tronqué");
    const bool consignesRead =
        truncated || !linksRead || version < 4 || litConsignes(s, entries, ignores);
    avertissements_.clear();
    if (linksRead && consignesRead && !truncated && s.Remaining() != 0 && s.Remaining() != SIZE_MAX)
        avertissements_.push_back("le fichier continue après la fin du document\u00A0: " +
                                  std::to_string(s.Remaining()) + " octet(s) ignoré(s)");

    // Take the new state; the next identifiers follow the largest one read.
    Vide();
    origine_ = std::move(origine);
    pages_ = std::move(pages);
    composants_ = std::move(entries);
    indexeNoms();
    std::set<std::uint64_t> seen;
    for (const Entree& e : composants_)
        prochainId_ = std::max(prochainId_, e.composant->Identifiant() + 1);
    for (Entree& e : composants_) {
        TComposant& c = *e.composant;
        if (c.Identifiant() == 0 || !seen.insert(c.Identifiant()).second) {
            while (prochainId_ == 0 ||
                   (prochainId_ <= idMax_ && TrouveComposant(prochainId_) != nullptr))
                ++prochainId_;
            c.ChangeIdentifiant(prochainId_++);
            seen.insert(c.Identifiant());
        }
        if (c.Nom().empty())
            c.ChangeNom(nomLibre(c.NomType));
    }
    for (const Entree& e : composants_)
        e.composant->TermineCharge();
    return true;
}

bool TDocument::Enregistre(const std::string& chemin, std::string& message) const {
    StagedFiles sortie;
    std::string raison;
    if (Enregistre(sortie, chemin, raison) && sortie.Commit(raison))
        return true;
    message =
        "Le fichier «\u00A0" + chemin +
        "\u00A0» n'a pas pu être enregistré\u00A0; s'il existait, l'ancien fichier est intact. " +
        raison;
    return false;
}

bool TDocument::Enregistre(StagedFiles& sorties, const std::string& chemin,
                           std::string& message) const {
    TMemoryStream memory;
    if (!Ecrit(memory)) {
        message = "Le document n'a pas pu être préparé pour l'enregistrement dans «\u00A0" +
                  chemin + "\u00A0».";
        return false;
    }
    const std::vector<std::uint8_t>& bytes = memory.Bytes();
    const int index = sorties.Stage(chemin, message);
    if (index < 0)
        return false;
    if (!WriteAll(sorties.Descriptor(index), std::string(bytes.begin(), bytes.end()))) {
        message = "Impossible d'écrire le fichier «\u00A0" + chemin + "\u00A0»";
        return false;
    }
    return true;
}

bool TDocument::Ouvre(const std::string& chemin, std::string& message,
                      std::vector<std::string>& ignores) {
    Erreur erreur;
    const bool ouvert = Ouvre(chemin, erreur, ignores);
    if (!ouvert)
        message = std::move(erreur.message);
    return ouvert;
}

bool TDocument::Ouvre(const std::string& chemin, Erreur& erreur,
                      std::vector<std::string>& ignores) {
    std::string& message = erreur.message;
    std::string contents;
    if (!ReadInputFile(chemin, contents, message)) {
        message[0] = message[0] == 'i' ? 'I' : message[0];
        erreur.genre = GenreErreur::Fichier;
        return false;
    }
    TMemoryStream memory(std::vector<std::uint8_t>(contents.begin(), contents.end()));
    if (!Lit(memory, message, ignores)) {
        message = "Le fichier «\u00A0" + chemin + "\u00A0» ne peut pas être ouvert. " + message;
        erreur.genre = GenreErreur::Donnees;
        return false;
    }
    return true;
}
