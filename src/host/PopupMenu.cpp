#include "host/PopupMenu.h"

TMenuItem& TPopupMenu::Add(std::string name, std::string caption, std::function<void()> onClick) {
    items_.push_back({std::move(name), std::move(caption), true, true, std::move(onClick)});
    return items_.back();
}

TMenuItem* TPopupMenu::Find(const std::string& name) {
    for (TMenuItem& item : items_)
        if (!name.empty() && item.Name == name)
            return &item;
    return nullptr;
}

void TPopupMenu::Hide(const std::string& name) {
    if (TMenuItem* item = Find(name)) {
        item->Visible = false;
        item->Enabled = false;
    }
}
