#include <array>
#include <string_view>

#include "app/quill_pcisp_dlg.h"

namespace {

constexpr std::string_view ProjectPattern = "F_TR52_64_";

struct Group {
    std::string_view pattern;
    std::string_view line;
    const std::uint8_t* UpdateState::*ef64;
    const std::uint8_t* UpdateState::*ef32;
};

constexpr std::array<Group, 4> kGroups{{
    {"_001", "DUT_FW_Group_1 (_001_)", &UpdateState::g_pEF64_Main_2,
     &UpdateState::g_pEF32_0_Main_2},
    {"_002", "DUT_FW_Group_2 (_002_)", &UpdateState::g_pEF64_Main_3,
     &UpdateState::g_pEF32_0_Main_3},
    {"_003", "DUT_FW_Group_3 (_003_)", &UpdateState::g_pEF64_Main_4,
     &UpdateState::g_pEF32_0_Main_4},
    {"_004", "DUT_FW_Group_4 (_004_)", &UpdateState::g_pEF64_Main_5,
     &UpdateState::g_pEF32_0_Main_5},
}};

}  // namespace

void CQuillPCISPDlg::Compare_DUT_FW_Name(std::string NameLine, std::uint8_t mode) {
    if (m_bProjectMatched == 0) {
        if (NameLine.find(ProjectPattern) != std::string::npos) {
            LogAppend("Compared_DUT_FW_Name__Project_1 PASS");
            m_bProjectMatched = 1;
        } else {
            LogAppend("Compared_DUT_FW_Name__Project_1 FAIL ");
        }
    }
    if (mode != 0 && mode != 1 && mode != 2) return;

    if (mode != 1 && m_nFwGroup == 0 && m_bProjectMatched == 1) {
        bool found = false;
        for (std::size_t g = 0; g < kGroups.size() && !found; ++g) {
            if (NameLine.find(kGroups[g].pattern) == std::string::npos) continue;
            LogAppend(std::string(kGroups[g].line));
            m_nFwGroup = static_cast<std::uint8_t>(g + 1);
            g_pEF64_Selected = this->*kGroups[g].ef64;
            g_pEF32_0_Selected = this->*kGroups[g].ef32;
            found = true;
        }
        if (!found) {
            LogAppend("Compare_DUT_FW_Name All Group Fail (Group 0) ");
            m_nFwGroup = 0;
            g_pEF64_Selected = g_pEF64_Main_1;
            g_pEF32_0_Selected = g_pEF32_0_Main_1;
        }
    }
    g_EF32_0_Verdict = EF32_0_OLD;
}
