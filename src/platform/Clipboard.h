#pragma once

#include "platform/Object.h"

#include <memory>
#include <string>

namespace platform {

// The desktop clipboard's text, as UTF-8.
class Clipboard : public virtual Object {
public:
    using Ref = std::shared_ptr<Clipboard>;
    static Ref Create() { return Ref(new Clipboard()); }

    std::string Text() const;
    void SetText(const std::string& text);
    bool TextAvailable() const;

private:
    Clipboard() = default;
};

}  // namespace platform
