// The host's right-click menu on a component, as plain code: the host fills its entries, each
// named ("miEditer", "miDupliquer"), and a kind's PopupMenu may hide, disable or add some before
// the menu shows.
#pragma once

#include <functional>
#include <string>
#include <vector>

struct TMenuItem {
    std::string Name;    // how a kind finds the entry
    std::string Caption; // what the teacher reads
    bool Visible = true;
    bool Enabled = true;
    std::function<void()> OnClick; // empty: a separator
};

class TPopupMenu {
public:
    // Adds an entry at the end and returns it.
    TMenuItem& Add(std::string name, std::string caption, std::function<void()> onClick);
    void AddSeparator() { items_.push_back({}); }
    // The entry of that name, or null.
    TMenuItem* Find(const std::string& name);
    // Hides and disables the entry of that name, when there is one.
    void Hide(const std::string& name);
    const std::vector<TMenuItem>& Items() const { return items_; }

private:
    std::vector<TMenuItem> items_;
};
