#pragma once

#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "tools/image_builder.h"

namespace sim {

// The image set the updater carries: resource 134, both information images and five main
// images for each memory. Every set of a memory has the same version; sets 2 to 5 carry the
// name groups "_001" to "_004".
inline constexpr int kDemoSetCount = 5;

Firmware demoFirmware(FlashMemory memory, int set);

struct DemoFile {
    int resourceId;
    std::string_view fileName;
    std::vector<std::uint8_t> bytes;
};

std::vector<DemoFile> buildDemoSet();

// Writes the set into `directory` (which must exist); false with a reason on failure.
bool writeDemoSet(const std::filesystem::path& directory, std::string& error);

}  // namespace sim
