#pragma once

#include "platform/FourCC.h"
#include "toolkit/core/VR2Message.h"
#include "toolkit/core/VR2Object.h"

#include <functional>
#include <memory>
#include <string>
#include <vector>

// A receiver that logs every message it gets and can run a reaction.
class RecordingReceiver : public VR2Object {
public:
    using Ref = std::shared_ptr<RecordingReceiver>;

    struct Entry {
        std::string receiver;
        std::string category;
        int32_t selector;
        const platform::Object* sender;
        VR2Message::Ref message;
    };

    // One log shared by several receivers shows the order of delivery.
    static Ref Create(std::string name, std::shared_ptr<std::vector<Entry>> log = nullptr);

    std::string name;
    std::shared_ptr<std::vector<Entry>> log;
    // Runs after the entry is logged.
    std::function<void(const VR2Object::Ref& sender, const VR2Message::Ref& message)> reaction;

    std::vector<std::string> Names() const
    {
        std::vector<std::string> names;
        for (const auto& entry : *log)
            names.push_back(entry.receiver);
        return names;
    }

protected:
    void VR2Object_Action(const VR2Object::Ref& sender, const VR2Message::Ref& message) override
    {
        log->push_back({name, message->category, message->selector, sender.get(), message});
        if (reaction)
            reaction(sender, message);
    }

private:
    RecordingReceiver() = default;
};
