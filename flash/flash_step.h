#pragma once

#include <cstdint>
#include <string_view>

#include "device/isp_commands.h"
#include "platform/device_system.h"

class CQuillPCISPDlg;

// One step of a programming procedure: its log line, then its command. A failed command adds
// "FAIL." to the log. Returns whether the command succeeded.
bool FlashStep(CQuillPCISPDlg& dlg, platform::DeviceHandle& device, std::string_view line,
               const IspCommand& command, Tail tail, std::uint8_t argument = 0,
               const std::uint8_t* image = nullptr);
