#include "platform/Services.h"

#include "platform/private/InputState.h"
#include "platform/private/QtMenus.h"

#include <QApplication>
#include <QAction>
#include <QDesktopServices>
#include <QMenu>
#include <QMessageBox>
#include <QUrl>

#include <algorithm>

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

MenuItem::Ref Services::PopUpMenu(const MenuItem::Ref& menu, int32_t x, int32_t y)
{
    if (!menu || !HasWidgets())
        return nullptr;
    QMenu popup;
    MenuActions items;
    AddMenuItems(popup, menu, items);
    const QAction* chosen = popup.exec(QPoint(x, y));
    const auto found = std::find_if(items.begin(), items.end(), [chosen](const auto& entry) {
        return chosen && entry.first == chosen && !chosen->menu();
    });
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
