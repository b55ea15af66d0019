#pragma once

#include <functional>
#include <memory>
#include <string>

namespace platform {

// One running copy of the program per diary file, so that two copies never
// write one diary. Keyed on the file's canonical path, in the user's runtime
// folder: other users, and other homes, never meet.
class SingleInstance {
public:
    // Claims the file for this process. Nil when another copy holds it; that
    // copy has then been asked to come to the front.
    static std::unique_ptr<SingleInstance> Claim(const std::string& filePath);
    ~SingleInstance();
    SingleInstance(const SingleInstance&) = delete;
    SingleInstance& operator=(const SingleInstance&) = delete;

    // Runs on the event loop each time another copy starts on the same file.
    void SetOnAnotherStart(std::function<void()> handler);

private:
    struct Impl;
    explicit SingleInstance(std::unique_ptr<Impl> impl);

    std::unique_ptr<Impl> mImpl;
};

}  // namespace platform
