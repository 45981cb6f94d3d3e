// A worksheet: pages, their frames and components, and the file that keeps them.
//
// File layout (little-endian): the magic "VLMATHDOC", a 32-bit format version, how the sheet
// was built (version 2 on), the page count and each page's setup and header, then the component
// count and each component as a record: kind number, page index, byte count, and what the
// component's Sauve wrote. Then the links between components by identifier, and (version 3 on) the
// components' instructions. A reader skips a record it cannot read and keeps the others.
#pragma once

#include "host/Catalogue.h"
#include "host/Composant.h"
#include "host/Planche.h"
#include "platform/Erreur.h"

#include <cstdint>
#include <memory>
#include <string>
#include <unordered_map>
#include <unordered_set>
#include <vector>

class StagedFiles;
class TCanvas;
class TStream;

// How a built sheet can be built again: the seed of its draws and the command that rebuilds it.
// A document made by hand has no command.
struct TOrigine {
    std::uint32_t Graine = 0;
    std::string Commande;
    bool operator==(const TOrigine&) const = default;
};

class TDocument : public TProjectInterface {
public:
    // Most components a document holds, as many as a sheet's sections.
    static constexpr std::uint32_t kMaxComposants = 20000;
    explicit TDocument(const TCatalogue& catalogue);
    ~TDocument() override;
    TDocument(const TDocument&) = delete;
    TDocument& operator=(const TDocument&) = delete;

    // 2: pages carry a header, the document its origin; 3: pages carry a ruling; 4: pages say
    // how they number the instructions, and the components' instructions follow the links.
    // Versions 1 to 3 still read.
    static constexpr std::uint32_t FORMAT_VERSION = 4;

    const TCatalogue& Catalogue() const { return catalogue_; }

    int NbPages() const { return int(pages_.size()); }
    TPlanche& Page(int index) { return pages_[std::size_t(index)]->planche; }
    const TPlanche& Page(int index) const { return pages_[std::size_t(index)]->planche; }
    TCadre& Cadre(int index) { return *pages_[std::size_t(index)]->cadre; }
    int AjoutePage(const TPlanche& planche);

    // Creates a component of the named kind on a page, at the page's margin origin with its
    // creation size, adds it (Ajoute) and completes it (TermineConstruction); null when the
    // kind is unknown or not available or the page does not exist.
    TComposant* Cree(const std::string& type, int page);
    // Takes a component made on this document's frame of `page`. Gives it a unique name
    // (kind name and a number) when it has none, and a new identifier.
    TComposant* Ajoute(std::unique_ptr<TComposant> composant, int page);
    // Removes and destroys a component; every other component is told first
    // (SignaleDisparition).
    void Supprime(TComposant* composant);
    // Removes every component and every page.
    void Vide();
    // Draws a component over the others of its page (`premier`) or under them; false when it
    // is not in the document or already there.
    bool ChangePlan(TComposant* composant, bool premier);

    // Components in drawing order (creation order, unless brought forward or sent back), with
    // their page.
    int NbComposants() const { return int(composants_.size()); }
    TComposant& Composant(int i) const { return *composants_[std::size_t(i)].composant; }
    int PageDe(int i) const { return composants_[std::size_t(i)].page; }

    const TOrigine& Origine() const { return origine_; }
    void ChangeOrigine(TOrigine origine) { origine_ = std::move(origine); }
    // "Graine N — pour refaire cette feuille : COMMANDE", empty for a document made by hand.
    std::string TextePied() const;

    // Draws a page: white paper, its header and foot, then every component of the page,
    // ModeVisu set to mode while drawing. `impression` calls Imprime rather than Dessine.
    void DessinePage(TCanvas& canvas, int page, int mode, bool impression) const;
    // The page's header, and in the corrected version the foot saying how to rebuild it.
    void DessineEntetePage(TCanvas& canvas, int page, int mode) const;
    // One line per component that reaches into its page's header band.
    std::vector<std::string> ChevauchementsEntete() const;

    // TProjectInterface
    TComposant* TrouveComposant(const std::string& nom) const override;
    TComposant* TrouveComposant(std::uint64_t id) const override;
    void AjouteEmissions(TStringList& liste, const TComposant* emetteur) const override;
    void NomChange(const TComposant& composant, const std::string& ancien) override;
    // The instruction's number in its page's reading order (top to bottom, then left to right,
    // a row being the components whose tops are within 5 mm of its first one's); it counts on
    // from the instructions of the pages before that number theirs.
    std::string EtiquetteConsigne(const TComposant& composant) const override;

    // Writes the whole document; false when a primitive failed.
    bool Ecrit(TStream& s) const;
    // Reads a document, replacing this one. False with a message (and this document unchanged)
    // when the file is not a document, comes from a newer format or its pages cannot be read;
    // records that cannot be read are skipped and named in `ignores` ("composant 3
    // (Opération) : ..."). A file cut inside a record keeps what came before the cut.
    // Components read without a name or with an identifier already taken get new ones.
    bool Lit(TStream& s, std::string& message, std::vector<std::string>& ignores);
    // What the last Lit noticed without losing anything (bytes after the end of the document).
    const std::vector<std::string>& Avertissements() const { return avertissements_; }

    // Saves through a temporary file renamed over the old one.
    bool Enregistre(const std::string& chemin, std::string& message) const;
    // Writes the document among a run's outputs, put in place when their owner commits them.
    bool Enregistre(StagedFiles& sorties, const std::string& chemin, std::string& message) const;
    bool Ouvre(const std::string& chemin, std::string& message, std::vector<std::string>& ignores);
    // The same, telling a file that cannot be read (Fichier) from one that is not a document
    // (Donnees).
    bool Ouvre(const std::string& chemin, Erreur& erreur, std::vector<std::string>& ignores);

private:
    struct PageEntry {
        TPlanche planche;
        std::unique_ptr<TCadre> cadre;
    };
    struct Entree {
        std::unique_ptr<TComposant> composant;
        int page = 0;
    };
    // The first name "<type><n>" (n from 1) no component holds. Linear over a whole
    // document: names in use are counted, and per type the numbers below `premierLibre_`
    // are known to be taken.
    std::string nomLibre(const std::string& type);
    void compteNom(const std::string& nom);
    void decompteNom(const std::string& nom);
    // Indexes the names (and the largest identifier) of the components held.
    void indexeNoms();
    // The components' instructions, by identifier, after the links.
    bool ecritConsignes(TStream& s) const;
    // Gives the components read their instructions; false (and named in `ignores`) when the
    // list cannot be read. An instruction out of its limits is named and left out.
    static bool litConsignes(TStream& s, const std::vector<Entree>& entries,
                             std::vector<std::string>& ignores);

    const TCatalogue& catalogue_;
    std::vector<std::unique_ptr<PageEntry>> pages_;
    std::vector<std::string> avertissements_;
    TOrigine origine_;
    std::vector<Entree> composants_;
    std::uint64_t prochainId_ = 1;
    std::uint64_t idMax_ = 0; // the largest identifier given or read
    std::unordered_set<const TComposant*> membres_;
    std::unordered_map<std::string, int> nomsPris_;
    std::unordered_map<std::string, int> premierLibre_;
};

// Sorts one page's components in reading order: rows from the top (a row being the components
// whose tops are within 5 mm of its first one's), each read from left to right.
void TrieOrdreLecture(std::vector<const TComposant*>& composants);
