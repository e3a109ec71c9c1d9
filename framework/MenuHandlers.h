// Menu handlers by item name, as an application or a window holds them.
#pragma once

#include <QString>
#include <functional>
#include <map>

namespace fw {

class MenuHandlers {
public:
    void Add(const QString& itemName, std::function<bool()> handler) {
        handlers[itemName] = std::move(handler);
    }
    bool Has(const QString& itemName) const { return handlers.count(itemName) != 0; }
    // Runs the handler for the item; false when there is none.
    bool Run(const QString& itemName) const {
        auto found = handlers.find(itemName);
        if (found == handlers.end()) return false;
        // A copy: the handler may close the window that holds it.
        const std::function<bool()> handler = found->second;
        handler();
        return true;
    }

private:
    std::map<QString, std::function<bool()>> handlers;
};

} // namespace fw
