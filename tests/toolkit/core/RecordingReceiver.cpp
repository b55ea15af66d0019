#include "RecordingReceiver.h"

// Out of line: GCC 12 misreads the virtual base adjustment of an inlined
// shared_ptr construction next to another one and warns (-Warray-bounds).
RecordingReceiver::Ref RecordingReceiver::Create(std::string name, std::shared_ptr<std::vector<Entry>> log)
{
    Ref receiver(new RecordingReceiver());
    receiver->name = std::move(name);
    receiver->log = log ? std::move(log) : std::make_shared<std::vector<Entry>>();
    return receiver;
}
