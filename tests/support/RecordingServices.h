#pragma once

#include "platform/Services.h"

#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace testsupport {

// Stands in for the services that would block or reach outside: records each
// call; a pop-up menu answers what `choose` picks (nil by default).
class RecordingServices : public platform::Services {
public:
    struct PopUp {
        platform::MenuItem::Ref menu;
        int32_t x;
        int32_t y;
    };

    int beeps = 0;
    std::vector<std::string> messages;
    std::vector<std::string> urls;
    std::vector<PopUp> popUps;
    std::function<platform::MenuItem::Ref(const platform::MenuItem::Ref&)> choose;

    void Beep() override { ++beeps; }
    void MsgBox(const std::string& text) override { messages.push_back(text); }
    bool ShowURL(const std::string& url) override
    {
        urls.push_back(url);
        return true;
    }
    platform::MenuItem::Ref PopUpMenu(const platform::MenuItem::Ref& menu, int32_t x, int32_t y) override
    {
        popUps.push_back({menu, x, y});
        return choose ? choose(menu) : nullptr;
    }
};

// Installs a recorder for the life of the object.
class ScopedRecordingServices {
public:
    ScopedRecordingServices()
        : mRecorder(std::make_shared<RecordingServices>()), mPrevious(platform::SetServices(mRecorder))
    {
    }
    ~ScopedRecordingServices() { platform::SetServices(mPrevious); }

    RecordingServices& operator*() const { return *mRecorder; }
    RecordingServices* operator->() const { return mRecorder.get(); }

private:
    std::shared_ptr<RecordingServices> mRecorder;
    std::shared_ptr<platform::Services> mPrevious;
};

}  // namespace testsupport
