#include "host/Services.h"

#include "platform/Paths.h"
#include "platform/Registry.h"
#include "platform/UserInterface.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <ctime>
#include <filesystem>
#include <iterator>
#include <map>
#include <numbers>
#include <system_error>
#include <vector>

namespace fs = std::filesystem;

namespace {

std::string withSlash(std::string path) {
    if (path.empty() || path.back() != '/')
        path += '/';
    return path;
}

bool isFile(const std::string& path) {
    std::error_code error;
    return fs::is_regular_file(path, error);
}

std::string defaultDataFolder() {
    return withSlash(DataDirectory());
}

struct InfoText {
    std::string nom;
    std::string texte;
    int flags = 0;
};

std::vector<InfoText>& infoTexts() {
    static std::vector<InfoText> texts;
    return texts;
}

// Texts of the program's own, taken when a text is registered empty under their name.
std::string ownInfoText(const std::string& nom) {
    if (nom == "InfoMult")
        return "Cette multiplication est affichée posée, même si vous l'avez demandée en "
               "ligne.\n\n"
               "Ses trous portent sur des chiffres isolés du produit ou des produits partiels. "
               "Pour retrouver ces chiffres manquants, l'élève a besoin de voir les produits "
               "partiels, et seule la multiplication posée les montre.\n\n"
               "Pour changer cela, vous pouvez soit choisir la présentation «\u00A0posée\u00A0», "
               "qui "
               "sera alors voulue, soit placer les trous sur des nombres entiers plutôt que "
               "sur des chiffres isolés\u00A0: la multiplication restera alors en ligne.";
    return {};
}

// Help topics of dialogs, and their pages (without ".md"); kinds register theirs.
struct HelpTopic {
    int topic;
    const char* page;
};
constexpr HelpTopic kHelpTopics[] = {{136, "SudokuDiaImages"}, {137, "SudokuDiaGenere"}};

// The help pages of the kinds the catalogues have learnt, by kind number.
std::map<int, std::string>& kindPages() {
    static std::map<int, std::string> pages;
    return pages;
}

// Opens a page of the help folder or, when it is not there, the contents with a note that
// starts with `missing`.
void openPage(const std::string& page, const std::string& missing) {
    const std::string path = DossierAide() + page;
    if (!page.empty() && isFile(path))
        Ui().ShowHelp(path, {});
    else
        Ui().ShowHelp(DossierAide() + "index.md", missing + "\u00A0: voici le sommaire.");
}

constexpr int kNoticeHeight = -30; // 3 mm characters
constexpr TColor kNoticeColor = RGB(128, 128, 128);

} // namespace

// ---- Values ----

std::string& FichIni() {
    static std::string path = FichIniUtilisateur();
    return path;
}

std::string FichIniUtilisateur() {
    return ConfigDirectory() + "/vorlane.ini";
}

std::string& RegPath() {
    static std::string path = "Software/Vorlane";
    return path;
}

bool PrepareHostKey() {
    TRegistry registry;
    return registry.OpenKey(RegPath(), true);
}

std::string& PathDonnees() {
    static std::string path = defaultDataFolder();
    return path;
}

TFont& GlobalFonte() {
    static TFont font = [] {
        TFont f;
        f.Name = "Andika";
        f.PixelsPerInch = 254;
        f.Height = -49;
        f.Color = clBlack;
        f.Style = 0;
        return f;
    }();
    return font;
}

int& ModeVisu() {
    thread_local int mode = 0;
    return mode;
}

// A leap second shows as the last second of its minute.
std::function<int()>& SourceHeure() {
    thread_local std::function<int()> source = [] {
        const std::time_t maintenant = std::time(nullptr);
        std::tm local{};
        localtime_r(&maintenant, &local);
        return 3600 * local.tm_hour + 60 * local.tm_min + std::min(local.tm_sec, 59);
    };
    return source;
}

// ---- Help and information texts ----

std::string DossierAide() {
    return PathDonnees() + "help/";
}

std::string PageAide(int topic, int context) {
    if (topic == 1)
        return context == 9 ? "OperationConfig.md" : "";
    if (const auto kind = kindPages().find(topic); kind != kindPages().end())
        return kind->second + ".md";
    const auto found = std::find_if(std::begin(kHelpTopics), std::end(kHelpTopics),
                                    [topic](const HelpTopic& t) { return t.topic == topic; });
    return found == std::end(kHelpTopics) ? "" : std::string(found->page) + ".md";
}

void EnregistrePageAide(int topic, const std::string& page) {
    if (!page.empty())
        kindPages()[topic] = page;
}

void Aide(int topic, int context) {
    const std::string page = PageAide(topic, context);
    openPage(page, page.empty() ? "Le sujet d'aide " + std::to_string(topic) + " (contexte " +
                                      std::to_string(context) + ") n'a pas de page"
                                : "La page d'aide «\u00A0" + page + "\u00A0» n'est pas installée");
}

void AideFiche(const std::string& nomFiche) {
    // A window's name, never a path out of the help folder.
    const bool nom = !nomFiche.empty() && nomFiche.find('/') == std::string::npos;
    openPage(nom ? nomFiche + ".md" : "",
             "La fenêtre «\u00A0" + nomFiche + "\u00A0» n'a pas de page d'aide");
}

