#include "platform/private/QtMenus.h"

#include "platform/MenuBar.h"

#include <QAction>
#include <QKeySequence>
#include <QMenu>

namespace platform {

namespace {

QAction::MenuRole QtRole(MenuRole role)
{
    switch (role) {
    case MenuRole::Quit:
        return QAction::QuitRole;
    case MenuRole::Preferences:
        return QAction::PreferencesRole;
    case MenuRole::About:
        return QAction::AboutRole;
    case MenuRole::Plain:
        break;
    }
    return QAction::NoRole;
}

// The shortcut as the desktop writes it ("Ctrl+W"); empty for none.
QString ShortcutLabel(const std::string& shortcut)
{
    const std::string key = ShortcutKey(shortcut);
    if (key.empty())
        return {};
    const QChar character = QChar(key[0]).toUpper();
    return QKeySequence(QKeyCombination(Qt::ControlModifier, static_cast<Qt::Key>(character.unicode())))
        .toString(QKeySequence::NativeText);
}

}  // namespace

void AddMenuItems(QMenu& menu, const MenuItem::Ref& parent, MenuActions& actions)
{
    for (int32_t index = 0; index < parent->Count(); ++index) {
        const auto item = parent->Child(index);
        if (item->Text == "-") {
            menu.addSeparator();
            continue;
        }
        QString text = QString::fromStdString(item->Text);
        if (item->Count() > 0) {
            auto* submenu = menu.addMenu(text);
            submenu->setEnabled(item->Enabled);
            actions.emplace_back(submenu->menuAction(), item);
            AddMenuItems(*submenu, item, actions);
            continue;
        }
        // Only shown: the window runs the shortcuts itself, so Qt must not grab the keys.
        const QString shortcut = ShortcutLabel(item->KeyboardShortcut);
        if (!shortcut.isEmpty())
            text += '\t' + shortcut;
        auto* action = menu.addAction(text);
        action->setEnabled(item->Enabled);
        action->setCheckable(item->Checked);
        action->setChecked(item->Checked);
        action->setMenuRole(QtRole(item->Role));
        actions.emplace_back(action, item);
    }
}

}  // namespace platform
