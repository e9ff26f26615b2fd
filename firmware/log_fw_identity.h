#pragma once

#include <string>
#include <string_view>

#include "firmware/fw_identity.h"

class CQuillPCISPDlg;

// Logs a record as its identity line, its name line and a line holding "\r"; returns the name
// line.
std::string LogFwIdentity(CQuillPCISPDlg& dlg, RecordSource source, const FwIdentity& identity);

// The line logged in place of a transfer whose image is not there.
std::string MissingImageLine(std::string_view imageName);
