// Our colour-keyed blit against SDL's own on the same sprites, in one run.
#include <SDL.h>
#include <benchmark/benchmark.h>

#include "platform/surface.h"

namespace {
constexpr int SpriteW = 60, SpriteH = 70, Count = 200;

// A ship-like sprite: a filled ellipse on black, so about a third is transparent.
void Paint(uint32_t* px, int pitchPixels) {
  for (int y = 0; y < SpriteH; ++y)
    for (int x = 0; x < SpriteW; ++x) {
      const float dx = (x - 30) / 28.0f, dy = (y - 35) / 33.0f;
      px[y * pitchPixels + x] = dx * dx + dy * dy < 1 ? plat::Rgb(40 + x * 3, 90 + y, 200) : 0;
    }
}

void OurKeyedBlit(benchmark::State& state) {
  plat::Surface* dst = plat::CreateSurface(800, 600);
  plat::Surface* src = plat::CreateSurface(SpriteW, SpriteH);
  Paint(src->pixels.data(), SpriteW);
  for (auto _ : state) {
    for (int i = 0; i < Count; ++i)
      plat::Blit(dst, 220 + (i * 37) % 300, (i * 53) % 530, src, 0, 0, SpriteW, SpriteH, true);
    benchmark::DoNotOptimize(dst->pixels.data());
  }
  state.SetItemsProcessed(state.iterations() * Count);
  plat::DestroySurface(src);
  plat::DestroySurface(dst);
}

void SdlKeyedBlit(benchmark::State& state) {
  SDL_Surface* dst = SDL_CreateRGBSurfaceWithFormat(0, 800, 600, 32, SDL_PIXELFORMAT_RGB888);
  SDL_Surface* src = SDL_CreateRGBSurfaceWithFormat(0, SpriteW, SpriteH, 32, SDL_PIXELFORMAT_RGB888);
  Paint(static_cast<uint32_t*>(src->pixels), src->pitch / 4);
  SDL_SetColorKey(src, SDL_TRUE, 0);
  for (auto _ : state) {
    for (int i = 0; i < Count; ++i) {
      SDL_Rect to{220 + (i * 37) % 300, (i * 53) % 530, SpriteW, SpriteH};
      SDL_BlitSurface(src, nullptr, dst, &to);
    }
    benchmark::DoNotOptimize(dst->pixels);
  }
  state.SetItemsProcessed(state.iterations() * Count);
  SDL_FreeSurface(src);
  SDL_FreeSurface(dst);
}
}  // namespace

BENCHMARK(OurKeyedBlit);
BENCHMARK(SdlKeyedBlit);
BENCHMARK_MAIN();
