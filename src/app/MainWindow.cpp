#include "app/MainWindow.h"

#include "app/App.h"
#include "app/DPMainView.h"
#include "platform/Exceptions.h"
#include "toolkit/core/Vireo2Engine.h"

MainWindow::MainWindow() { Layout(); }

MainWindow::Ref MainWindow::Create() { return Opened(Ref(new MainWindow())); }

void MainWindow::Layout()
{
    Width(kWidth);
    Height(kHeight);
    Resizeable(false);
    HasBackColor(true);
    BackColor(platform::Color{0xEFEFEF});
    Title("Di Rizezoz");
    MenuBarVisible(true);
    // Filled first, then shown by the owner: the first paint shows the whole day.
    Visible(false);
}

void MainWindow::Open()
{
    platform::Require(TheApp()).AutoQuit(true);
    const auto root = DPMainView::init();
    platform::Require(root).Pinning->LockAllSides();
    root->attach(std::dynamic_pointer_cast<VR2Surface>(shared_from_this()), false, false);
}

void MainWindow::HandleMessage(const VR2Object::Ref& sender, const VR2Message::Ref& message)
{
    Vireo2Engine::VR2ForwardMessage(std::dynamic_pointer_cast<VR2Object>(shared_from_this()), sender, owner.lock(),
                                    message);
}
