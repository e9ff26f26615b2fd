// Identity records from the device: the log lines, the version number, the EF32_0 record
// tests and the firmware name test, on any 64 bytes and any mode.
#include <cstdint>

#include "assess/ef32_0_record.h"
#include "firmware/fw_identity.h"
#include "fuzz/fuzz_dialog.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < FwIdentity::kSize + 1) return 0;
    FwIdentity record = FwIdentity::FromBytes(data);
    std::uint8_t mode = data[FwIdentity::kSize];

    std::int32_t number = VersionNumber(record);
    if (number < 0 || number > 283305) __builtin_trap();
    IsErasedRecord(record);
    HasProtectSignature(record);
    HasEF32_0Tag(record);
    IdentityLine(RecordSource::DeviceEF64, record);

    fuzzing::FuzzDialog f;
    f.start();
    f.dlg->Compare_DUT_FW_Name(NameLine(RecordSource::DeviceEF32_0, record), mode);
    f.dlg->Compare_DUT_FW_Name(NameLine(RecordSource::Image, record), mode);
    if (f.dlg->m_nFwGroup > 4) __builtin_trap();
    return 0;
}
