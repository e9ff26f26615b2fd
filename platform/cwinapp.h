#pragma once

#include <string>

#include "platform/platform.h"

class CDialog;

// The application object: initialises the platform and runs the program.
class CWinApp {
  public:
    explicit CWinApp(platform::Platform& platform) : platform_(platform) {}
    virtual ~CWinApp() = default;

    virtual bool InitInstance() { return true; }

    platform::Platform& GetPlatform() const { return platform_; }
    CDialog* m_pMainWnd = nullptr;
    const std::string& RegistryKey() const { return registryKey_; }

  protected:
    void EnableControlContainer() { controlContainer_ = true; }
    void SetRegistryKey(const std::string& key) { registryKey_ = key; }
    bool ControlContainerEnabled() const { return controlContainer_; }

  private:
    platform::Platform& platform_;
    std::string registryKey_;
    bool controlContainer_ = false;
};
