#include "app/MainWindow.h"

#include "app/App.h"
#include "app/DPMainView.h"
#include "platform/Exceptions.h"
#include "toolkit/core/Vireo2Engine.h"

#include <algorithm>

MainWindow::MainWindow() { Layout(); }

MainWindow::Ref MainWindow::Create() { return Opened(Ref(new MainWindow())); }

void MainWindow::Layout()
{
    // A new window starts centred on the screen; it stays centred at its own size.
    const int32_t centreX = Left() + Width() / 2;
    const int32_t centreY = Top() + Height() / 2;
    Width(kWidth);
    Height(kHeight);
    Left(std::max(centreX - kWidth / 2, 0));
    Top(std::max(centreY - kHeight / 2, 0));
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
