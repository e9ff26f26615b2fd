#include "sim/product.h"

#include <algorithm>
#include <initializer_list>

#include "tools/block_cipher.h"
#include "tools/key_slots.h"

namespace sim {

namespace {

// Sense keys and additional sense codes of the fixed-format sense data.
struct Sense {
    std::uint8_t key;
    std::uint8_t asc;
    std::uint8_t ascq;
};
constexpr Sense kInvalidOpcode{0x05, 0x20, 0x00};
constexpr Sense kInvalidField{0x05, 0x24, 0x00};
constexpr Sense kSequenceError{0x05, 0x2C, 0x00};
constexpr Sense kMiscompare{0x0E, 0x1D, 0x00};
constexpr Sense kTargetFailure{0x04, 0x44, 0x00};

using Commands = std::initializer_list<const IspCommand*>;

bool among(const IspCommand& command, Commands commands) {
    return std::find(commands.begin(), commands.end(), &command) != commands.end();
}

const Commands kEF64Service{&ISP_CMD_SELECT_AES_KEY,     &ISP_CMD_ERASE_EF64_MAIN,
                            &ISP_CMD_ERASE_EF64_INFO,    &ISP_CMD_CHECKSUM_EF64_MAIN,
                            &ISP_CMD_CHECKSUM_EF64_INFO, &ISP_CMD_JUMP_EF64};
const Commands kEF64MaskOtaProgramming{&ISP_CMD_PROGRAM_EF64_MAIN_MASK_OTA,
                                       &ISP_CMD_PROGRAM_EF64_INFO_MASK_OTA};
const Commands kEF32Service{&ISP_CMD_PROGRAM_EF32_0_MAIN, &ISP_CMD_CHECKSUM_EF32_0_MAIN,
                            &ISP_CMD_PROGRAM_EF32_INFO, &ISP_CMD_CHECKSUM_EF32_INFO,
                            &ISP_CMD_JUMP_EF32};
const Commands kIdentityCommands{&ISP_CMD_SELECT_AES_KEY, &ISP_CMD_READ_FW_INFO,
                                 &ISP_CMD_READ_EF32_0_INFO, &ISP_CMD_SEND_IMAGE_HEAD,
                                 &ISP_CMD_READ_IMAGE_INFO};

std::vector<std::uint8_t> maskQueryReply(MaskVariant variant) {
    std::vector<std::uint8_t> reply(kMaskQueryLength, 0);
    std::string_view text =
        variant == MaskVariant::V0210 ? "QPL BOOT ROM 0210" : "QPL BOOT ROM 0110";
    std::copy(text.begin(), text.end(), reply.begin());
    return reply;
}

}  // namespace

struct Product::Outcome {
    std::optional<Sense> failure;
    std::vector<std::uint8_t> dataIn;
    std::optional<CodeLocation> restartInto;

