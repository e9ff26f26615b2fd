#pragma once

#include <memory>
#include <ostream>

#include "frontend/options.h"
#include "platform/device_system.h"

namespace sim {
class SimulatedDeviceSystem;
}

namespace frontend {

// Runs the dialog on the terminal in real time until it is closed, interrupted, or (with
// --update) the update has an outcome. Returns the exit status. With --simulate, `bus` is the
// simulated device system that `devices` refers to.
int RunHeadless(const Options& options, platform::DeviceSystem& devices,
                sim::SimulatedDeviceSystem* bus, std::ostream& out, std::ostream& err);

}  // namespace frontend
