#pragma once

namespace platform {

// Lets a long loop keep the window alive: processes pending events other than
// user input, so the user cannot re-enter the loop, at most once every 16 ms.
// Does nothing without an application object or off its thread.
void YieldToEventLoop();

}  // namespace platform
