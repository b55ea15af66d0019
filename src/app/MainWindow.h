#pragma once

#include "toolkit/core/VR2Object.h"
#include "toolkit/hosts/VR2HostWindow.h"

#include <memory>

// The diary's one document window: titled "Di Rizezoz", a fixed 799 x 559
// content area over 0xEFEFEF. Opening it builds and attaches the whole view
// tree and makes the application quit when its last window closes. Every
// message that reaches it goes to its owner, the controller. It opens hidden:
// the owner shows it once the views are filled.
class MainWindow : public VR2HostWindow {
public:
    using Ref = std::shared_ptr<MainWindow>;

    static Ref Create();

    static constexpr int32_t kWidth = 799;
    static constexpr int32_t kHeight = 559;

    // The receiver of every message; the owner keeps the window, not the reverse.
    std::weak_ptr<VR2Object> owner;

protected:
    MainWindow();

    void Open() override;
    void HandleMessage(const VR2Object::Ref& sender, const VR2Message::Ref& message) override;

private:
    void Layout();
};
