// Benchmark of cached-font text drawing (native glyph source).
//
// Counters:
//   glyphs_per_s  glyphs drawn (or measured, or rendered) per second
#include "lice_font.h"
#include "lice_mem_bitmap.h"
#include "text_standin/text_standin.h"

#include <benchmark/benchmark.h>

#include <cstring>
#include <memory>

namespace
{
// A value label of the editor's kind, 20 glyphs.
const char* const kText = "Mode I+II Rate 2.50%";

std::unique_ptr<LICE_CachedFont> MakeFont(int size, int32_t flags)
{
  auto font = std::make_unique<LICE_CachedFont>();
  font->AttachHFont(CreateFont(size, 0, 0, 0, 400, 0, 0, 0, 0, 0, 0, 0, 0, "bench"), flags | LICE_FONT_OWNS_HANDLE);
  font->SetForeColor(LICE_RGBA(230, 220, 200, 255));
  return font;
}

void Report(benchmark::State& state, int glyphsPerIteration)
{
  const double glyphs = double(state.iterations()) * glyphsPerIteration;
  state.counters["glyphs_per_s"] = benchmark::Counter(glyphs, benchmark::Counter::kIsRate);
}

// Arguments: font size, font flags, blend mode, opacity in percent.
void BM_DrawCachedText(benchmark::State& state)
{
  auto font = MakeFont(int(state.range(0)), int32_t(state.range(1)));
  font->SetBlendMode(LICE_BlendMode(state.range(2)), float(state.range(3)) / 100.0f);
  LICE_MemBitmap bitmap(400, 100);
  LICE_Rect rect = {0, 0, 400, 100};
  font->DrawText(&bitmap, kText, -1, &rect, 0);  // fills the cache
  for (auto _ : state)
  {
    rect = {0, 0, 400, 100};
    benchmark::DoNotOptimize(font->DrawText(&bitmap, kText, -1, &rect, LICE_TEXT_CENTER | LICE_TEXT_VCENTER));
  }
  Report(state, int(std::strlen(kText)));
}
BENCHMARK(BM_DrawCachedText)
    ->Args({16, 0, LICE_BLIT_MODE_COPY, 100})
    ->Args({16, 0, LICE_BLIT_MODE_COPY, 50})
    ->Args({16, 0, LICE_BLIT_MODE_ADD, 100})
    ->Args({16, 0, LICE_BLIT_MODE_HSVADJ, 100})
    ->Args({16, LICE_FONT_MONO, LICE_BLIT_MODE_COPY, 100})
    ->Args({16, LICE_FONT_SHADOW, LICE_BLIT_MODE_OVERLAY, 100})
    ->Args({48, 0, LICE_BLIT_MODE_COPY, 100});

void BM_MeasureCachedText(benchmark::State& state)
{
  auto font = MakeFont(16, 0);
  LICE_Rect rect = {0, 0, 0, 0};
  font->DrawText(nullptr, kText, -1, &rect, LICE_TEXT_MEASURE);
  for (auto _ : state)
  {
    rect = {0, 0, 0, 0};
    benchmark::DoNotOptimize(font->DrawText(nullptr, kText, -1, &rect, LICE_TEXT_MEASURE));
  }
  Report(state, int(std::strlen(kText)));
}
BENCHMARK(BM_MeasureCachedText);

// Attaching with the ASCII set rendered up front: 128 glyphs per iteration
// through the glyph source (its own drawing included).
void BM_AttachAndRenderAscii(benchmark::State& state)
{
  auto font = MakeFont(16, 0);
  for (auto _ : state) font->AttachHFont(font->GetHFont(), LICE_FONT_PRERENDER_ASCII);
  Report(state, 128);
}
BENCHMARK(BM_AttachAndRenderAscii);
}  // namespace

BENCHMARK_MAIN();
