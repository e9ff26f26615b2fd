// A whole update against the simulated product, in virtual time: what the tool itself costs
// per update (the simulated controller's AES work included), and one 64 KB request.
#include <benchmark/benchmark.h>

#include "bench/bench_dialog.h"
#include "device/send_isp_command.h"
#include "res/resource.h"
#include "sim/scenario.h"

namespace {

std::shared_ptr<sim::Product> Make(bench::BenchDialog& b, const char* scenario) {
    std::string error;
    auto product = *sim::makeScenario(scenario, b.devices, b.windows, error);
    b.windows.processPending();
    b.start();
    return product;
}

void BM_UpdateMask0210(benchmark::State& state) {
    for (auto _ : state) {
        bench::BenchDialog b;
        auto product = Make(b, "mask0210");
        b.windows.tick(3);
        b.windows.click(IDC_UPDATE_FW);
        benchmark::DoNotOptimize(b.dlg->g_BannerHoldTicks);
    }
}
BENCHMARK(BM_UpdateMask0210)->Unit(benchmark::kMillisecond);

void BM_UpdateApplicationTwoStages(benchmark::State& state) {
    for (auto _ : state) {
        bench::BenchDialog b;
        auto product = Make(b, "application-old");
        b.windows.tick();
        b.windows.click(IDC_UPDATE_FW);
        b.windows.tick(7);
        if (b.dlg->g_BannerHoldTicks == 0) state.SkipWithError("the second stage did not pass");
    }
}
BENCHMARK(BM_UpdateApplicationTwoStages)->Unit(benchmark::kMillisecond);

void BM_ProgramMain64K(benchmark::State& state) {
    bench::BenchDialog b;
    auto product = Make(b, "ota");
    platform::DeviceHandle device = b.devices.open(b.dlg->m_szDevicePath);
    SendIspCommand(*b.dlg, device, ISP_CMD_SELECT_AES_KEY, Tail::Zero, KEY_SLOT_MAIN);
    for (auto _ : state) {
        product->ef64().eraseMain();
        bool ok = SendIspCommand(*b.dlg, device, ISP_CMD_PROGRAM_EF64_MAIN_MASK_OTA, Tail::Zero, 0,
                                 b.dlg->g_pEF64_Main_1);
        if (!ok) state.SkipWithError("program failed");
        product->trace().clear();
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations()) * 65536);
}
BENCHMARK(BM_ProgramMain64K);

}  // namespace
