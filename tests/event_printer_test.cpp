// What the terminal shows of the dialog: log lines as appended and "== " event lines.
#include <gtest/gtest.h>

#include <sstream>

#include "platform/terminal/event_printer.h"
#include "res/resource.h"
#include "support/dialog_fixture.h"

using testing_support::DialogFixture;

namespace {

TEST(EventPrinter, PrintsLogLinesAndEvents) {
    DialogFixture f;
    std::ostringstream out;
    platform::terminal::EventPrinter printer(f.windows, out);
    f.windows.addObserver(&printer);
    CQuillPCISPDlg& d = f.start();
    d.LogAppend("\r");
    d.ProgressAdvance();
    d.SetBanner(IDB_STANDBY);  // unchanged picture: no event
    d.SetBanner(IDB_READY);
    d.m_UpdateButton.EnableWindow(true);
    d.OnClear();
    d.LogAppend("after");
    f.windows.scriptMessageBox();
    d.Host()->messageBox("Line one, \r\nline two.");
    EXPECT_EQ(out.str(),
              "== banner: Standby\n"
              "== button: disabled\n"
              "USB device not found!\n"
              "\r\n"
              "== progress: 1/7\n"
              "== banner: Ready\n"
              "== button: enabled\n"
              "== log cleared\n"
              "after\n"
              "== message: Line one, \\r\\nline two.\n");
}

}  // namespace
