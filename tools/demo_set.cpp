#include "tools/demo_set.h"

#include <fstream>

#include "res/resource.h"

namespace sim {

namespace {

constexpr std::array<std::uint8_t, 4> kEF64Tag{1, 2, 3, 4};
constexpr std::array<std::uint8_t, 4> kEF64Version{100, 2, 0, 0};
constexpr std::array<std::uint8_t, 4> kEF32_0Tag{7, 8, 9, 10};
constexpr std::array<std::uint8_t, 4> kEF32_0Version{1, 2, 0, 0};

struct MainEntry {
    int resourceId;
    std::string_view fileName;
    FlashMemory memory;
    int set;
};

constexpr MainEntry kMainEntries[] = {
    {IDR_EF64_MAIN_1, "ef64_main_1.bin", FlashMemory::EF64, 1},
    {IDR_EF64_MAIN_2, "ef64_main_2.bin", FlashMemory::EF64, 2},
    {IDR_EF64_MAIN_3, "ef64_main_3.bin", FlashMemory::EF64, 3},
    {IDR_EF64_MAIN_4, "ef64_main_4.bin", FlashMemory::EF64, 4},
    {IDR_EF64_MAIN_5, "ef64_main_5.bin", FlashMemory::EF64, 5},
    {IDR_EF32_0_MAIN_1, "ef32_0_main_1.bin", FlashMemory::EF32_0, 1},
    {IDR_EF32_0_MAIN_2, "ef32_0_main_2.bin", FlashMemory::EF32_0, 2},
    {IDR_EF32_0_MAIN_3, "ef32_0_main_3.bin", FlashMemory::EF32_0, 3},
    {IDR_EF32_0_MAIN_4, "ef32_0_main_4.bin", FlashMemory::EF32_0, 4},
    {IDR_EF32_0_MAIN_5, "ef32_0_main_5.bin", FlashMemory::EF32_0, 5},
};

}  // namespace

Firmware demoFirmware(FlashMemory memory, int set) {
    Firmware firmware;
    bool ef64 = memory == FlashMemory::EF64;
    firmware.tag = ef64 ? kEF64Tag : kEF32_0Tag;
    firmware.version = ef64 ? kEF64Version : kEF32_0Version;
    firmware.name = ef64 ? "QPL_F_TR52_64_APP" : "QPL_F_TR52_64_OTA";
    if (set >= 2 && set <= kDemoSetCount) firmware.name += "_00" + std::to_string(set - 1);
    return firmware;
}

std::vector<DemoFile> buildDemoSet() {
    std::vector<DemoFile> files;
    files.push_back({IDR_RESERVED_134, "reserved_134.bin", reservedResource()});
    files.push_back({IDR_EF64_INFO, "ef64_info.bin", infoImage(plainInfoPage(FlashMemory::EF64))});
    files.push_back(
        {IDR_EF32_0_INFO, "ef32_0_info.bin", infoImage(plainInfoPage(FlashMemory::EF32_0))});
    for (const MainEntry& entry : kMainEntries)
        files.push_back({entry.resourceId, entry.fileName,
                         buildMainImage(demoFirmware(entry.memory, entry.set))});
    return files;
}

bool writeDemoSet(const std::filesystem::path& directory, std::string& error) {
    for (const DemoFile& file : buildDemoSet()) {
        std::filesystem::path path = directory / file.fileName;
        std::ofstream out(path, std::ios::binary | std::ios::trunc);
        out.write(reinterpret_cast<const char*>(file.bytes.data()),
                  static_cast<std::streamsize>(file.bytes.size()));
        out.close();
        if (!out) {
            error = "cannot write " + path.string();
            return false;
        }
    }
    return true;
}

}  // namespace sim
