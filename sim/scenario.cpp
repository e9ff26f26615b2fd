#include "sim/scenario.h"

#include <algorithm>
#include <array>

#include "tools/image_builder.h"

namespace sim {

namespace {

constexpr std::array<std::string_view, 10> kNames{
    "none",
    "mask0210",
    "mask0110",
    "protect",
    "application-old",
    "application-current",
    "application-new",
    "application-antique",
    "application-nomatch",
    "ota",
};

Firmware ef64Firmware(std::uint8_t minor, std::string name,
                      CommandLevel level = CommandLevel::Current) {
    return {{1, 2, 3, 4}, {100, minor, 0, 0}, std::move(name), level};
}

// OTA code one version below the carried image (1.2.0.0).
Firmware olderOtaFirmware(std::string name) {
    return {{7, 8, 9, 10}, {1, 1, 0, 0}, std::move(name)};
}

void install(EFlash& memory, const Firmware& firmware, FlashMemory kind) {
    installFirmware(memory, plainMainBody(firmware), plainInfoPage(kind));
}

}  // namespace

std::span<const std::string_view> scenarioNames() {
    return kNames;
}

void installFirmware(EFlash& memory, std::span<const std::uint8_t> plainBody,
                     std::span<const std::uint8_t> plainInfoPage) {
    memory.writeMain(plainBody, EFlash::WriteMode::EraseAndWrite);
    for (std::size_t page = 0; page < memory.infoPageCount(); ++page)
        memory.writeInfoPage(page, plainInfoPage, EFlash::WriteMode::EraseAndWrite);
}

std::optional<std::shared_ptr<Product>> makeScenario(std::string_view name,
                                                     SimulatedDeviceSystem& bus,
                                                     platform::Scheduler& scheduler,
                                                     std::string& error, ProductOptions options) {
    if (std::find(kNames.begin(), kNames.end(), name) == kNames.end()) {
        error = "unknown scenario '" + std::string(name) + "'";
        return std::nullopt;
    }
    if (name == "none") return std::shared_ptr<Product>();

    if (name == "mask0110") options.maskVariant = MaskVariant::V0110;
    auto product = Product::create(bus, scheduler, std::move(options));
    EFlash& ef64 = product->ef64();
    EFlash& ef32 = product->ef32_0();
    const std::string app = "QPL_F_TR52_64_APP_001";
    const std::string ota = "QPL_F_TR52_64_OTA_001";

    if (name == "protect") {
        installFirmware(ef32, plainProtectedLoaderBody(), plainInfoPage(FlashMemory::EF32_0));
    } else if (name == "application-old") {
        install(ef64, ef64Firmware(1, app), FlashMemory::EF64);
        install(ef32, olderOtaFirmware(ota), FlashMemory::EF32_0);
    } else if (name == "application-current") {
        install(ef64, ef64Firmware(2, app), FlashMemory::EF64);
        install(ef32, olderOtaFirmware(ota), FlashMemory::EF32_0);
    } else if (name == "application-new") {
        install(ef64, ef64Firmware(3, app), FlashMemory::EF64);
        install(ef32, olderOtaFirmware(ota), FlashMemory::EF32_0);
    } else if (name == "application-antique") {
        install(ef64, ef64Firmware(0, app, CommandLevel::Antique), FlashMemory::EF64);
        install(ef32, olderOtaFirmware(ota), FlashMemory::EF32_0);
    } else if (name == "application-nomatch") {
        install(ef64, ef64Firmware(1, "OTHER_PRODUCT_APP_001"), FlashMemory::EF64);
    } else if (name == "ota") {
        install(ef32, olderOtaFirmware("QPL_F_TR52_64_OTA_002"), FlashMemory::EF32_0);
    }
    // mask0210 and mask0110: both memories erased.
    product->plugIn();
    return product;
}

}  // namespace sim
