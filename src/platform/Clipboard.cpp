#include "platform/Clipboard.h"

#include <QClipboard>
#include <QGuiApplication>

namespace platform {

namespace {

QClipboard* DesktopClipboard()
{
    return qobject_cast<QGuiApplication*>(QCoreApplication::instance()) ? QGuiApplication::clipboard() : nullptr;
}

}  // namespace

std::string Clipboard::Text() const
{
    auto* clipboard = DesktopClipboard();
    return clipboard ? clipboard->text().toStdString() : std::string();
}

void Clipboard::SetText(const std::string& text)
{
    if (auto* clipboard = DesktopClipboard())
        clipboard->setText(QString::fromStdString(text));
}

bool Clipboard::TextAvailable() const { return !Text().empty(); }

}  // namespace platform
