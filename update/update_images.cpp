#include "update/update_images.h"

#include <initializer_list>
#include <utility>

#include "app/quill_pcisp_dlg.h"
#include "device/usb_ids.h"

namespace {

using Need = std::pair<const std::uint8_t*, const char*>;

std::optional<std::string> FirstMissing(std::initializer_list<Need> needs) {
    for (const auto& [image, name] : needs)
        if (image == nullptr) return std::string(name);
    return std::nullopt;
}

}  // namespace

std::optional<std::string> MissingUpdateImage(const CQuillPCISPDlg& d) {
    if (d.m_wDevicePID == PID_MASK_CODE) {
        if (d.g_MaskVariant0210 != 1) return std::nullopt;
        return FirstMissing({{d.g_pEF32_0_Main_1, "EF32_0_Main_1"},
                             {d.g_pEF32_0_Info, "EF32_0_Info"},
                             {d.g_pEF64_Main_1, "EF64_Main_1"},
                             {d.g_pEF64_Info, "EF64_Info"}});
    }
    if (d.m_wDeviceVID == VID_APPLICATION && d.m_bProjectMatched == 1) {
        if (d.m_bApplicationCode == 0)
            return FirstMissing(
                {{d.g_pEF64_Selected, "EF64 of the name group"}, {d.g_pEF64_Info, "EF64_Info"}});
        bool writesEf32 = d.g_EF64_Verdict != EF64_ANTIQUE && d.g_EF64_Verdict != EF64_CURRENT &&
                          d.g_EF64_Verdict != EF64_NEW && d.g_EF32_0_Verdict >= EF32_0_NO_CODE &&
                          d.g_EF32_0_Verdict <= EF32_0_NEW;
        if (!writesEf32) return std::nullopt;
        return FirstMissing({{d.g_pEF32_0_Selected, "EF32_0 of the name group"},
                             {d.g_pEF32_0_Info, "EF32_0_Info"}});
    }
    if (d.m_wDevicePID == PID_PROTECT_CODE)
        return FirstMissing(
            {{d.g_pEF64_Selected, "EF64 of the name group"}, {d.g_pEF64_Info, "EF64_Info"}});
    return std::nullopt;
}
