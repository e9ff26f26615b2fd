#include "frontend/options.h"

#include <CLI/CLI.hpp>
#include <algorithm>

#include "sim/fault_injection.h"
#include "sim/scenario.h"

namespace frontend {

namespace {

constexpr const char* kExitStatuses =
    "Exit status with --update:\n"
    "  0  update complete\n"
    "  1  update failed or timed out\n"
    "  2  nothing to do, the device is already updated\n"
    "  3  no usable product within 60 ticks\n"
    "  4  refused: the device's firmware is not supported\n"
    " 64  bad command line\n"
    "130  interrupted (SIGINT), 143 terminated (SIGTERM)\n";

// What each scenario's product looks like at start.
std::string_view Describe(std::string_view scenario) {
    if (scenario == "none") return "no product attached";
    if (scenario == "mask0210") return "boot ROM 0210, both eFlash memories erased";
    if (scenario == "mask0110") return "boot ROM 0110, both eFlash memories erased";
    if (scenario == "protect") return "protected loader: EF64 erased, EF32_0 holds the loader";
    if (scenario == "application-old") return "Application Code, firmware older than the tool's";
    if (scenario == "application-current") return "Application Code, EF64 as the tool's";
    if (scenario == "application-new") return "Application Code, EF64 newer than the tool's";
    if (scenario == "application-antique") return "Application Code rejecting the newer commands";
    if (scenario == "application-nomatch") return "Application Code of another project";
    if (scenario == "ota") return "OTA Code: EF64 erased, EF32_0 of group _002";
    return "";
}

std::string ScenarioHelp() {
    std::string text = "Scenarios for --simulate:\n";
    for (std::string_view name : sim::scenarioNames()) {
        std::string padded(name);
        padded.resize(std::max<std::size_t>(padded.size() + 2, 22), ' ');
        text += "  " + padded + std::string(Describe(name)) + "\n";
    }
    text +=
        "\nFaults for --fault CMD:KIND[:COUNT] (COUNT: how many times, default every time):\n"
        "  CMD   a command name without ISP_CMD_, e.g. CHECKSUM_EF64_MAIN\n"
        "  KIND  transport, check-condition, timeout, unplug, short or corrupt\n";
    return text;
}

}  // namespace

std::variant<Options, int> ParseOptions(int argc, const char* const* argv, std::ostream& out,
                                        std::ostream& err) {
    Options options;
    CLI::App app{"Updates the firmware of the product, in a window or on the terminal.",
                 "quill-pcisp"};
    app.footer(ScenarioHelp() + "\n" + kExitStatuses);
    app.set_version_flag("--version", "quill-pcisp " QUILL_VERSION);
    app.add_flag("--headless", options.headless, "no window: run the dialog on the terminal");
    auto* simulate = app.add_option("--simulate", options.scenario,
                                    "use the simulated product in SCENARIO instead of devices")
                         ->type_name("SCENARIO");
    app.add_option("--fault", options.faults, "with --simulate: inject a fault (repeatable)")
        ->type_name("CMD:KIND[:COUNT]")
        ->needs(simulate);
    app.add_flag(
        "--update", options.update,
        "press \"Update F/W\" on the first tick it is enabled, then exit with the outcome");
    app.add_option("--tick-ms", options.tickMs, "poller period in milliseconds (default 1000)")
        ->check(CLI::Range(1, 60000))
        ->type_name("N");
    app.add_flag("--trace", options.trace, "with --simulate: print each request to stderr")
        ->needs(simulate);

    try {
        app.parse(argc, argv);
        if (options.scenario) {
            auto names = sim::scenarioNames();
            if (std::find(names.begin(), names.end(), *options.scenario) == names.end())
                throw CLI::ValidationError("--simulate",
                                           "unknown scenario '" + *options.scenario + "'");
        }
        for (const auto& fault : options.faults) {
            std::string problem;
            if (!sim::parseFault(fault, problem))
                throw CLI::ValidationError("--fault", "bad fault '" + fault + "': " + problem);
        }
    } catch (const CLI::CallForHelp&) {
        out << app.help();
        return 0;
    } catch (const CLI::CallForVersion&) {
        out << "quill-pcisp " QUILL_VERSION "\n";
        return 0;
    } catch (const CLI::ParseError& e) {
        err << "quill-pcisp: " << e.what() << "\n"
            << "Usage: quill-pcisp [--headless] [--simulate SCENARIO [--fault CMD:KIND[:COUNT]]... "
               "[--trace]] [--update] [--tick-ms N]\n"
            << "Try 'quill-pcisp --help' for more.\n";
        return kExitBadCommandLine;
    }
    return options;
}

}  // namespace frontend