int EnregistreInfo(const std::string& nom, const std::string& texte, int flags) {
    std::vector<InfoText>& texts = infoTexts();
    const std::string text = texte.empty() ? ownInfoText(nom) : texte;
    const auto same =
        std::find_if(texts.begin(), texts.end(), [&](const InfoText& t) { return t.nom == nom; });
    if (same != texts.end()) {
        same->texte = text;
        same->flags = flags;
        return int(same - texts.begin()) + 1;
    }
    texts.push_back({nom, text, flags});
    return int(texts.size());
}

std::string TexteInfo(int handle) {
    const std::vector<InfoText>& texts = infoTexts();
    if (handle < 1 || handle > int(texts.size()))
        return {};
    return texts[std::size_t(handle - 1)].texte;
}

void AfficheInfoWindow(int handle) {
    const std::string text = TexteInfo(handle);
    if (!text.empty())
        Ui().ShowInformation("Information", text);
}

// ---- Drawing ----

bool RectangleAff(TCanvas& canvas, int taillePinceau, int stylePinceau, const vlRect& rect) {
    const vlRect r = rect.Normalise();
    if (r.Width() <= 0 || r.Height() <= 0)
        return false;
    if (stylePinceau != psClear && taillePinceau > 0)
        canvas.Rectangle(r.left, r.top, r.right, r.bottom);
    else if (canvas.Brush.Style != bsClear)
        canvas.FillRect(r);
    return true;
}

void AfficheTexteSysteme(TCanvas& canvas, const vlRect& rect, const std::string& texte) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    for (;;) {
        const std::size_t end = texte.find('\n', start);
        std::string line = texte.substr(start, end == std::string::npos ? end : end - start);
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        lines.push_back(std::move(line));
        if (end == std::string::npos)
            break;
        start = end + 1;
    }

    const vlRect r = rect.Normalise();
    const int level = canvas.SaveDC();
    canvas.Font.Name = GlobalFonte().Name;
    canvas.Font.Height = kNoticeHeight;
    canvas.Font.Color = kNoticeColor;
    canvas.Font.Style = 0;
    canvas.SetBkMode(TRANSPARENT);
    canvas.SetTextAlign(TA_CENTER | TA_TOP);
    canvas.IntersectClipRect(r.left, r.top, r.right, r.bottom);

    const int lineHeight = canvas.GetTextMetrics().tmHeight;
    const int blockHeight = lineHeight * int(lines.size());
    const int x = r.left + r.Width() / 2;
    int y = r.top + (r.Height() - blockHeight) / 2;
    for (const std::string& line : lines) {
        canvas.TextOut(x, y, line);
        y += lineHeight;
    }
    canvas.RestoreDC(level);
}

// ---- Geometry ----

double Angle(vlPoint p, vlPoint origine) {
    const double dx = double(p.x) - origine.x;
    const double dy = double(origine.y) - p.y; // the page's y grows downwards
    if (dx == 0 && dy == 0)
        return 0;
    double degrees = std::atan2(dy, dx) * 180.0 / std::numbers::pi;
    if (degrees < 0)
        degrees += 360.0;
    return degrees >= 360.0 ? 0.0 : degrees;
}

void ProjectionPerp(vlPoint a, vlPoint b, vlPoint m, double distance, vlPoint& p1, vlPoint& p2) {
    const double dx = double(b.x) - a.x;
    const double dy = double(b.y) - a.y;
    const double length = std::hypot(dx, dy);
    if (length == 0) {
        p1 = p2 = m;
        return;
    }
    // Unit normal on the left of a -> b as seen on the page (y down).
    const double nx = dy / length;
    const double ny = -dx / length;
    const auto at = [&](double sign) {
        return vlPoint{std::int32_t(std::lround(m.x + sign * nx * distance)),
                       std::int32_t(std::lround(m.y + sign * ny * distance))};
    };
    p1 = at(1);
    p2 = at(-1);
}

namespace {

// The point whose coordinates are each the one `pick` keeps over all the points.
template <typename Pick> vlPoint extreme(std::span<const vlPoint> points, Pick pick) {
    if (points.empty())
        return {};
    vlPoint kept = points.front();
    for (const vlPoint p : points)
        kept = {pick(kept.x, p.x), pick(kept.y, p.y)};
    return kept;
}

} // namespace

vlPoint Minima(std::span<const vlPoint> points) {
    return extreme(points, [](int a, int b) { return std::min(a, b); });
}

vlPoint Maxima(std::span<const vlPoint> points) {
    return extreme(points, [](int a, int b) { return std::max(a, b); });
}

// ---- Data ----

bool ChargeBitmap(TPicture& picture, const std::string& nom) {
    if (nom.empty())
        return false;
    const std::string base = PathDonnees() + nom;
    std::vector<std::string> candidates;
    if (fs::path(nom).has_extension())
        candidates = {base};
    else
        candidates = {base + ".png", base + ".jpg"};
    for (const std::string& path : candidates) {
        TPicture loaded;
        if (isFile(path) && loaded.LoadFromFile(path)) {
            loaded.Transparent = picture.Transparent;
            picture = std::move(loaded);
            return true;
        }
    }
    return false;
}
