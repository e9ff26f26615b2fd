#pragma once

#include "platform/cwinapp.h"

class CQuillPCISPApp : public CWinApp {
  public:
    using CWinApp::CWinApp;
    bool InitInstance() override;

    // The dialog's end result, kept for the front-ends.
    int DialogResult() const { return dialogResult_; }

  private:
    int dialogResult_ = 0;
};
