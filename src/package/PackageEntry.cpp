#include "package/PackageEntry.h"

#include "host/Palette.h"
#include "host/Services.h"
#include "operation/Operation.h"
#include "package/Fabrique.h"
#include "package/OperationConfig.h"
#include "platform/Registry.h"
#include "platform/StringList.h"
#include "platform/UserInterface.h"

#include <algorithm>
#include <cstdlib>
#include <optional>

namespace {

// Strings are read into a 100-byte buffer: longer ones lose their end, never half a character.
constexpr std::size_t maxLength = 99;

struct Record {
    std::string group;
    std::string caption;
    std::string bitmap;
    int index = 0;
};

// A string of the table, cut to what the buffer holds; none when the table has no such string.
std::optional<std::string> readString(const TSourceChaines& strings, int id) {
    std::string text;
    if (!strings(id, text))
        return std::nullopt;
    if (text.size() <= maxLength)
        return text;
    std::size_t end = maxLength;
    while (end > 0 && (static_cast<unsigned char>(text[end]) & 0xC0) == 0x80)
        --end;
    return text.substr(0, end);
}

// The record at `base`; false at the end of the list: a group starting with "*", or none.
bool readRecord(const TSourceChaines& strings, int base, Record& record) {
    const std::optional<std::string> group = readString(strings, base);
    if (!group || (!group->empty() && group->front() == '*'))
        return false;
    record.group = *group;
    record.caption = readString(strings, base + 1).value_or("");
    record.bitmap = readString(strings, base + 2).value_or("");
    record.index = int(std::atol(readString(strings, base + 3).value_or("").c_str()));
    return true;
}

TTabSheet* findPage(const TPageControl& palette, const std::string& group) {
    for (int i = 0; i < palette.PageCount(); ++i)
        if (palette.Pages(i).Caption == group)
            return &palette.Pages(i);
    return nullptr;
}

// The right edge of the page's controls, 0 for an empty page.
int rightEdge(const TTabSheet& page) {
    int right = 0;
    for (int i = 0; i < page.ControlCount(); ++i)
        right = std::max(right, page.Controls(i).Left + page.Controls(i).Width);
    return right;
}

// The first control carrying that tag, when it is a component button.
TDllSpeedButton* findButton(const TTabSheet& page, int tag) {
    for (int i = 0; i < page.ControlCount(); ++i)
        if (page.Controls(i).Tag == tag)
            return dynamic_cast<TDllSpeedButton*>(&page.Controls(i));
    return nullptr;
}

TDllSpeedButton& newButton(TTabSheet& page, int left) {
    auto button = std::make_unique<TDllSpeedButton>();
    button->Height = 22;
    button->Left = left;
    button->Flat = true;
    button->AllowAllUp = false;
    button->GroupIndex = 1;
    return page.AddControl(std::move(button));
}

void installButton(TPageControl& palette, const Record& record) {
    TTabSheet* page = findPage(palette, record.group);
    int right = 0;
    if (page != nullptr) {
        right = rightEdge(*page);
    } else {
        page = &palette.AddPage();
        page->Caption = record.group;
    }
    TDllSpeedButton* button = findButton(*page, record.index);
    if (button == nullptr)
        button = &newButton(*page, right);

    // A caption starting with ":" marks a button that creates nothing.
    std::string caption = record.caption;
    const bool noFactory = !caption.empty() && caption.front() == ':';
    if (noFactory)
        caption.erase(0, 1);

    button->Hint = caption;
    button->ShowHint = !caption.empty();
    button->Caption.clear();
    // The glyphs are PNG files of the data folder, drawn once by tools/glyphs.
    if (!record.bitmap.empty() && !ChargeBitmap(button->Glyph, "palette/" + record.bitmap + ".png"))
        button->Glyph.Clear();
    button->Tag = record.index;
    if (button->Tag != 0)
        button->NomComposant = caption;
    button->Fabrique = noFactory ? nullptr : &CreerComposant;
}

void loadSettings() {
    TvlOperation::InfoMult = EnregistreInfo("InfoMult", "", 0);
    // No saved value, or one that is not a number, keeps the current setting: the settings
    // dialog writes a good one at its next use.
    TRegistry registry(TRegistry::KEY_READ);
    std::string ignored;
    if (!registry.OpenKey(RegPath(), false))
        return;
    if (const std::optional<int> saved = registry.ReadInteger("MultChiffresMax", ignored))
        TvlOperation::MultChiffresMax = *saved;
}

} // namespace

void InstalleComposants(TPageControl& palette, const TSourceChaines& strings) {
    Record record;
    for (int id = 10; readRecord(strings, id, record); id += 10)
        installButton(palette, record);
    loadSettings();
}

void AjouteItem(TStringList& items) {
    const TDialogueOptions command = &DialogueOptions;
    items.AddObject("Opération", reinterpret_cast<void*>(command));
}

void DialogueOptions(const std::string& nom) {
    if (nom != "Opération")
        return;
    TOperationConfigModel model;
    Ui().ShowModal("OperationConfig", model);
}
