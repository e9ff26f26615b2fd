#pragma once

#include "platform/device_system.h"
#include "platform/resource_provider.h"
#include "platform/window_host.h"

namespace platform {

// The three services the system gets from its platform.
struct Platform {
    WindowSystem& windows;
    DeviceSystem& devices;
    const ResourceProvider& resources;
};

}  // namespace platform
