#pragma once

#include <cstdint>
#include <string_view>

#include "device/isp_commands.h"
#include "platform/device_system.h"

class CQuillPCISPDlg;

// What tells the two EF64 procedures apart: the code on the device speaks one of two
// dialects.
struct Ef64Dialect {
    const IspCommand& programMain;
    const IspCommand& programInfo;
    Tail tailFromProgram;  // the tail of the program command and everything after it
    std::string_view jumpLine;
};

inline constexpr Ef64Dialect kProtectDialect{ISP_CMD_PROGRAM_EF64_MAIN_PROTECT,
                                             ISP_CMD_PROGRAM_EF64_INFO_PROTECT, Tail::Sequence,
                                             "Jump to EFlash"};
inline constexpr Ef64Dialect kMaskOtaDialect{ISP_CMD_PROGRAM_EF64_MAIN_MASK_OTA,
                                             ISP_CMD_PROGRAM_EF64_INFO_MASK_OTA, Tail::Zero,
                                             "Jump to EFlash 64*8"};

// Erase, key slot, program, device check, key slot, information page, device check, jump.
bool RunEf64Procedure(CQuillPCISPDlg& dlg, platform::DeviceHandle& device,
                      const std::uint8_t* ef64Main, const Ef64Dialect& dialect);
