#include "platform/Services.h"

#include "platform/private/InputState.h"

#include <QApplication>
#include <QAction>
#include <QDesktopServices>
#include <QMenu>
#include <QMessageBox>
#include <QUrl>

#include <unordered_map>

namespace platform {

namespace {

std::shared_ptr<Services>& Current()
{
    static std::shared_ptr<Services> services = std::make_shared<Services>();
    return services;
}

// The widgets need a QApplication; a plain QCoreApplication has no screen to beep or show on.
bool HasWidgets() { return qobject_cast<QApplication*>(QCoreApplication::instance()) != nullptr; }

}  // namespace

void Services::Beep()
{
    if (HasWidgets())
        QApplication::beep();
}

void Services::MsgBox(const std::string& text)
{
    if (!HasWidgets())
        return;
    QMessageBox box(QMessageBox::NoIcon, QApplication::applicationDisplayName(), QString::fromStdString(text),
                    QMessageBox::Ok);
    box.exec();
}

bool Services::ShowURL(const std::string& url)
{
    return QDesktopServices::openUrl(QUrl(QString::fromStdString(url)));
}

namespace {

void AddItems(QMenu& menu, const MenuItem::Ref& parent, std::unordered_map<QAction*, MenuItem::Ref>& items)
{
    for (int32_t index = 0; index < parent->Count(); ++index) {
        const auto item = parent->Child(index);
        if (item->Text == "-") {
            menu.addSeparator();
            continue;
        }
        const QString text = QString::fromStdString(item->Text);
        if (item->Count() > 0) {
            auto* submenu = menu.addMenu(text);
            submenu->setEnabled(item->Enabled);
            AddItems(*submenu, item, items);
            continue;
        }
        auto* action = menu.addAction(text);
        action->setEnabled(item->Enabled);
        action->setCheckable(item->Checked);
        action->setChecked(item->Checked);
        items[action] = item;
    }
}

}  // namespace

MenuItem::Ref Services::PopUpMenu(const MenuItem::Ref& menu, int32_t x, int32_t y)
{
    if (!menu || !HasWidgets())
        return nullptr;
    QMenu popup;
    std::unordered_map<QAction*, MenuItem::Ref> items;
    AddItems(popup, menu, items);
    const auto found = items.find(popup.exec(QPoint(x, y)));
    return found == items.end() ? nullptr : found->second;
}

std::shared_ptr<Services> SetServices(std::shared_ptr<Services> services)
{
    auto previous = Current();
    Current() = services ? std::move(services) : std::make_shared<Services>();
    return previous;
}

namespace {

// A modal loop takes the release of a press that was being handled when it
// started, so that press ends with it: the window then ends its capture
// instead of waiting for a release that will never come.
void EndPressTakenByModalLoop()
{
    auto& input = CurrentInput();
    if (input.pressHookRunning)
        input.buttonDown = false;
}

}  // namespace

void Beep() { Current()->Beep(); }

void MsgBox(const std::string& text)
{
    Current()->MsgBox(text);
    EndPressTakenByModalLoop();
}

bool ShowURL(const std::string& url) { return Current()->ShowURL(url); }

MenuItem::Ref PopUpMenu(const MenuItem::Ref& menu, int32_t x, int32_t y)
{
    auto chosen = Current()->PopUpMenu(menu, x, y);
    EndPressTakenByModalLoop();
    return chosen;
}

}  // namespace platform
