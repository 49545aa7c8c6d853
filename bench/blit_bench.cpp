// Our colour-keyed blit against SDL's own in one run: SDL's RLE blit, the way
// SDL programs draw keyed sprites, and its plain keyed blit. Each on a sprite
// drawn 200 times, and on the game's own pictures: every cell of every picture
// the game draws, decoded from the embedded pack as the game decodes it, keyed
// on black, blitted once into an 800x600 screen. Ours copies a picture's
// runs of shown pixels, which it finds when it decodes the picture, as SDL
// encodes its RLE surfaces before their first blit. The pack is drawn twice:
// as it comes, its pictures cached from the pass before as far as the cache
// holds them, and cold, the cache emptied of them before each pass (a pass
// that is not timed reads a buffer twice the size of the last-level cache), as
// a machine whose cache is smaller than the pack or shared with other work
// draws them.
//
// Run with repetitions, interleaved, for a mean and a spread:
//   blit_bench --benchmark_repetitions=10 --benchmark_enable_random_interleaving=true
//              --benchmark_display_aggregates_only=true
#include <SDL.h>
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <vector>

#include "assets/bmp.h"
#include "assets/catalog.h"
#include "assets/pack.h"
#include "platform/bmp.h"
#include "platform/resources.h"
#include "platform/surface.h"

namespace {
constexpr int ScreenW = 800, ScreenH = 600;
constexpr int SpriteW = 60, SpriteH = 70, SpriteCount = 200;

// A ship-like sprite: a filled ellipse on black, so about a third is
// transparent; made into a BMP and decoded, as the game loads its pictures.
plat::Surface* Sprite() {
  std::vector<uint8_t> rgb;
  for (int y = 0; y < SpriteH; ++y)
    for (int x = 0; x < SpriteW; ++x) {
      const float dx = (x - 30) / 28.0f, dy = (y - 35) / 33.0f;
      const bool inside = dx * dx + dy * dy < 1;
      rgb.insert(rgb.end(), {static_cast<uint8_t>(inside ? 40 + x * 3 : 0), static_cast<uint8_t>(inside ? 90 + y : 0),
                             static_cast<uint8_t>(inside ? 200 : 0)});
    }
  const std::vector<uint8_t> file = art::EncodeBmp(SpriteW, SpriteH, rgb);
  plat::Surface* s = plat::DecodeBmp(file.data(), file.size());
  if (!s) std::abort();
  return s;
}

// One blit: a source rectangle of a picture and where it lands.
struct Draw {
  int picture, sx, sy, w, h, dx, dy;
};

// The pictures, ours and as SDL surfaces with and without RLE, and the blits
// of one pass over them.
struct Scene {
  std::vector<plat::Surface*> ours;
  std::vector<SDL_Surface*> rle, plain;
  std::vector<Draw> draws;

