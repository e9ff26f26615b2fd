#pragma once

#include <cstdint>

#include "device/isp_commands.h"
#include "platform/device_system.h"

class CQuillPCISPDlg;

// Sends one vendor command with the data phase its definition names: the reply buffer, no
// buffer, or the slice of `image` it takes. Fails without sending when the command needs an
// image and none is given.
bool SendIspCommand(CQuillPCISPDlg& dlg, platform::DeviceHandle& device, const IspCommand& command,
                    Tail tail = Tail::Zero, std::uint8_t argument = 0,
                    const std::uint8_t* image = nullptr);
