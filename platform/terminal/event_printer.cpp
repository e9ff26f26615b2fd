#include "platform/terminal/event_printer.h"
#include "platform/log_text.h"

#include "platform/headless/headless_window_system.h"
#include "res/resource.h"
#include "res/templates.h"

namespace platform::terminal {

std::string EventPrinter::Escape(const std::string& text) {
    std::string escaped;
    for (char c : text) {
        if (c == '\r')
            escaped += "\\r";
        else if (c == '\n')
            escaped += "\\n";
        else
            escaped += c;
    }
    return escaped;
}

void EventPrinter::printLines(const std::string& text) {
    for (const std::string& line : SplitCrLfLines(text)) out_ << line << '\n';
    out_.flush();
}

void EventPrinter::textChanged(int id, const std::string& before, const std::string& after) {
    if (id != IDC_LOG) return;
    if (after.compare(0, before.size(), before) == 0) {
        printLines(after.substr(before.size()));
        return;
    }
    out_ << "== log cleared\n";
    printLines(after);
}

void EventPrinter::bitmapChanged(int id, int bitmapId) {
    if (id != IDC_BANNER) return;
    std::string text(res::bannerText(bitmapId));
    if (text == banner_) return;
    banner_ = text;
    out_ << "== banner: " << text << '\n' << std::flush;
}

void EventPrinter::posChanged(int id, int pos) {
    if (id != IDC_PROGRESS) return;
    int high = windows_.mainWindow() ? windows_.mainWindow()->control(IDC_PROGRESS).high : 0;
    out_ << "== progress: " << pos << '/' << high << '\n' << std::flush;
}

void EventPrinter::enabledChanged(int id, bool enabled) {
    if (id != IDC_UPDATE_FW) return;
    out_ << "== button: " << (enabled ? "enabled" : "disabled") << '\n' << std::flush;
}

void EventPrinter::messageBox(const std::string& text) {
    out_ << "== message: " << Escape(text) << '\n' << std::flush;
}

}  // namespace platform::terminal
