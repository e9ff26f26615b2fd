// quill-pcisp: the tool's window, or with --headless the same dialog on the terminal.
#include <iostream>
#include <variant>

#include "frontend/desktop_run.h"
#include "frontend/headless_run.h"
#include "frontend/options.h"
#include "platform/linux/linux_device_system.h"
#include "sim/simulated_device_system.h"

int main(int argc, char** argv) {
    auto parsed = frontend::ParseOptions(argc, argv, std::cout, std::cerr);
    if (const int* status = std::get_if<int>(&parsed)) return *status;
    const frontend::Options& options = std::get<frontend::Options>(parsed);

    if (!options.headless) {
        if (options.update) {
            std::cerr << "quill-pcisp: --update runs on the terminal; add --headless\n";
            return frontend::kExitBadCommandLine;
        }
        if (options.scenario) {
            sim::SimulatedDeviceSystem bus;
            return frontend::RunDesktop(argc, argv, options, bus, &bus, std::cerr);
        }
        platform::linux_backend::LinuxDeviceSystem devices;
        return frontend::RunDesktop(argc, argv, options, devices, nullptr, std::cerr);
    }
    if (options.scenario) {
        sim::SimulatedDeviceSystem bus;
        return frontend::RunHeadless(options, bus, &bus, std::cout, std::cerr);
    }
    platform::linux_backend::LinuxDeviceSystem devices;
    return frontend::RunHeadless(options, devices, nullptr, std::cout, std::cerr);
}
