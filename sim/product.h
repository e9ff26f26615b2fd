#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "device/isp_commands.h"
#include "platform/scheduler.h"
#include "sim/code_location.h"
#include "sim/command_identity.h"
#include "sim/eflash.h"
#include "sim/fault_injection.h"
#include "sim/request_trace.h"
#include "sim/simulated_device_system.h"
#include "tools/firmware_layout.h"

namespace sim {

struct ProductOptions {
    MaskVariant maskVariant = MaskVariant::V0210;
    std::string serial = "QP2612000001";         // shown by every location but the OTA Code
    std::string otaSerial = "00000000EF32QP01";  // shown by the OTA Code
    std::string diskPath = "sim:/dev/sg240";
    std::uint64_t restartDelayMs = 3000;  // how long a restart keeps it off the bus
};

// The product's controller: answers the vendor command set from the code location it runs
// in, deciphers and programs its two eFlash memories, checks them, restarts and comes back on
// the bus with the identity of the location its memories select.
class Product final : public RequestTarget, public std::enable_shared_from_this<Product> {
  public:
    // The product, powered off and off the bus; `bus` and `scheduler` must outlive it.
    static std::shared_ptr<Product> create(SimulatedDeviceSystem& bus,
                                           platform::Scheduler& scheduler,
                                           ProductOptions options = {});

    EFlash& ef64() { return ef64_; }
    EFlash& ef32_0() { return ef32_0_; }
    const EFlash& ef64() const { return ef64_; }
    const EFlash& ef32_0() const { return ef32_0_; }
    FaultInjector& faults() { return faults_; }
    RequestTrace& trace() { return trace_; }
    const ProductOptions& options() const { return options_; }

    // Power on: starts where the memories select and joins the bus. Nothing when already on it.
    void plugIn();
    // Power loss: leaves the bus at once; memories keep what was written; a pending restart is
    // cancelled.
    void unplug();
    bool onBus() const { return onBus_; }
    // The location it runs in (the last one, while off the bus).
    CodeLocation location() const { return location_; }
    std::string parentDeviceId() const;
    // Valid EF64: Application Code; else OTA code in EF32_0; else the protected loader; else
    // the boot ROM.
    CodeLocation bootSelection() const;

    bool passThrough(platform::PassThroughRequest& request) override;

  private:
    struct Outcome;

    Product(SimulatedDeviceSystem& bus, platform::Scheduler& scheduler, ProductOptions options);

    void attachAs(CodeLocation location);
    void leaveBus();
    void restartInto(CodeLocation location);
    EF64Dialect dialect() const;
    CommandLevel applicationLevel() const;
    bool accepts(const IspCommand& command) const;
    bool holdsOtaCode() const;
    bool holdsProtectedLoader() const;

    Outcome execute(const IspCommand& command, const platform::PassThroughRequest& request,
                    std::span<const std::uint8_t> received, bool cutShort);
    std::optional<std::vector<std::uint8_t>> decipherReceived(
        std::span<const std::uint8_t> received) const;
    Outcome program(std::span<const std::uint8_t> received, std::uint32_t expectedLength,
                    const platform::PassThroughRequest& request, bool cutShort, EFlash& memory,
                    std::optional<std::size_t> page, EFlash::WriteMode mode);

    SimulatedDeviceSystem& bus_;
    platform::Scheduler& scheduler_;
    ProductOptions options_;
    EFlash ef64_{1};
    EFlash ef32_0_{2};
    FaultInjector faults_;
    RequestTrace trace_;

    bool onBus_ = false;
    CodeLocation location_ = CodeLocation::MaskCode;
    std::uint64_t epoch_ = 0;  // a restart lands only in the epoch it was started in
    // Lost at every restart.
    std::optional<std::uint8_t> keySlot_;
    std::optional<IdentityRecord> imageRecord_;
};

}  // namespace sim
