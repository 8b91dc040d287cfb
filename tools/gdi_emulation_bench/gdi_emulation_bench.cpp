// The drawing emulation's hot paths: a memory context made and deleted
// (pooled record, store, bitmap context), a font made and deleted (pooled
// record, cached name), and a label measured and drawn. The stand-in records
// every call, so the recorder is cleared between batches to keep memory flat.

#include "GDIEmulation.h"
#include "MacosStandin.h"

#include <benchmark/benchmark.h>

namespace
{
void ClearRecordEvery(benchmark::State& state, int64_t& count)
{
  if (++count % 1024 == 0)
  {
    state.PauseTiming();
    StandinClearCalls();
    state.ResumeTiming();
  }
}

void BM_ContextChurn(benchmark::State& state)
{
  const int side = int(state.range(0));
  int64_t count = 0;
  for (auto _ : state)
  {
    GDIEmu_DC* context = CreateMemoryContext(nullptr, side, side);
    benchmark::DoNotOptimize(GetContextPixels(context));
    DeleteDC(context);
    ClearRecordEvery(state, count);
  }
}
BENCHMARK(BM_ContextChurn)->Arg(16)->Arg(256);

void BM_FontChurn(benchmark::State& state)
{
  int64_t count = 0;
  for (auto _ : state)
  {
    GDIEmu_Object* font = CreateFont(12, 0, 0, 0, 700, 0, 0, 0, 0, 0, 0, 4, 0, "Bench Face");
    DeleteObject(font);
    ClearRecordEvery(state, count);
  }
}
BENCHMARK(BM_FontChurn);

void BM_DrawLabel(benchmark::State& state)
{
  const int flags = int(state.range(0));
  GDIEmu_DC* context = CreateMemoryContext(nullptr, 128, 32);
  GDIEmu_Object* font = CreateFont(12, 0, 0, 0, 400, 0, 0, 0, 0, 0, 0, 4, 0, "Bench Face");
  GDIEmu_Object* old = SelectObject(context, font);
  SetTextColor(context, 0xFFFFFF);
  int64_t count = 0;
  for (auto _ : state)
  {
    GDIEmu_Rect rect{0, 0, 128, 32};
    benchmark::DoNotOptimize(DrawText(context, "Wide 50%", -1, &rect, flags));
    ClearRecordEvery(state, count);
  }
  SelectObject(context, old);
  DeleteObject(font);
  DeleteDC(context);
}
BENCHMARK(BM_DrawLabel)->Arg(DT_CALCRECT)->Arg(DT_CENTER | DT_VCENTER);
}  // namespace

BENCHMARK_MAIN();
