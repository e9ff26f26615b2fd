#include "frontend/simulation.h"

#include "sim/fault_injection.h"
#include "sim/request_trace.h"
#include "sim/scenario.h"

namespace frontend {

std::optional<std::shared_ptr<sim::Product>> StartSimulation(const Options& options,
                                                             sim::SimulatedDeviceSystem& bus,
                                                             platform::Scheduler& scheduler,
                                                             std::ostream& err) {
    sim::ProductOptions productOptions;
    // A restart keeps the product away for three ticks.
    productOptions.restartDelayMs = 3 * static_cast<std::uint64_t>(options.tickMs);
    std::string error;
    auto made =
        sim::makeScenario(options.scenario.value_or("none"), bus, scheduler, error, productOptions);
    if (!made) {
        err << "quill-pcisp: " << error << "\n";
        return std::nullopt;
    }
    std::shared_ptr<sim::Product> product = *made;
    if (!product) return product;
    for (const auto& text : options.faults) {
        // The options were checked when they were parsed.
        if (auto fault = sim::parseFault(text, error)) product->faults().add(*fault);
    }
    if (options.trace)
        product->trace().setListener([&err](const sim::TraceEntry& entry) {
            err << sim::formatTraceLine(entry) << '\n' << std::flush;
        });
    return product;
}

}  // namespace frontend
