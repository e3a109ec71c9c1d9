// Menu bars of windows.
#include "framework/MenuBarView.h"

#include "framework/Application.h"
#include "framework/MenuItem.h"
#include "framework/StandardEditing.h"
#include "framework/Window.h"

#include <QAction>
#include <QApplication>
#include <QMenu>
#include <QMenuBar>
#include <QWidget>

namespace fw {

QString PortableShortcut(const QString& shortcut) {
    QStringList parts = shortcut.split('+', Qt::SkipEmptyParts);
    for (QString& part : parts)
        if (part.compare(QLatin1String("Cmd"), Qt::CaseInsensitive) == 0)
            part = QStringLiteral("Ctrl");
    return parts.join('+');
}

MenuBarView::MenuBarView(Window& w, MenuBar& model) : window(w), bar(new QMenuBar(w.Widget())) {
    // Qt would treat "&" in captions as mnemonic marks, which is what they are.
    for (int m = 0; m < model.Count(); ++m) {
        MenuItem* menuItem = model.Item(m);
        QMenu* menu = bar->addMenu(menuItem->Text);
        menu->setObjectName(menuItem->Name);
        QObject::connect(menu, &QMenu::aboutToShow, [this] { UpdateEnabled(); });
        for (int i = 0; i < menuItem->Count(); ++i) {
            MenuItem* item = menuItem->Item(i);
            QAction* action =
                item->IsSeparator() ? menu->addSeparator() : menu->addAction(item->Text);
            action->setObjectName(item->Name);
            if (!item->IsSeparator()) {
                action->setShortcut(QKeySequence(PortableShortcut(item->KeyboardShortcut)));
                QObject::connect(action, &QAction::triggered, [this, item] { Choose(*item); });
            }
            entries.push_back({item, action});
        }
    }
    focusWatch = QObject::connect(qApp, &QApplication::focusChanged, [this] { UpdateEnabled(); });
    UpdateEnabled();
}

MenuBarView::~MenuBarView() { QObject::disconnect(focusWatch); }

bool MenuBarView::CanAct(const MenuItem& item) const {
    if (window.HasMenuHandler(item.Name)) return true;
    if (Application* app = GetAppObject(); app && app->HasMenuHandler(item.Name)) return true;
    if (dynamic_cast<const QuitMenuItem*>(&item)) return true;
    return IsStandardEditItem(item.Name) && CanPerformEdit(item.Name);
}

void MenuBarView::UpdateEnabled() {
    for (const Entry& e : entries)
        if (!e.item->IsSeparator()) e.action->setEnabled(!e.item->AutoEnable || CanAct(*e.item));
}

void MenuBarView::Choose(MenuItem& item) {
    if (window.HandleMenu(item.Name)) return;
    if (Application* app = GetAppObject(); app && app->HandleMenu(item.Name)) return;
    if (dynamic_cast<QuitMenuItem*>(&item)) {
        Application::Quit(0);
        return;
    }
    if (IsStandardEditItem(item.Name)) PerformEdit(item.Name);
}

} // namespace fw
