#pragma once

#include <array>
#include <cstddef>
#include <cstdint>

// The state the handlers of the dialog hand to one another: verdicts, counters, flags, the
// embedded image pointers and the one reply buffer. Every item starts at zero except where
// the dialog's start-up says otherwise.
struct UpdateState {
    static constexpr std::size_t kReplyBufferSize = 0x10200;  // 66048, one main image

    // EF64 verdict: 0 not judged, 1 Antique, 2 Old, 3 Current, 4 New.
    std::uint8_t g_EF64_Verdict = 0;
    // EF32_0 verdict: 0 not judged, 1 No_Code, 2 Protect, 3 Old, 4 Current, 5 New.
    std::uint8_t g_EF32_0_Verdict = 0;
    std::uint8_t g_MaskVariant0210 = 0;
    std::uint8_t g_FirmwareFileOk = 0;
    std::uint8_t g_RediscoverTicks = 0;
    std::uint8_t g_BannerHoldTicks = 0;
    std::uint8_t g_ResumeAfterReconnect = 0;
    std::uint8_t g_UpdateWatchdogTicks = 0;

    const std::uint8_t* g_pEF64_Info = nullptr;
    const std::uint8_t* g_pEF32_0_Info = nullptr;
    const std::uint8_t* g_pEF64_Main_1 = nullptr;
    const std::uint8_t* g_pEF64_Main_2 = nullptr;
    const std::uint8_t* g_pEF64_Main_3 = nullptr;
    const std::uint8_t* g_pEF64_Main_4 = nullptr;
    const std::uint8_t* g_pEF64_Main_5 = nullptr;
    const std::uint8_t* g_pEF32_0_Main_1 = nullptr;
    const std::uint8_t* g_pEF32_0_Main_2 = nullptr;
    const std::uint8_t* g_pEF32_0_Main_3 = nullptr;
    const std::uint8_t* g_pEF32_0_Main_4 = nullptr;
    const std::uint8_t* g_pEF32_0_Main_5 = nullptr;
    const std::uint8_t* g_pEF64_Selected = nullptr;
    const std::uint8_t* g_pEF32_0_Selected = nullptr;

    std::array<std::uint8_t, kReplyBufferSize> g_ReplyBuffer{};
};

// Verdict values.
inline constexpr std::uint8_t EF64_NOT_JUDGED = 0;
inline constexpr std::uint8_t EF64_ANTIQUE = 1;
inline constexpr std::uint8_t EF64_OLD = 2;
inline constexpr std::uint8_t EF64_CURRENT = 3;
inline constexpr std::uint8_t EF64_NEW = 4;

inline constexpr std::uint8_t EF32_0_NOT_JUDGED = 0;
inline constexpr std::uint8_t EF32_0_NO_CODE = 1;
inline constexpr std::uint8_t EF32_0_PROTECT = 2;
inline constexpr std::uint8_t EF32_0_OLD = 3;
inline constexpr std::uint8_t EF32_0_CURRENT = 4;
inline constexpr std::uint8_t EF32_0_NEW = 5;
