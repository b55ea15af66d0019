#pragma once

#include "platform/Object.h"
#include "platform/Picture.h"

#include <cstdint>
#include <memory>
#include <vector>

namespace platform {

// The pictures built into the program, found by resource id. The build embeds
// each as the PNG file "<id>.png" in the resource folder ":/pictures".
class ResourceFork : public Object {
public:
    using Ref = std::shared_ptr<ResourceFork>;

    // The program's own resources; the same object on every call.
    static Ref Program();

    // A new picture decoded from resource id (opaque, without a mask); nil
    // when the program carries no picture of that id. Nothing is kept: each
    // call reads the resource again.
    Picture::Ref GetPicture(int32_t id);

    // Starts decoding these on a worker, so that they are ready when first
    // asked for; each is handed out once, later calls read again.
    void Preload(std::vector<int32_t> ids);

    ~ResourceFork() override;

private:
    ResourceFork();

    struct Decoded;
    std::unique_ptr<Decoded> mDecoded;
};

}  // namespace platform
