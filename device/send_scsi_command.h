#pragma once

#include <cstdint>

#include "platform/device_system.h"

class CQuillPCISPDlg;

// Direction values given to the transport.
inline constexpr std::uint8_t SCSI_IOCTL_DATA_OUT = 0;
inline constexpr std::uint8_t SCSI_IOCTL_DATA_IN = 1;

// Sends one CDB on an open device with up to three immediate attempts, logging one failure
// line per failed attempt. A request succeeds when it completed with GOOD status and, for a
// data-in request, moved every byte asked for.
bool SendSCSICommand(CQuillPCISPDlg& dlg, platform::DeviceHandle& device, const std::uint8_t* cdb,
                     std::uint8_t cdbLength, std::uint8_t* buffer, std::uint32_t transferLength,
                     std::uint8_t direction);

// ISP_CMD_EXECUTE: FF A0 02 as an 11-byte CDB, no data; the outcome is not passed on.
void SendISPExecute(CQuillPCISPDlg& dlg, platform::DeviceHandle& device);