    static Outcome good() { return {}; }
    static Outcome fail(Sense sense) { return {sense, {}, std::nullopt}; }
    static Outcome reply(std::vector<std::uint8_t> data) {
        return {std::nullopt, std::move(data), std::nullopt};
    }
    static Outcome restart(CodeLocation location) { return {std::nullopt, {}, location}; }
};

std::shared_ptr<Product> Product::create(SimulatedDeviceSystem& bus, platform::Scheduler& scheduler,
                                         ProductOptions options) {
    return std::shared_ptr<Product>(new Product(bus, scheduler, std::move(options)));
}

Product::Product(SimulatedDeviceSystem& bus, platform::Scheduler& scheduler, ProductOptions options)
    : bus_(bus), scheduler_(scheduler), options_(std::move(options)) {}

void Product::plugIn() {
    if (onBus_) return;
    ++epoch_;
    attachAs(bootSelection());
}

void Product::unplug() {
    ++epoch_;
    leaveBus();
}

std::string Product::parentDeviceId() const {
    return sim::parentDeviceId(usbIdentityOf(location_), location_ == CodeLocation::OtaCode
                                                             ? options_.otaSerial
                                                             : options_.serial);
}

bool Product::holdsOtaCode() const {
    return ef32_0_.valid() && !isProtectedLoaderRecord(ef32_0_.record());
}

bool Product::holdsProtectedLoader() const {
    return ef32_0_.valid() && isProtectedLoaderRecord(ef32_0_.record());
}

CodeLocation Product::bootSelection() const {
    if (ef64_.valid()) return CodeLocation::ApplicationCode;
    if (holdsOtaCode()) return CodeLocation::OtaCode;
    if (holdsProtectedLoader()) return CodeLocation::ProtectCode;
    return CodeLocation::MaskCode;
}

void Product::attachAs(CodeLocation location) {
    location_ = location;
    keySlot_.reset();
    imageRecord_.reset();
    onBus_ = true;
    DiskEntry entry;
    entry.path = options_.diskPath;
    entry.parentDeviceId = parentDeviceId();
    entry.target = shared_from_this();
    bus_.attach(std::move(entry));
}

void Product::leaveBus() {
    if (!onBus_) return;
    onBus_ = false;
    bus_.detach(options_.diskPath);
}

void Product::restartInto(CodeLocation location) {
    leaveBus();
    std::uint64_t epoch = ++epoch_;
    std::weak_ptr<Product> self = weak_from_this();
    scheduler_.schedule(options_.restartDelayMs, [self, epoch, location] {
        auto product = self.lock();
        if (product && product->epoch_ == epoch && !product->onBus_) product->attachAs(location);
    });
}

EF64Dialect Product::dialect() const {
    return location_ == CodeLocation::ProtectCode ? EF64Dialect::Protect : EF64Dialect::MaskOta;
}

CommandLevel Product::applicationLevel() const {
    return commandLevelOf(ef64_.main());
}

bool Product::accepts(const IspCommand& command) const {
    switch (location_) {
        case CodeLocation::MaskCode:
            return among(command, {&ISP_CMD_MASK_QUERY}) || among(command, kEF64Service) ||
                   among(command, kEF64MaskOtaProgramming) || among(command, kEF32Service);
        case CodeLocation::ProtectCode:
            return among(command, kEF64Service) ||
                   among(command,
                         {&ISP_CMD_PROGRAM_EF64_MAIN_PROTECT, &ISP_CMD_PROGRAM_EF64_INFO_PROTECT});
        case CodeLocation::ApplicationCode:
            if (among(command, {&ISP_CMD_EXECUTE}) || among(command, kEF32Service)) return true;
            return applicationLevel() == CommandLevel::Current && among(command, kIdentityCommands);
        case CodeLocation::OtaCode:
            return among(command, {&ISP_CMD_READ_FW_INFO}) || among(command, kEF64Service) ||
                   among(command, kEF64MaskOtaProgramming);
    }
    return false;
}

bool Product::passThrough(platform::PassThroughRequest& request) {
    if (!onBus_) return false;
    request.scsiStatus = platform::kScsiStatusGood;
    request.sense.fill(0);
    request.bytesTransferred = 0;

    std::span<const std::uint8_t> cdb(request.cdb.data(),
                                      std::min<std::size_t>(request.cdbLength, request.cdb.size()));
    std::vector<std::uint8_t> received;
    if (!request.dataIn && request.dataBuffer != nullptr)
        received.assign(request.dataBuffer, request.dataBuffer + request.dataTransferLength);
    TraceEntry entry;
    std::copy(cdb.begin(), cdb.end(), entry.cdb.begin());
    entry.cdbLength = static_cast<std::uint8_t>(cdb.size());
    entry.dataIn = request.dataIn;
    entry.transferLength = request.dataTransferLength;
    entry.dataOut = received;
    trace_.record(std::move(entry));

    const IspCommand* command = identifyCommand(cdb, dialect());
    std::optional<FaultKind> fault = command ? faults_.take(command->name) : std::nullopt;
    if (fault == FaultKind::Transport || fault == FaultKind::Timeout) return false;
    if (fault == FaultKind::Corrupt && !received.empty()) received[received.size() / 2] ^= 0x10;

    Outcome outcome;
    if (fault == FaultKind::CheckCondition) {
        outcome = Outcome::fail(kTargetFailure);
    } else if (fault == FaultKind::Unplug) {
        // Power goes while the data is being written: half of it lands.
        if (accepts(*command) && command->direction == 0 && command->transferLength != 0)
            execute(*command, request, received, true);
        unplug();
        return false;
    } else if (command == nullptr || !accepts(*command)) {
        outcome = Outcome::fail(kInvalidOpcode);
    } else {
        outcome = execute(*command, request, received, false);
    }

    if (outcome.failure) {
        request.scsiStatus = platform::kScsiStatusCheckCondition;
        request.sense[0] = 0x70;
        request.sense[2] = outcome.failure->key;
        request.sense[7] = 10;
        request.sense[12] = outcome.failure->asc;
        request.sense[13] = outcome.failure->ascq;
        return true;
    }
    if (request.dataIn) {
        std::size_t moved =
            std::min<std::size_t>(request.dataTransferLength, outcome.dataIn.size());
        if (request.dataBuffer == nullptr) moved = 0;
        if (fault == FaultKind::Short) moved /= 2;
        if (fault == FaultKind::Corrupt)
            for (std::size_t i = 0; i < moved; ++i) outcome.dataIn[i] ^= 0x5A;
        std::copy_n(outcome.dataIn.begin(), moved, request.dataBuffer);
        request.bytesTransferred = static_cast<std::uint32_t>(moved);
    } else {
        request.bytesTransferred = static_cast<std::uint32_t>(received.size());
    }
    if (outcome.restartInto) restartInto(*outcome.restartInto);
    return true;
}

std::optional<std::vector<std::uint8_t>> Product::decipherReceived(
    std::span<const std::uint8_t> received) const {
    if (!keySlot_) return std::nullopt;
    auto key = keyOfSlot(*keySlot_);
    if (!key) return std::nullopt;
    return decipher(*key, received);
}

Product::Outcome Product::program(std::span<const std::uint8_t> received,
                                  std::uint32_t expectedLength,
                                  const platform::PassThroughRequest& request, bool cutShort,
                                  EFlash& memory, std::optional<std::size_t> page,
                                  EFlash::WriteMode mode) {
    if (request.dataIn || received.size() != expectedLength) return Outcome::fail(kInvalidField);
    if (!keySlot_) return Outcome::fail(kSequenceError);
    auto plain = decipherReceived(received);
    if (!plain) return Outcome::fail(kTargetFailure);
    if (cutShort) plain->resize(plain->size() / 2);
    if (page)
        memory.writeInfoPage(*page, *plain, mode);
    else
        memory.writeMain(*plain, mode);
    return Outcome::good();
}

Product::Outcome Product::execute(const IspCommand& command,
                                  const platform::PassThroughRequest& request,
                                  std::span<const std::uint8_t> received, bool cutShort) {
    const std::uint8_t byte2 = request.cdb[2];
    auto check = [](bool intact) { return intact ? Outcome::good() : Outcome::fail(kMiscompare); };

    if (&command == &ISP_CMD_MASK_QUERY)
        return Outcome::reply(maskQueryReply(options_.maskVariant));
    if (&command == &ISP_CMD_SELECT_AES_KEY) {
        bool present = keyOfSlot(byte2).has_value();
        if (location_ == CodeLocation::MaskCode && options_.maskVariant == MaskVariant::V0110 &&
            byte2 == kSlotMaskProbe)
            present = false;
        if (!present) return Outcome::fail(kInvalidField);
        keySlot_ = byte2;
        return Outcome::good();
    }
    if (&command == &ISP_CMD_READ_FW_INFO) {
        const EFlash& running = location_ == CodeLocation::OtaCode ? ef32_0_ : ef64_;
        IdentityRecord record = running.record();
        return Outcome::reply({record.begin(), record.end()});
    }
    if (&command == &ISP_CMD_READ_EF32_0_INFO) {
        IdentityRecord record = ef32_0_.record();
        return Outcome::reply({record.begin(), record.end()});
    }
    if (&command == &ISP_CMD_SEND_IMAGE_HEAD) {
        if (request.dataIn || received.size() != kImageHeadSize)
            return Outcome::fail(kInvalidField);
        if (!keySlot_) return Outcome::fail(kSequenceError);
        auto plain = decipherReceived(received.subspan(kLeadInSize));
        if (!plain) return Outcome::fail(kTargetFailure);
        imageRecord_ = recordOf(*plain);
        return Outcome::good();
    }
    if (&command == &ISP_CMD_READ_IMAGE_INFO) {
        if (!imageRecord_) return Outcome::fail(kSequenceError);
        return Outcome::reply({imageRecord_->begin(), imageRecord_->end()});
    }
    if (&command == &ISP_CMD_ERASE_EF64_MAIN) {
        ef64_.eraseMain();
        return Outcome::good();
    }
    if (&command == &ISP_CMD_ERASE_EF64_INFO) {
        ef64_.eraseInfoPages();
        return Outcome::good();
    }
    if (&command == &ISP_CMD_PROGRAM_EF64_MAIN_PROTECT ||
        &command == &ISP_CMD_PROGRAM_EF64_MAIN_MASK_OTA)
        return program(received, kMainBodyLength, request, cutShort, ef64_, std::nullopt,
                       EFlash::WriteMode::ClearBits);
    if (&command == &ISP_CMD_PROGRAM_EF64_INFO_PROTECT ||
        &command == &ISP_CMD_PROGRAM_EF64_INFO_MASK_OTA)
        return program(received, kInfoPageLength, request, cutShort, ef64_, 0,
                       EFlash::WriteMode::ClearBits);
    if (&command == &ISP_CMD_CHECKSUM_EF64_MAIN) return check(ef64_.mainIntact());
    if (&command == &ISP_CMD_CHECKSUM_EF64_INFO) return check(ef64_.infoPageIntact(0));
    if (&command == &ISP_CMD_PROGRAM_EF32_0_MAIN)
        return program(received, kMainBodyLength, request, cutShort, ef32_0_, std::nullopt,
                       EFlash::WriteMode::EraseAndWrite);
    if (&command == &ISP_CMD_PROGRAM_EF32_INFO) {
        if (byte2 >= ef32_0_.infoPageCount()) return Outcome::fail(kInvalidField);
        return program(received, kInfoPageLength, request, cutShort, ef32_0_, byte2,
                       EFlash::WriteMode::EraseAndWrite);
    }
    if (&command == &ISP_CMD_CHECKSUM_EF32_0_MAIN) return check(ef32_0_.mainIntact());
    if (&command == &ISP_CMD_CHECKSUM_EF32_INFO) {
        if (byte2 >= ef32_0_.infoPageCount()) return Outcome::fail(kInvalidField);
        return check(ef32_0_.infoPageIntact(byte2));
    }
    if (&command == &ISP_CMD_JUMP_EF64)
        return Outcome::restart(ef64_.valid() ? CodeLocation::ApplicationCode : bootSelection());
    if (&command == &ISP_CMD_JUMP_EF32 || &command == &ISP_CMD_EXECUTE)
        return Outcome::restart(holdsOtaCode() ? CodeLocation::OtaCode : bootSelection());
    return Outcome::fail(kInvalidOpcode);
}

}  // namespace sim
