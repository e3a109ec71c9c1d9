// Menus as a model: a menu bar is the root item, its children are the menus,
// and their children the items. A window that shows a bar builds its Qt menus
// from this model (see MenuBarView), so one bar can serve several windows.
#pragma once

#include <QString>
#include <QtGlobal>
#include <memory>
#include <vector>

namespace fw {

class MenuItem {
public:
    Q_DISABLE_COPY(MenuItem)
    MenuItem() = default;
    virtual ~MenuItem() = default;

    QString Name;
    // The caption; "&" marks the mnemonic letter and "-" makes a separator.
    QString Text;
    // Modifier names and the key joined by "+", as "Cmd+Shift+P".
    QString KeyboardShortcut;
    // Enabled whenever something can act on the item.
    bool AutoEnable = true;

    bool IsSeparator() const { return Text == QLatin1String("-"); }

    void Append(std::unique_ptr<MenuItem> child);
    int Count() const { return int(children.size()); }
    MenuItem* Item(int index) const { return children.at(std::size_t(index)).get(); }
    // The direct child of that name, or null.
    MenuItem* Child(const QString& name) const;
    // This item or any below it with that name, or null.
    MenuItem* Lookup(const QString& name);

private:
    std::vector<std::unique_ptr<MenuItem>> children;
};

// Choosing it quits the application.
class QuitMenuItem : public MenuItem {};
// The item that tells about the program.
class AppleMenuItem : public MenuItem {};
class MenuBar : public MenuItem {};

} // namespace fw
