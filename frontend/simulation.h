#pragma once

#include <memory>
#include <optional>
#include <ostream>

#include "frontend/options.h"
#include "platform/scheduler.h"
#include "sim/product.h"
#include "sim/simulated_device_system.h"

namespace frontend {

// The simulated product of --simulate, in its scenario's state, with the faults of --fault and
// the request trace of --trace on `err`. A null product for the scenario "none"; nothing, with
// the reason on `err`, when the scenario cannot be built.
std::optional<std::shared_ptr<sim::Product>> StartSimulation(const Options& options,
                                                             sim::SimulatedDeviceSystem& bus,
                                                             platform::Scheduler& scheduler,
                                                             std::ostream& err);

}  // namespace frontend
