#pragma once

#include <cstdint>
#include <span>

#include "device/isp_commands.h"

namespace sim {

// Which programming opcodes a location's EF64 code understands.
enum class EF64Dialect { Protect, MaskOta };

// The command a CDB carries, by its operation code (and byte 2 for the 0xA0 group); null for
// a CDB the command set does not have.
const IspCommand* identifyCommand(std::span<const std::uint8_t> cdb, EF64Dialect dialect);

}  // namespace sim
