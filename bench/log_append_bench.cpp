// The log is rewritten whole on every append: how the cost grows with the log's length.
#include <benchmark/benchmark.h>

#include "app/quill_pcisp_dlg.h"
#include "bench/bench_dialog.h"

namespace {

void BM_LogAppend(benchmark::State& state) {
    bench::BenchDialog b;
    b.start();
    const auto lines = static_cast<int>(state.range(0));
    b.dlg->OnClear();
    for (int i = 0; i < lines; ++i) b.dlg->LogAppend("SendSCSICommand FAIL : >0x2<");
    const std::string before = b.dlg->m_LogEdit.GetWindowText();
    for (auto _ : state) {
        b.dlg->LogAppend("Updat FW.... Update complete !!");
        state.PauseTiming();
        b.dlg->m_LogEdit.SetWindowText(before);
        state.ResumeTiming();
    }
    state.SetLabel(std::to_string(lines) + " lines before");
}
BENCHMARK(BM_LogAppend)->Arg(0)->Arg(100)->Arg(1000)->Arg(10000);

}  // namespace
