#pragma once

#include <cstdint>
#include <span>
#include <string_view>

namespace platform {

// A dialog template as data: what a host needs to build the window and its controls.
enum class ControlClass { Static, Edit, Button, OwnerDrawButton, ProgressBar, Icon };

enum ControlStyle : std::uint32_t {
    kHidden = 1u << 0,
    kDisabled = 1u << 1,
    kReadOnly = 1u << 2,
    kMultiLine = 1u << 3,
    kBorder = 1u << 4,
    kVScroll = 1u << 5,
    kAutoHScroll = 1u << 6,
    kAutoVScroll = 1u << 7,
    kDefaultButton = 1u << 8,
};

struct DlgRect {
    int x, y, width, height;
};

struct ControlTemplate {
    int id;  // -1 for a static without id
    ControlClass cls;
    std::string_view caption;
    DlgRect rect;
    std::uint32_t style;
    int resourceId = 0;  // icon id for ControlClass::Icon
};

enum DialogStyle : std::uint32_t {
    kPopup = 1u << 0,
    kCaption = 1u << 1,
    kSysMenu = 1u << 2,
    kMinimizeBox = 1u << 3,
    kModalFrame = 1u << 4,
};

struct DialogTemplate {
    int id;
    std::string_view title;
    int width, height;  // dialog units
    std::string_view font;
    int pointSize;
    std::uint32_t style;
    std::span<const ControlTemplate> controls;
};

}  // namespace platform
