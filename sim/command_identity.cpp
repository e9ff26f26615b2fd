#include "sim/command_identity.h"

namespace sim {

namespace {

const IspCommand* const kCommon[] = {
    &ISP_CMD_MASK_QUERY,
    &ISP_CMD_SELECT_AES_KEY,
    &ISP_CMD_EXECUTE,
    &ISP_CMD_READ_FW_INFO,
    &ISP_CMD_READ_EF32_0_INFO,
    &ISP_CMD_SEND_IMAGE_HEAD,
    &ISP_CMD_READ_IMAGE_INFO,
    &ISP_CMD_ERASE_EF64_MAIN,
    &ISP_CMD_ERASE_EF64_INFO,
    &ISP_CMD_CHECKSUM_EF64_MAIN,
    &ISP_CMD_CHECKSUM_EF64_INFO,
    &ISP_CMD_JUMP_EF64,
    &ISP_CMD_PROGRAM_EF32_0_MAIN,
    &ISP_CMD_CHECKSUM_EF32_0_MAIN,
    &ISP_CMD_PROGRAM_EF32_INFO,
    &ISP_CMD_CHECKSUM_EF32_INFO,
    &ISP_CMD_JUMP_EF32,
};

const IspCommand* const kProtect[] = {&ISP_CMD_PROGRAM_EF64_MAIN_PROTECT,
                                      &ISP_CMD_PROGRAM_EF64_INFO_PROTECT};
const IspCommand* const kMaskOta[] = {&ISP_CMD_PROGRAM_EF64_MAIN_MASK_OTA,
                                      &ISP_CMD_PROGRAM_EF64_INFO_MASK_OTA};

bool matches(const IspCommand& command, std::span<const std::uint8_t> cdb) {
    if (cdb[1] != command.opcode) return false;
    // Only the 0xA0 group tells its commands apart by byte 2.
    return command.opcode != 0xA0 || cdb[2] == command.byte2;
}

}  // namespace

const IspCommand* identifyCommand(std::span<const std::uint8_t> cdb, EF64Dialect dialect) {
    if (cdb.size() < 3 || cdb[0] != 0xFF) return nullptr;
    for (const IspCommand* command : dialect == EF64Dialect::Protect ? kProtect : kMaskOta)
        if (matches(*command, cdb)) return command;
    for (const IspCommand* command : kCommon)
        if (matches(*command, cdb)) return command;
    return nullptr;
}

}  // namespace sim
