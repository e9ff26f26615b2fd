#pragma once

#include <cstdint>
#include <string>

#include "platform/cdialog.h"
#include "platform/device_system.h"
#include "update/update_state.h"

// The main dialog: owns every control, the device descriptor and the update state, and
// carries the operations of discovery, assessment, programming and update control.
class CQuillPCISPDlg : public CDialog, public UpdateState {
  public:
    explicit CQuillPCISPDlg(platform::Platform& platform);

    // Members, in declaration order.
    int m_hIcon;
    std::string m_szDevicePath;
    CEdit m_FwFileEdit;
    CEdit m_LogEdit;
    CEdit m_TraceEdit;
    std::uint16_t m_wDevicePID = 0;
    int m_TimerId = 0;
    std::int32_t m_AutoStartTicks = 0;
    std::int32_t m_bDeviceFound = 0;
    std::int32_t m_bApplicationCode = 0;
    std::uint8_t m_nMaskProbeDelay = 0;
    std::uint16_t m_wDeviceVID = 0;
    std::uint8_t m_nFwGroup = 0;
    CEdit m_AuxFileEdit;
    CBitmapButton m_StatusBanner;
    CProgressCtrl m_Progress;
    CButton m_UpdateButton;
    CButton m_TestButton;
    CButton m_ClearButton;
    std::uint8_t m_bProjectMatched = 0;

    // Start-up and the window.
    bool OnInitDialog() override;
    bool PreTranslateMessage(const platform::Message& message) override;
    void OnSysCommand(int id) override;
    void OnPaint() override;
    int OnQueryDragIcon() const { return m_hIcon; }

    // Banner, progress bar, log and the small handlers around them.
    void LogAppend(std::string line);
    void TraceAppend(std::string line);
    void SetBanner(int bitmapId);
    void ProgressAdvance();
    void OnBrowse();
    void OnBrowseAux();
    void OnTest();
    void OnClear();

    // Device discovery: fills the device descriptor; returns the PID found (0 for none).
    std::uint16_t USBFound();

    // Firmware name test and image-set selection.
    void Compare_DUT_FW_Name(std::string NameLine, std::uint8_t mode);

    // Assessment.
    void Check_Mask_Code();
    void Check_Application_Version_Combine();
    void Check_OTA_Version_at_Application();
    void Check_OTA_Version_at_OTA();

    // Update control.
    void OnTimer(int timerId) override;
    bool OnDeviceChange(int eventType, std::uintptr_t data) override;
    void OnUpdateFirmware();

    // Flash programming, on the device the update handler opened.
    bool Run_Code_at_EF64_ISP_EF32_0_OTA(platform::DeviceHandle& device,
                                         const std::uint8_t* ef32Main);
    bool Run_Code_at_Protect_ISP_EF64(platform::DeviceHandle& device);
    bool Run_Code_at_Mask0210_or_OTA_ISP_EF64(platform::DeviceHandle& device,
                                              const std::uint8_t* ef64Main);

  protected:
    void DoDataExchange() override;
    bool OnCommand(int controlId) override;

  private:
    // Opens m_szDevicePath the way every exchange with the device does.
    platform::DeviceHandle OpenDevice();
};

class CAboutDlg : public CDialog {
  public:
    explicit CAboutDlg(platform::Platform& platform);
};

class CHelpIntroDlg : public CDialog {
  public:
    explicit CHelpIntroDlg(platform::Platform& platform);
};
