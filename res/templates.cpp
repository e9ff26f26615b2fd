#include "res/templates.h"

#include <array>

#include "platform/message.h"
#include "res/resource.h"

namespace res {
namespace {

using platform::ControlClass;
using namespace platform;  // style flags

constexpr std::array kMainControls{
    ControlTemplate{IDC_BANNER, ControlClass::OwnerDrawButton, "Button6", {7, 8, 288, 71}, 0},
    ControlTemplate{IDC_UPDATE_FW, ControlClass::Button, "Update F/W", {301, 8, 83, 71}, 0},
    ControlTemplate{IDC_PROGRESS, ControlClass::ProgressBar, "", {7, 85, 377, 14}, kBorder},
    ControlTemplate{
        IDC_TRACE, ControlClass::Edit, "", {7, 103, 93, 14}, kHidden | kReadOnly | kAutoHScroll},
    ControlTemplate{-1, ControlClass::Static, "F/W file:", {7, 128, 28, 8}, 0},
    ControlTemplate{IDC_FW_FILE,
                    ControlClass::Edit,
                    "",
                    {42, 126, 278, 14},
                    kReadOnly | kBorder | kAutoHScroll},
    ControlTemplate{IDC_BROWSE, ControlClass::Button, "Browse", {335, 126, 50, 14}, 0},
    ControlTemplate{IDC_AUX_FILE,
                    ControlClass::Edit,
                    "",
                    {42, 144, 278, 14},
                    kHidden | kDisabled | kReadOnly | kBorder},
    ControlTemplate{
        IDC_BROWSE_AUX, ControlClass::Button, "Browse", {334, 144, 50, 14}, kHidden | kDisabled},
    ControlTemplate{-1, ControlClass::Static, "Status", {7, 149, 22, 8}, 0},
    ControlTemplate{IDC_LOG,
                    ControlClass::Edit,
                    "",
                    {7, 163, 267, 154},
                    kMultiLine | kBorder | kVScroll | kAutoVScroll | kAutoHScroll},
    ControlTemplate{IDC_TEST, ControlClass::Button, "TEST", {336, 172, 50, 14}, 0},
    ControlTemplate{IDC_CLEAR, ControlClass::Button, "Clear", {336, 193, 50, 14}, 0},
    ControlTemplate{IDC_UPDATE_GUI,
                    ControlClass::Button,
                    "Update GUI",
                    {309, 214, 75, 24},
                    kHidden | kDisabled},
};

constexpr std::array kAboutControls{
    ControlTemplate{-1, ControlClass::Icon, "", {14, 14, 21, 20}, 0, IDR_MAINFRAME},
    ControlTemplate{-1, ControlClass::Static, "Corvel_R010, Version 001", {42, 14, 114, 8}, 0},
    ControlTemplate{-1, ControlClass::Static, "Copyright (C) 2026", {42, 26, 114, 8}, 0},
    ControlTemplate{platform::kIdOk, ControlClass::Button, "OK", {113, 41, 50, 14}, kDefaultButton},
};

constexpr std::array kHelpControls{
    ControlTemplate{-1, ControlClass::Icon, "", {10, 9, 21, 20}, 0, IDR_MAINFRAME},
    ControlTemplate{-1, ControlClass::Static, "Update Product Firmware Steps", {41, 14, 114, 8}, 0},
    ControlTemplate{
        -1, ControlClass::Static, "Step 1: Connect the product to PC", {41, 28, 114, 8}, 0},
    ControlTemplate{
        -1, ControlClass::Static, "Step 2: Check Tool Show \"Ready\"", {41, 40, 147, 8}, 0},
    ControlTemplate{
        -1, ControlClass::Static, "Step 3: Click \u201CUpdate F/W\"  button", {41, 52, 125, 11}, 0},
    ControlTemplate{
        -1,
        ControlClass::Static,
        "Step 4: Finish when \u201CPASS\" word is display in update tool (If \u201CFAIL\" "
        "word display in update tool, please try again above steps.)",
        {41, 64, 141, 30},
        0},
};

constexpr std::uint32_t kDialogStyle = kPopup | kCaption | kSysMenu | kModalFrame;

constexpr DialogTemplate kMain{
    IDD_QUILLPCISP_DIALOG,       "Corvel_R010_1", 391, 326, "MS Shell Dlg", 8,
    kDialogStyle | kMinimizeBox, kMainControls};
constexpr DialogTemplate kAbout{
    IDD_ABOUTBOX,  "About Corvel_R010_1.exe", 170, 62, "MS Shell Dlg", 8, kDialogStyle,
    kAboutControls};
constexpr DialogTemplate kHelp{IDD_HELP_INTRO, "Help", 191,          97,
                               "MS Shell Dlg", 8,      kDialogStyle, kHelpControls};

}  // namespace

const DialogTemplate& mainDialog() {
    return kMain;
}
const DialogTemplate& aboutDialog() {
    return kAbout;
}
const DialogTemplate& helpDialog() {
    return kHelp;
}

const DialogTemplate* dialogTemplate(int id) {
    for (const DialogTemplate* t : {&kMain, &kAbout, &kHelp})
        if (t->id == id) return t;
    return nullptr;
}

std::string_view loadString(int id) {
    switch (id) {
        case IDS_ABOUTBOX:
            return "About Corvel_R010_1.exe...";
        case IDS_HELP:
            return "Help";
        default:
            return {};
    }
}

std::string_view bannerText(int bitmapId) {
    switch (bitmapId) {
        case IDB_STANDBY:
            return "Standby";
        case IDB_FAIL:
            return "FAIL";
        case IDB_PASS:
            return "PASS";
        case IDB_READY:
            return "Ready";
        case IDB_UPDATING:
            return "Updating...";
        case IDB_UPDATE_COMPLETE:
            return "Update complete!";
        default:
            return {};
    }
}

}  // namespace res