  Scene() = default;
  Scene(Scene&&) = default;
  ~Scene() {
    for (plat::Surface* s : ours) plat::DestroySurface(s);
    for (SDL_Surface* s : rle) SDL_FreeSurface(s);
    for (SDL_Surface* s : plain) SDL_FreeSurface(s);
  }
};

SDL_Surface* SdlCopy(const plat::Surface* s, bool rle) {
  SDL_Surface* out = SDL_CreateRGBSurfaceWithFormat(0, s->width, s->height, 32, SDL_PIXELFORMAT_RGB888);
  if (!out) std::abort();
  for (int y = 0; y < s->height; ++y)
    std::memcpy(static_cast<uint8_t*>(out->pixels) + y * out->pitch, s->Row(y), s->width * 4u);
  SDL_SetColorKey(out, SDL_TRUE, s->colorKey);
  SDL_SetSurfaceRLE(out, rle ? 1 : 0);
  return out;
}

void Add(Scene& scene, plat::Surface* s) {
  scene.ours.push_back(s);
  scene.rle.push_back(SdlCopy(s, true));
  scene.plain.push_back(SdlCopy(s, false));
}

const Scene& SpriteScene() {
  static const Scene scene = [] {
    Scene s;
    Add(s, Sprite());
    for (int i = 0; i < SpriteCount; ++i)
      s.draws.push_back({0, 0, 0, SpriteW, SpriteH, 220 + (i * 37) % 300, (i * 53) % 530});
    return s;
  }();
  return scene;
}

// Every picture the game draws, each cell of it once, spread over the screen.
const Scene& PackScene() {
  static const Scene scene = [] {
    plat::RegisterResources(VelkorPack, VelkorPackCount);
    Scene s;
    int k = 0;
    for (const art::Picture& p : art::Pictures()) {
      if (!p.drawn) continue;
      const plat::ResourceEntry* r = plat::FindResource(p.name);
      plat::Surface* pic = r ? plat::DecodeBmp(r->data, r->size) : nullptr;
      if (!pic) std::abort();
      const int index = static_cast<int>(s.ours.size());
      Add(s, pic);
      for (int y = 0; y + p.cell_h <= pic->height; y += p.cell_h)
        for (int x = 0; x + p.cell_w <= pic->width; x += p.cell_w, ++k)
          s.draws.push_back({index, x, y, p.cell_w, p.cell_h, (k * 37) % (ScreenW - p.cell_w + 1),
                             (k * 53) % (ScreenH - p.cell_h + 1)});
    }
    return s;
  }();
  return scene;
}

// Reads twice as many bytes as the largest cache holds (at least 64 MiB), so
// that what the pass before read is no longer cached.
void EmptyCache(benchmark::State& state) {
  state.PauseTiming();
  static const std::vector<uint8_t> bytes = [] {
    long cache = 32l << 20;
    for (int level : {_SC_LEVEL2_CACHE_SIZE, _SC_LEVEL3_CACHE_SIZE, _SC_LEVEL4_CACHE_SIZE})
      cache = std::max(cache, sysconf(level));
    return std::vector<uint8_t>(2 * static_cast<size_t>(cache), 1);
  }();
  uint64_t sum = 0;
  for (size_t i = 0; i < bytes.size(); i += 64) sum += bytes[i];
  benchmark::DoNotOptimize(sum);
  state.ResumeTiming();
}

void Ours(benchmark::State& state, const Scene& scene, bool cold = false) {
  plat::Surface* dst = plat::CreateSurface(ScreenW, ScreenH);
  for (auto _ : state) {
    if (cold) EmptyCache(state);
    for (const Draw& d : scene.draws)
      plat::Blit(dst, d.dx, d.dy, scene.ours[d.picture], d.sx, d.sy, d.sx + d.w, d.sy + d.h, true);
    benchmark::DoNotOptimize(dst->pixels.data());
  }
  state.SetItemsProcessed(state.iterations() * static_cast<int64_t>(scene.draws.size()));
  plat::DestroySurface(dst);
}

void Sdl(benchmark::State& state, const Scene& scene, const std::vector<SDL_Surface*>& pictures,
         bool cold = false) {
  SDL_Surface* dst = SDL_CreateRGBSurfaceWithFormat(0, ScreenW, ScreenH, 32, SDL_PIXELFORMAT_RGB888);
  for (auto _ : state) {
    if (cold) EmptyCache(state);
    for (const Draw& d : scene.draws) {
      SDL_Rect from{d.sx, d.sy, d.w, d.h}, to{d.dx, d.dy, d.w, d.h};
      SDL_BlitSurface(pictures[d.picture], &from, dst, &to);
    }
    benchmark::DoNotOptimize(dst->pixels);
  }
  state.SetItemsProcessed(state.iterations() * static_cast<int64_t>(scene.draws.size()));
  SDL_FreeSurface(dst);
}

void OurKeyedBlit(benchmark::State& state) { Ours(state, SpriteScene()); }
void SdlRleBlit(benchmark::State& state) { Sdl(state, SpriteScene(), SpriteScene().rle); }
void SdlKeyedBlit(benchmark::State& state) { Sdl(state, SpriteScene(), SpriteScene().plain); }
void OurKeyedBlitPack(benchmark::State& state) { Ours(state, PackScene()); }
void SdlRleBlitPack(benchmark::State& state) { Sdl(state, PackScene(), PackScene().rle); }
void SdlKeyedBlitPack(benchmark::State& state) { Sdl(state, PackScene(), PackScene().plain); }
void OurKeyedBlitPackCold(benchmark::State& state) { Ours(state, PackScene(), true); }
void SdlRleBlitPackCold(benchmark::State& state) { Sdl(state, PackScene(), PackScene().rle, true); }
void SdlKeyedBlitPackCold(benchmark::State& state) { Sdl(state, PackScene(), PackScene().plain, true); }
}  // namespace

BENCHMARK(OurKeyedBlit);
BENCHMARK(SdlRleBlit);
BENCHMARK(SdlKeyedBlit);
BENCHMARK(OurKeyedBlitPack);
BENCHMARK(SdlRleBlitPack);
BENCHMARK(SdlKeyedBlitPack);
// Each cold pass costs a read of the whole buffer besides: a fixed count of
// passes keeps a run short.
BENCHMARK(OurKeyedBlitPackCold)->Iterations(20);
BENCHMARK(SdlRleBlitPackCold)->Iterations(20);
BENCHMARK(SdlKeyedBlitPackCold)->Iterations(20);
BENCHMARK_MAIN();
