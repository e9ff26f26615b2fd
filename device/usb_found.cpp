#include <cstdio>

#include "app/quill_pcisp_dlg.h"
#include "device/usb_identity.h"

namespace {

// Limits of the descriptor and of the platform reads.
constexpr std::size_t kMaxDevicePath = 254;      // characters, without the terminator
constexpr std::size_t kCompatibleIdChars = 260;  // with the terminator
constexpr std::size_t kParentIdChars = 160;      // with the terminator
constexpr std::size_t kSerialLineChars = 80;     // "SN:" + serial + terminator

}  // namespace

std::uint16_t CQuillPCISPDlg::USBFound() {
    std::uint16_t result = 0;
    m_wDeviceVID = 0;

    auto interfaces = GetPlatform().devices.presentDiskInterfaces();
    if (!interfaces) {
        LogAppend("USBFound handle error");
        return 0;
    }
    m_bApplicationCode = 0;
    m_bDeviceFound = 0;
    m_nMaskProbeDelay = 0;

    for (std::size_t index = 0; interfaces->exists(index); ++index) {
        auto path = interfaces->interfacePath(index);
        if (!path) {
            LogAppend("USBFound get interface detail error");
            continue;
        }
        auto compatible = interfaces->compatibleId(index);
        if (!compatible || compatible->size() >= kCompatibleIdChars) {
            LogAppend("USBFound get registry property error");
            break;
        }
        if (!interfaces->hasParent(index)) {
            LogAppend("USBFound get parent ID error");
            break;
        }
        auto parentId = interfaces->parentDeviceId(index);
        if (!parentId || parentId->size() >= kParentIdChars) {
            LogAppend("USBFound get device id error");
            break;
        }
        if (!IsUsbStorageDisk(*compatible)) continue;

        auto identity = ParseParentDeviceId(*parentId);
        if (!identity) continue;
        char line[32];
        std::snprintf(line, sizeof line, "VID:%04X PID:%04X", identity->vid, identity->pid);
        LogAppend(line);
        LogAppend("SN:" + identity->serial.substr(0, kSerialLineChars - 4));

        CodeLocation location =
            ClassifyCodeLocation(identity->vid, identity->pid, identity->serial);
        if (location == CodeLocation::NotProduct) continue;

        if (path->size() > kMaxDevicePath) {
            LogAppend("USBFound device path too long, skipped");
            continue;
        }
        m_szDevicePath = *path;

        platform::DeviceHandle device = OpenDevice();
        if (!device.valid()) {
            LogAppend("Open Ostrel USB device failed.");
            continue;
        }
        LogAppend("Open Ostrel USB device Passed.");
        m_bProjectMatched = 0;
        m_nFwGroup = 0;
        switch (location) {
            case CodeLocation::MaskCode:
                LogAppend("Run Code at Mask Code");
                break;
            case CodeLocation::ProtectCode:
                LogAppend("Run Code at Protect_Code");
                m_bDeviceFound = 1;
                break;
            case CodeLocation::OtaCode:
                LogAppend("Run Code at Application/OTA Code");
                LogAppend("Run Code at OTA Code");
                m_bDeviceFound = 1;
                m_bApplicationCode = 0;
                break;
            case CodeLocation::ApplicationCode:
                LogAppend("Run Code at Application/OTA Code");
                LogAppend("Run Code at Application Code");
                m_bDeviceFound = 1;
                m_bApplicationCode = 1;
                break;
            case CodeLocation::NotProduct:
                break;
        }
        device.close();
        result = identity->pid;
        m_wDeviceVID = identity->vid;
    }
    interfaces.reset();

    LogAppend(m_bDeviceFound ? "USB device found!" : "USB device not found!");
    return result;
}
