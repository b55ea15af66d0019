#include "platform/private/WindowWidget.h"

#include "platform/Application.h"
#include "platform/Window.h"
#include "platform/private/QtFonts.h"
#include "platform/private/QtMenus.h"

#include <QAction>
#include <QCoreApplication>
#include <QKeyEvent>
#include <QMenu>
#include <QMenuBar>

namespace platform {

void WindowWidget::ShowMenuBar(const MenuBar::Ref& bar)
{
    const QSize content = ContentSize();
    delete mMenuBar.data();
    mMenuHeight = 0;
    if (bar) {
        // In the window on every desktop, never exported to a global menu
        // (which would also cost a look-up on the session bus at start).
        QCoreApplication::setAttribute(Qt::AA_DontUseNativeMenuBar);
        auto* menuBar = new QMenuBar(this);
        // The font the window's own text uses: one font to load, and menus that match the content.
        menuBar->setFont(SystemQtFont());
        auto actions = std::make_shared<MenuActions>();
        for (int32_t index = 0; index < bar->Count(); ++index) {
            const auto menuItem = bar->Child(index);
            auto* menu = menuBar->addMenu(QString::fromStdString(menuItem->Text));
            menu->setFont(menuBar->font());
            actions->emplace_back(menu->menuAction(), menuItem);
            AddMenuItems(*menu, menuItem, *actions);
            // Enabled as the items say when the menu opens.
            QObject::connect(menu, &QMenu::aboutToShow, this, [this, bar, actions] {
                UpdateMenus(bar);
                for (const auto& [action, item] : *actions)
                    action->setEnabled(item->Enabled);
            });
        }
        for (const auto& [action, item] : *actions) {
            if (action->menu())
                continue;
            std::weak_ptr<MenuItem> weakItem = item;
            QObject::connect(action, &QAction::triggered, this, [this, weakItem] {
                if (const auto chosen = weakItem.lock())
                    ChooseMenuItem(chosen);
            });
        }
        mMenuHeight = menuBar->sizeHint().height();
        menuBar->setGeometry(0, 0, width(), mMenuHeight);
        menuBar->show();
        mMenuBar = menuBar;
    }
    // The content keeps its size: the window grows or shrinks around it.
    mApplyingResize = true;
    const QSize size(content.width(), content.height() + mMenuHeight);
    if (minimumSize() == maximumSize())
        setFixedSize(size);
    else
        resize(size);
    mApplyingResize = false;
    mLastSize = this->size();
    mBackValid = false;
    update();
}

MenuItem::Ref WindowWidget::MenuCommandForKey(const QKeyEvent* event, const std::string& key)
{
    const auto modifiers = event->modifiers();
    if (!modifiers.testFlag(Qt::ControlModifier) || modifiers.testFlag(Qt::AltModifier) ||
        modifiers.testFlag(Qt::MetaModifier) || !mOwner)
        return nullptr;
    const auto application = Application::Current();
    const auto bar = application ? application->MenuBar() : nullptr;
    const auto item = bar ? bar->FindShortcut(key) : nullptr;
    if (!item)
        return nullptr;
    UpdateMenus(bar);
    const bool taken = DispatchHook([&] {
        const auto window = std::dynamic_pointer_cast<Window>(mOwner->shared_from_this());
        return item->Enabled && Application::HasMenuCommand(item, window);
    });
    return taken ? item : nullptr;
}

bool WindowWidget::ChooseMenuItem(const MenuItem::Ref& item)
{
    return DispatchHook([&] {
        return Application::ChooseMenuItem(item, std::dynamic_pointer_cast<Window>(mOwner->shared_from_this()));
    });
}

void WindowWidget::UpdateMenus(const MenuBar::Ref& bar)
{
    DispatchHook([&] {
        bar->UpdateEnabled();
        return true;
    });
}

}  // namespace platform
