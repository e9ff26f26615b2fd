#pragma once

#include "platform/controls.h"
#include "platform/message.h"
#include "platform/platform.h"
#include "platform/window_host.h"

// A modal dialog: built from a template by the window system, which then delivers its
// messages through Dispatch.
class CDialog {
  public:
    CDialog(int templateId, platform::Platform& platform);
    virtual ~CDialog() = default;
    CDialog(const CDialog&) = delete;
    CDialog& operator=(const CDialog&) = delete;

    int TemplateId() const { return templateId_; }
    platform::Platform& GetPlatform() const { return platform_; }
    platform::WindowHost* Host() const { return host_; }

    int DoModal();
    void EndDialog(int result);

    // Called by the window system.
    void Attach(platform::WindowHost* host) { host_ = host; }
    void Dispatch(const platform::Message& message);

    virtual bool OnInitDialog();
    virtual bool PreTranslateMessage(const platform::Message& message);

  protected:
    virtual void DoDataExchange() {}
    virtual void OnOK() { EndDialog(platform::kIdOk); }
    virtual void OnCancel() { EndDialog(platform::kIdCancel); }
    virtual void OnTimer(int /*timerId*/) {}
    virtual bool OnDeviceChange(int /*eventType*/, std::uintptr_t /*data*/) { return true; }
    // A button-clicked command; false when the dialog has no handler for it.
    virtual bool OnCommand(int controlId);
    virtual void OnSysCommand(int /*id*/) {}
    virtual void OnPaint() {}

    void DDX_Control(int id, CWnd& control) { control.Bind(*this, id); }

  private:
    int templateId_;
    platform::Platform& platform_;
    platform::WindowHost* host_ = nullptr;
};
