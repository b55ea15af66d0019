#pragma once

#include <exception>
#include <functional>

namespace platform {

// Code that Qt's event loop calls (timer firings, window events) runs guarded:
// an exception goes to the application's handler and never crosses the loop.
// The handler answers whether it dealt with the error; without a handler, or
// when it answers False, the error is printed and the event loop is told to
// end with status 1.
using UnhandledExceptionHandler = std::function<bool(std::exception_ptr)>;

// Installs the handler and returns the previous one (empty for none).
UnhandledExceptionHandler SetUnhandledExceptionHandler(UnhandledExceptionHandler handler);

void ReportUnhandledException(std::exception_ptr error) noexcept;

template <typename Body>
void RunGuarded(Body&& body) noexcept
{
    try {
        body();
    } catch (...) {
        ReportUnhandledException(std::current_exception());
    }
}

}  // namespace platform
