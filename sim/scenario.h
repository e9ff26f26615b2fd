#pragma once

#include <memory>
#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "platform/scheduler.h"
#include "sim/product.h"
#include "sim/simulated_device_system.h"

namespace sim {

// The scenario names, in the order the usage text lists them.
std::span<const std::string_view> scenarioNames();

// Builds the product of a scenario and plugs it into `bus`. The scenario "none" gives a null
// product; an unknown name gives nothing and a reason in `error`.
std::optional<std::shared_ptr<Product>> makeScenario(std::string_view name,
                                                     SimulatedDeviceSystem& bus,
                                                     platform::Scheduler& scheduler,
                                                     std::string& error,
                                                     ProductOptions options = {});

// Factory programming: writes a firmware's deciphered body and the matching information
// pages into a memory, as the controller would after a complete update.
void installFirmware(EFlash& memory, std::span<const std::uint8_t> plainBody,
                     std::span<const std::uint8_t> plainInfoPage);

}  // namespace sim
