#include "firmware/log_fw_identity.h"

#include "app/quill_pcisp_dlg.h"

std::string LogFwIdentity(CQuillPCISPDlg& dlg, RecordSource source, const FwIdentity& identity) {
    std::string name = NameLine(source, identity);
    dlg.LogAppend(IdentityLine(source, identity));
    dlg.LogAppend(name);
    dlg.LogAppend("\r");
    return name;
}

std::string MissingImageLine(std::string_view imageName) {
    return "Image " + std::string(imageName) + " not loaded, nothing sent.";
}
