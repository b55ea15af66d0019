#include "platform/Services.h"

#include <QApplication>
#include <QDesktopServices>
#include <QMessageBox>
#include <QUrl>

namespace platform {

namespace {

std::shared_ptr<Services>& Current()
{
    static std::shared_ptr<Services> services = std::make_shared<Services>();
    return services;
}

}  // namespace

void Services::Beep()
{
    if (QApplication::instance())
        QApplication::beep();
}

void Services::MsgBox(const std::string& text)
{
    if (!QApplication::instance())
        return;
    QMessageBox box(QMessageBox::NoIcon, QApplication::applicationDisplayName(), QString::fromStdString(text),
                    QMessageBox::Ok);
    box.exec();
}

bool Services::ShowURL(const std::string& url)
{
    return QDesktopServices::openUrl(QUrl(QString::fromStdString(url)));
}

std::shared_ptr<Services> SetServices(std::shared_ptr<Services> services)
{
    auto previous = Current();
    Current() = services ? std::move(services) : std::make_shared<Services>();
    return previous;
}

void Beep() { Current()->Beep(); }
void MsgBox(const std::string& text) { Current()->MsgBox(text); }
bool ShowURL(const std::string& url) { return Current()->ShowURL(url); }

}  // namespace platform
