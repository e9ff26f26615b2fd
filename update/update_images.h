#pragma once

#include <optional>
#include <string>

class CQuillPCISPDlg;

// The first image the update branch about to run will write that is not there, by name; none
// when every image it needs is loaded.
std::optional<std::string> MissingUpdateImage(const CQuillPCISPDlg& dlg);
