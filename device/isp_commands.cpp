#include "device/isp_commands.h"

namespace {

constexpr std::array kAll{
    ISP_CMD_MASK_QUERY,
    ISP_CMD_SELECT_AES_KEY,
    ISP_CMD_EXECUTE,
    ISP_CMD_READ_FW_INFO,
    ISP_CMD_READ_EF32_0_INFO,
    ISP_CMD_SEND_IMAGE_HEAD,
    ISP_CMD_READ_IMAGE_INFO,
    ISP_CMD_ERASE_EF64_MAIN,
    ISP_CMD_ERASE_EF64_INFO,
    ISP_CMD_CHECKSUM_EF64_MAIN,
    ISP_CMD_CHECKSUM_EF64_INFO,
    ISP_CMD_JUMP_EF64,
    ISP_CMD_PROGRAM_EF32_0_MAIN,
    ISP_CMD_CHECKSUM_EF32_0_MAIN,
    ISP_CMD_PROGRAM_EF32_INFO,
    ISP_CMD_CHECKSUM_EF32_INFO,
    ISP_CMD_JUMP_EF32,
    ISP_CMD_PROGRAM_EF64_MAIN_PROTECT,
    ISP_CMD_PROGRAM_EF64_INFO_PROTECT,
    ISP_CMD_PROGRAM_EF64_MAIN_MASK_OTA,
    ISP_CMD_PROGRAM_EF64_INFO_MASK_OTA,
};

}  // namespace

std::span<const IspCommand> AllIspCommands() {
    return kAll;
}

std::array<std::uint8_t, 16> BuildCdb(const IspCommand& command, Tail tail, std::uint8_t argument) {
    std::array<std::uint8_t, 16> cdb{};
    cdb[0] = 0xFF;
    cdb[1] = command.opcode;
    cdb[2] = command.byte2Kind == Byte2::Fixed ? command.byte2 : argument;
    if (tail == Tail::Sequence)
        for (std::uint8_t i = 0; i < 9; ++i) cdb[7 + i] = static_cast<std::uint8_t>(i + 1);
    return cdb;
}
