// Discovery over disks whose identifiers come from the fuzzer: never reads past a string,
// never opens a disk that is not the product.
#include <cstdint>
#include <string>
#include <string_view>

#include "device/usb_identity.h"
#include "fuzz/fuzz_dialog.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::string_view input(reinterpret_cast<const char*>(data), size);
    // Up to three disks, fields separated by NUL: compatible id, parent id, path.
    fuzzing::FuzzDialog f;
    std::size_t at = 0;
    auto next = [&] {
        std::size_t end = input.find('\0', at);
        std::string field(input.substr(at, end == std::string_view::npos ? end : end - at));
        at = end == std::string_view::npos ? input.size() : end + 1;
        return field;
    };
    for (int disk = 0; disk < 3 && at < input.size(); ++disk) {
        sim::DiskEntry entry;
        entry.compatibleId = next();
        entry.parentDeviceId = next();
        entry.path = next();
        if (entry.path.empty()) entry.path = "sim:/dev/sg24" + std::to_string(disk);
        ParseParentDeviceId(*entry.parentDeviceId);
        IsUsbStorageDisk(*entry.compatibleId);
        f.devices.attach(std::move(entry), false);
    }
    f.start();
    const auto& d = *f.dlg;
    if (d.m_wDevicePID != 0 && d.m_szDevicePath.size() > 254) __builtin_trap();
    if (d.m_bDeviceFound && d.m_wDeviceVID != 0x4D7B && d.m_wDeviceVID != 0x6E39) __builtin_trap();
    return 0;
}
