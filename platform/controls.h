#pragma once

#include <string>

#include "platform/window_host.h"

class CDialog;

// Small handles on a dialog's controls, bound to a control id. An unbound handle does nothing.
class CWnd {
  public:
    void Bind(CDialog& owner, int id);
    int GetDlgCtrlID() const { return id_; }
    void EnableWindow(bool enable);
    bool IsWindowEnabled() const;
    void SetWindowText(const std::string& text);
    std::string GetWindowText() const;
    void Invalidate(bool erase = true);

  protected:
    platform::WindowHost* host() const;

  private:
    CDialog* owner_ = nullptr;
    int id_ = 0;
};

class CEdit : public CWnd {
  public:
    int GetLineCount() const;
    void LineScroll(int lines);
};

class CButton : public CWnd {};

class CBitmapButton : public CButton {
  public:
    // Only the normal picture; the selected, focused and disabled pictures are absent.
    bool LoadBitmaps(int bitmapId);
};

class CProgressCtrl : public CWnd {
  public:
    void SetRange(int low, int high);
    void SetPos(int pos);
    int GetPos() const;
};
