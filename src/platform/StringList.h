// An ordered list of strings, each with an optional object pointer (not owned), as property
// windows and package commands exchange them.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

class TStringList {
public:
    int Count() const { return int(items_.size()); }
    const std::string& operator[](int i) const { return items_[std::size_t(i)].text; }
    void* Objects(int i) const { return items_[std::size_t(i)].object; }
    int Add(const std::string& s) { return AddObject(s, nullptr); }
    int AddObject(const std::string& s, void* object);
    void Insert(int i, const std::string& s);
    void Delete(int i);
    void Clear() { items_.clear(); }
    // First index whose text equals s, or -1.
    int IndexOf(const std::string& s) const;
    int IndexOfObject(const void* object) const;
    // Lines joined by "\r\n" (each followed by it), and the reverse: CR LF, LF or CR end a line.
    std::string Text() const;
    void SetText(const std::string& text);

private:
    struct Item {
        std::string text;
        void* object = nullptr;
    };
    std::vector<Item> items_;
};
