#include "app/quill_pcisp_dlg.h"

void CQuillPCISPDlg::SetBanner(int bitmapId) {
    m_StatusBanner.LoadBitmaps(bitmapId);
}

void CQuillPCISPDlg::ProgressAdvance() {
    m_Progress.SetPos(m_Progress.GetPos() + 1);
}
