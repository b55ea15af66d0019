#include "platform/UnhandledException.h"

#include <QCoreApplication>

#include <cstdio>
#include <utility>

namespace platform {

namespace {

UnhandledExceptionHandler& Handler()
{
    static UnhandledExceptionHandler handler;
    return handler;
}

}  // namespace

UnhandledExceptionHandler SetUnhandledExceptionHandler(UnhandledExceptionHandler handler)
{
    return std::exchange(Handler(), std::move(handler));
}

void ReportUnhandledException(std::exception_ptr error) noexcept
{
    try {
        if (Handler() && Handler()(error))
            return;
        try {
            std::rethrow_exception(error);
        } catch (const std::exception& exception) {
            std::fprintf(stderr, "Unhandled exception: %s\n", exception.what());
        } catch (...) {
            std::fprintf(stderr, "Unhandled exception\n");
        }
    } catch (...) {
        std::fprintf(stderr, "Unhandled exception in the exception handler\n");
    }
    if (QCoreApplication::instance())
        QCoreApplication::exit(1);
}

}  // namespace platform
