#pragma once

#include <ostream>

#include "frontend/options.h"
#include "platform/device_system.h"

namespace sim {
class SimulatedDeviceSystem;
}

namespace frontend {

// Runs the dialog in its desktop window until it is closed; returns the exit status. Refuses
// with 64 when there is no display to open it on. With --simulate, `bus` is the simulated
// device system that `devices` refers to, and the window's context menu can unplug and plug
// in the simulated product.
int RunDesktop(int& argc, char** argv, const Options& options, platform::DeviceSystem& devices,
               sim::SimulatedDeviceSystem* bus, std::ostream& err);

}  // namespace frontend
