#pragma once

class CQuillPCISPDlg;

// Finds, loads and keeps the thirteen embedded image resources, in their fixed order.
void LoadFirmwareImages(CQuillPCISPDlg& dlg);
