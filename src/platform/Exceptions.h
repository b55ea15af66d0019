#pragma once

#include <memory>
#include <stdexcept>
#include <string>

namespace platform {

class RuntimeException : public std::runtime_error {
public:
    explicit RuntimeException(const std::string& message = "RuntimeException") : std::runtime_error(message) {}
};

// An object that is needed is absent.
class NilObjectException : public RuntimeException {
public:
    explicit NilObjectException(const std::string& message = "NilObjectException") : RuntimeException(message) {}
};

// A value is of the wrong kind for the operation (no text form, bad code).
class TypeMismatchException : public RuntimeException {
public:
    explicit TypeMismatchException(const std::string& message = "TypeMismatchException") : RuntimeException(message) {}
};

class OutOfBoundsException : public RuntimeException {
public:
    explicit OutOfBoundsException(const std::string& message = "OutOfBoundsException") : RuntimeException(message) {}
};

// A Dictionary was asked for a key it does not hold.
class KeyNotFoundException : public RuntimeException {
public:
    explicit KeyNotFoundException(const std::string& message = "KeyNotFoundException") : RuntimeException(message) {}
};

// The object behind a reference that must not be nil; raises NilObjectException for nil.
template <typename T>
T& Require(const std::shared_ptr<T>& object)
{
    if (!object)
        throw NilObjectException();
    return *object;
}

}  // namespace platform
