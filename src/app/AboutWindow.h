#pragma once

#include "platform/Canvas.h"
#include "platform/Picture.h"
#include "platform/StaticText.h"
#include "platform/Window.h"

#include <memory>
#include <string>

// The about box: the application's icon, its name in bold, a version line
// built from the running application's version numbers, and a copyright line.
class AboutWindow : public platform::Window {
public:
    using Ref = std::shared_ptr<AboutWindow>;

    // A new about window, open and shown, its texts placeholders until Setup.
    static Ref Create();

    void Setup(const platform::Picture::Ref& icon, const std::string& name, const std::string& copyright);

    // The version line for these numbers: "1.2 (1.2.3)", "1.0 (1.0.0b4)".
    static std::string VersionLine(int32_t major, int32_t minor, int32_t bug, int32_t stageCode,
                                   int32_t nonRelease);

    const platform::StaticText::Ref& StaticAppName() const { return mStaticAppName; }
    const platform::Canvas::Ref& IconView() const { return mIconView; }
    const platform::StaticText::Ref& StaticCopyright() const { return mStaticCopyright; }
    const platform::StaticText::Ref& StaticText1() const { return mStaticText1; }

protected:
    void OnClose() override;

private:
    AboutWindow();

    void Layout();
    void CreateControls();
    void AddMenuHandlers();
    void StaticAppName_Open();
    void StaticText1_Open();
    // Closes the window (Close in the File menu while it is in front).
    bool FileClose();

    platform::StaticText::Ref mStaticAppName;
    platform::Canvas::Ref mIconView;
    platform::StaticText::Ref mStaticCopyright;
    platform::StaticText::Ref mStaticText1;
};
