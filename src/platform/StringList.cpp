#include "platform/StringList.h"

#include <stdexcept>

namespace {

void checkIndex(int i, int limit) {
    if (i < 0 || i > limit)
        throw std::out_of_range("Indice de liste hors limites (" + std::to_string(i) + ")");
}

} // namespace

int TStringList::AddObject(const std::string& s, void* object) {
    items_.push_back({s, object});
    return Count() - 1;
}

void TStringList::Insert(int i, const std::string& s) {
    checkIndex(i, Count());
    items_.insert(items_.begin() + i, Item{s, nullptr});
}

void TStringList::Delete(int i) {
    checkIndex(i, Count() - 1);
    items_.erase(items_.begin() + i);
}

int TStringList::IndexOf(const std::string& s) const {
    for (int i = 0; i < Count(); ++i)
        if (items_[std::size_t(i)].text == s)
            return i;
    return -1;
}

int TStringList::IndexOfObject(const void* object) const {
    for (int i = 0; i < Count(); ++i)
        if (items_[std::size_t(i)].object == object)
            return i;
    return -1;
}

std::string TStringList::Text() const {
    std::string text;
    for (const Item& item : items_) {
        text += item.text;
        text += "\r\n";
    }
    return text;
}

// A line end after the last line does not add an empty line.
void TStringList::SetText(const std::string& text) {
    items_.clear();
    std::size_t start = 0;
    while (start < text.size()) {
        const std::size_t end = text.find_first_of("\r\n", start);
        if (end == std::string::npos) {
            Add(text.substr(start));
            return;
        }
        Add(text.substr(start, end - start));
        start = end + 1;
        if (text[end] == '\r' && start < text.size() && text[start] == '\n')
            ++start;
    }
}
