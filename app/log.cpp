#include "app/quill_pcisp_dlg.h"

void CQuillPCISPDlg::LogAppend(std::string line) {
    std::string text = m_LogEdit.GetWindowText();
    text += line;
    text += "\r\n";
    m_LogEdit.SetWindowText(text);
    m_LogEdit.LineScroll(m_LogEdit.GetLineCount());
}

void CQuillPCISPDlg::TraceAppend(std::string line) {
    std::string text = m_TraceEdit.GetWindowText();
    text += line;
    text += "\r\n";
    m_TraceEdit.SetWindowText(text);
}
