#pragma once

#include <cstdint>

namespace platform {

// What a host hands to a dialog: the handful of window messages the tool reacts to.
enum class MessageKind {
    Timer,         // id = timer id
    DeviceChange,  // id = event type (arrival 0x8000, removal complete 0x8004)
    Command,       // id = control id (button clicked)
    SysCommand,    // id = system command id
    KeyDown,       // id = virtual key code
    Paint,
};

struct Message {
    MessageKind kind;
    int id = 0;
    std::uintptr_t param = 0;
};

inline constexpr int kDeviceArrival = 0x8000;
inline constexpr int kDeviceRemoveComplete = 0x8004;
inline constexpr int kKeyReturn = 13;
inline constexpr int kKeyEscape = 27;
inline constexpr int kIdOk = 1;
inline constexpr int kIdCancel = 2;

}  // namespace platform
