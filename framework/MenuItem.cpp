// The menu model.
#include "framework/MenuItem.h"

namespace fw {

void MenuItem::Append(std::unique_ptr<MenuItem> child) { children.push_back(std::move(child)); }

MenuItem* MenuItem::Child(const QString& name) const {
    for (const auto& child : children)
        if (child->Name == name) return child.get();
    return nullptr;
}

MenuItem* MenuItem::Lookup(const QString& name) {
    if (Name == name) return this;
    for (const auto& child : children)
        if (MenuItem* found = child->Lookup(name)) return found;
    return nullptr;
}

} // namespace fw
