#pragma once

#include <memory>

namespace platform {

// Common base of every reference-counted object of the system: a Variant holds
// objects through it, and identity (responder chain, observer sets) compares it.
// Interfaces derive from it virtually so that one object has one identity.
class Object : public std::enable_shared_from_this<Object> {
public:
    virtual ~Object() = default;

    Object(const Object&) = delete;
    Object& operator=(const Object&) = delete;

protected:
    Object() = default;
};

using ObjectRef = std::shared_ptr<Object>;

}  // namespace platform
