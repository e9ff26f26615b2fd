#include "firmware/load_firmware_images.h"

#include <array>
#include <string>

#include "app/quill_pcisp_dlg.h"
#include "device/isp_commands.h"
#include "res/resource.h"

namespace {

struct ImageEntry {
    int id;
    const char* name;  // empty for resource 134
    std::size_t size;
    const std::uint8_t* UpdateState::*pointer;
};

constexpr std::array<ImageEntry, 13> kImages{{
    {IDR_RESERVED_134, "", 256, nullptr},
    {IDR_EF64_INFO, "EF64_Info", kInfoImageSize, &UpdateState::g_pEF64_Info},
    {IDR_EF32_0_INFO, "EF32_0_Info", kInfoImageSize, &UpdateState::g_pEF32_0_Info},
    {IDR_EF64_MAIN_1, "EF64_Main_1", kMainImageSize, &UpdateState::g_pEF64_Main_1},
    {IDR_EF64_MAIN_2, "EF64_Main_2", kMainImageSize, &UpdateState::g_pEF64_Main_2},
    {IDR_EF64_MAIN_3, "EF64_Main_3", kMainImageSize, &UpdateState::g_pEF64_Main_3},
    {IDR_EF64_MAIN_4, "EF64_Main_4", kMainImageSize, &UpdateState::g_pEF64_Main_4},
    {IDR_EF64_MAIN_5, "EF64_Main_5", kMainImageSize, &UpdateState::g_pEF64_Main_5},
    {IDR_EF32_0_MAIN_1, "EF32_0_Main_1", kMainImageSize, &UpdateState::g_pEF32_0_Main_1},
    {IDR_EF32_0_MAIN_2, "EF32_0_Main_2", kMainImageSize, &UpdateState::g_pEF32_0_Main_2},
    {IDR_EF32_0_MAIN_3, "EF32_0_Main_3", kMainImageSize, &UpdateState::g_pEF32_0_Main_3},
    {IDR_EF32_0_MAIN_4, "EF32_0_Main_4", kMainImageSize, &UpdateState::g_pEF32_0_Main_4},
    {IDR_EF32_0_MAIN_5, "EF32_0_Main_5", kMainImageSize, &UpdateState::g_pEF32_0_Main_5},
}};

std::string Message(const char* verb, const ImageEntry& entry) {
    std::string text = verb;
    if (*entry.name != '\0') text += std::string(" ") + entry.name;
    return text;
}

}  // namespace

void LoadFirmwareImages(CQuillPCISPDlg& dlg) {
    const platform::ResourceProvider& resources = dlg.GetPlatform().resources;
    for (const ImageEntry& entry : kImages) {
        auto found = resources.find(entry.id);
        if (!found) {
            dlg.Host()->messageBox(Message("findresource", entry));
            return;
        }
        auto loaded = resources.load(*found);
        // Data shorter than the image it stands for would be read past its end: not loaded.
        if (!loaded || loaded->size < entry.size) {
            dlg.Host()->messageBox(Message("loadresource", entry));
            continue;
        }
        if (entry.pointer != nullptr) dlg.*entry.pointer = loaded->data;
    }
}
