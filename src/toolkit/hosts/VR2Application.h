#pragma once

#include "platform/Application.h"
#include "toolkit/core/AppSeam.h"
#include "toolkit/core/VR2Object.h"
#include "toolkit/core/VR2View.h"

#include <functional>
#include <memory>
#include <string>

// The toolkit's application: passes the platform's application events on to
// its subclass, installs the standard theme before the first of Open,
// NewDocument and OpenDocument reaches the subclass, finds views and the
// keyboard focus across the windows, and is the last receiver of messages
// that leave a window unhandled.
class VR2Application : public platform::Application, public VR2Object, public VR2ApplicationInterface {
public:
    using Ref = std::shared_ptr<VR2Application>;

    static Ref Create() { return Ref(new VR2Application()); }

    // Installs the standard theme once per process.
    void standardVireoSetup();
    // The theme layer sits above this one: it hands over how to install its
    // standard theme. Without an installer the setup only records that it ran.
    static void SetStandardThemeInstaller(std::function<void()> installer);
    static bool DidSetupVireoSetup();
    static void ResetVireoSetupForTesting();

    // The focus view of the first window that has one; nil when none.
    VR2View::Ref focusView() override;
    // The first view of that name in any window; nil when none.
    VR2View::Ref findViewByName(const std::string& name, bool deep, bool visibleOnly) override;

    // The platform's application events.
    void OnOpen() final;
    void OnNewDocument() final;
    void OnOpenDocument(const platform::FolderItem::Ref& item) final;
    void OnActivate() final;
    void OnDeactivate() final;
    void OnClose() final;
    bool OnCancelClose() final;
    void OnEnableMenuItems() final;
    bool OnUnhandledException(const platform::RuntimeException& error) final;

protected:
    VR2Application();

    // Events for the subclass; Boolean results default to false.
    virtual void Activate() {}
    virtual bool CancelClose() { return false; }
    virtual void Close() {}
    virtual void Deactivate() {}
    virtual void EnableMenuItems() {}
    virtual void NewDocument() {}
    virtual void Open() {}
    virtual void OpenDocument(const platform::FolderItem::Ref& /*item*/) {}
    virtual bool UnhandledException(const platform::RuntimeException& /*error*/) { return false; }
    virtual void HandleMessage(const VR2Object::Ref& /*sender*/, const VR2Message::Ref& /*message*/) {}

    // Raises HandleMessage and nothing else: the result stays as it came.
    void VR2Object_Action(const VR2Object::Ref& sender, const VR2Message::Ref& message) override;
};
