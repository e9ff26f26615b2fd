#pragma once

// Resource and control identifiers of the tool.

// Dialog templates.
inline constexpr int IDD_ABOUTBOX = 100;
inline constexpr int IDD_QUILLPCISP_DIALOG = 102;
inline constexpr int IDD_HELP_INTRO = 104;

// String table.
inline constexpr int IDS_ABOUTBOX = 101;
inline constexpr int IDS_HELP = 102;

// Icon.
inline constexpr int IDR_MAINFRAME = 128;

// Banner bitmaps.
inline constexpr int IDB_STANDBY = 135;
inline constexpr int IDB_FAIL = 136;
inline constexpr int IDB_PASS = 137;
inline constexpr int IDB_READY = 138;
inline constexpr int IDB_UPDATING = 139;
inline constexpr int IDB_UPDATE_COMPLETE = 140;

// Controls of the main dialog.
inline constexpr int IDC_FW_FILE = 1000;
inline constexpr int IDC_BROWSE = 1001;
inline constexpr int IDC_AUX_FILE = 1002;
inline constexpr int IDC_BROWSE_AUX = 1003;
inline constexpr int IDC_LOG = 1004;
inline constexpr int IDC_UPDATE_FW = 1005;
inline constexpr int IDC_UPDATE_GUI = 1006;
inline constexpr int IDC_TEST = 1009;
inline constexpr int IDC_BANNER = 1011;
inline constexpr int IDC_CLEAR = 1016;
inline constexpr int IDC_PROGRESS = 1017;
inline constexpr int IDC_TRACE = 1018;

// System menu commands.
inline constexpr int IDM_ABOUTBOX = 16;
inline constexpr int IDM_HELP = 17;

// Raw data resources: the embedded firmware image set.
inline constexpr int IDR_RESERVED_134 = 134;
inline constexpr int IDR_EF64_INFO = 138;
inline constexpr int IDR_EF32_0_INFO = 161;
inline constexpr int IDR_EF64_MAIN_1 = 162;
inline constexpr int IDR_EF64_MAIN_2 = 163;
inline constexpr int IDR_EF64_MAIN_3 = 168;
inline constexpr int IDR_EF64_MAIN_4 = 169;
inline constexpr int IDR_EF64_MAIN_5 = 170;
inline constexpr int IDR_EF32_0_MAIN_1 = 156;
inline constexpr int IDR_EF32_0_MAIN_2 = 164;
inline constexpr int IDR_EF32_0_MAIN_3 = 165;
inline constexpr int IDR_EF32_0_MAIN_4 = 166;
inline constexpr int IDR_EF32_0_MAIN_5 = 167;
