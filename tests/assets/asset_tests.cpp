// The asset pack: the picture table, picture encoding and layouts, sounds and songs.
#include <gtest/gtest.h>

#include <cstring>
#include <set>
#include <string>
#include <vector>

#include "assets/catalog.h"

namespace {

uint32_t Le(const std::vector<uint8_t>& b, size_t at, int n) {
  uint32_t v = 0;
  for (int i = n - 1; i >= 0; --i) v = v << 8 | b[at + i];
  return v;
}
uint32_t Be(const std::vector<uint8_t>& b, size_t at, int n) {
  uint32_t v = 0;
  for (int i = 0; i < n; ++i) v = v << 8 | b[at + i];
  return v;
}

const art::Picture& Find(const std::string& name) {
  for (const auto& p : art::Pictures())
    if (p.name == name) return p;
  ADD_FAILURE() << "no picture " << name;
  return art::Pictures().front();
}

// Decodes a 24-bit bottom-up BMP into top-down RGB, checking the header on the way.
struct Decoded {
  int w = 0, h = 0;
  std::vector<uint8_t> rgb;
  bool Lit(int x, int y) const {
    const uint8_t* p = &rgb[(static_cast<size_t>(y) * w + x) * 3];
    return p[0] | p[1] | p[2];
  }
  int Luma(int x, int y) const {
    const uint8_t* p = &rgb[(static_cast<size_t>(y) * w + x) * 3];
    return (p[0] * 3 + p[1] * 6 + p[2]) / 10;
  }
  bool AnyLit(int x0, int y0, int x1, int y1) const {
    for (int y = y0; y < y1; ++y)
      for (int x = x0; x < x1; ++x)
        if (Lit(x, y)) return true;
    return false;
  }
};
Decoded Decode(const std::vector<uint8_t>& b) {
  Decoded d;
  EXPECT_EQ(std::string(b.begin(), b.begin() + 2), "BM");
  EXPECT_EQ(Le(b, 2, 4), b.size());
  EXPECT_EQ(Le(b, 14, 4), 40u);
  d.w = static_cast<int>(Le(b, 18, 4));
  d.h = static_cast<int32_t>(Le(b, 22, 4));  // positive: bottom-up
  EXPECT_GT(d.h, 0);
  EXPECT_EQ(Le(b, 28, 2), 24u);
  EXPECT_EQ(Le(b, 30, 4), 0u);
  const size_t off = Le(b, 10, 4), stride = (static_cast<size_t>(d.w) * 3 + 3) & ~size_t{3};
  EXPECT_EQ(off + stride * d.h, b.size());
  d.rgb.resize(static_cast<size_t>(d.w) * d.h * 3);
  for (int y = 0; y < d.h; ++y)
    for (int x = 0; x < d.w; ++x)
      for (int c = 0; c < 3; ++c)
        d.rgb[(static_cast<size_t>(y) * d.w + x) * 3 + c] = b[off + (d.h - 1 - y) * stride + x * 3 + 2 - c];
  return d;
}

Decoded Render(const std::string& name) {
  return Decode(art::RenderPicture(Find(name)));
}

TEST(PictureTable, LoadOrderFillsSlotsFourToTwoHundredFiftyOne) {
  const auto& pics = art::Pictures();
  ASSERT_EQ(pics.size(), 248u);  // slots 4 to 251
  EXPECT_EQ(pics.front().name, "IMAGE/COIN1.BMP");
  EXPECT_EQ(pics[art::kPicturesBeforeSounds - 1].name, "IMAGE/ZFIRE2.BMP");   // slot 237
  EXPECT_EQ(pics[art::kPicturesBeforeSounds].name, "IMAGE/BACK/Kiti01.BMP");  // slot 238
  EXPECT_EQ(pics[89 - 4].name, "IMAGE/MYME1.BMP");
  EXPECT_EQ(pics[170 - 4].name, "IMAGE/BOSS/BOSS11.BMP");
  EXPECT_EQ(pics[186 - 4].name, "IMAGE/VAL16241.BMP");
  EXPECT_EQ(pics.back().name, "IMAGE/CONTINU1.BMP");
  std::set<std::string> names;
  for (const auto& p : pics) names.insert(p.name);
  EXPECT_EQ(names.size(), pics.size() - 1);  // VAL402 alone is loaded twice
}

TEST(PictureTable, SizesTheGameReliesOn) {
  struct Want {
    const char* name;
    int w, h, cw, ch;
  };
  const Want wants[] = {
      {"IMAGE/SUJI09_2.BMP", 200, 25, 20, 25},         {"IMAGE/MYME1F1.BMP", 180, 80, 60, 80},
      {"IMAGE/GFBAK1.BMP", 480, 120, 60, 60},          {"IMAGE/BBAK1B.BMP", 640, 160, 160, 160},
      {"IMAGE/ZFIRE2.BMP", 400, 70, 20, 70},           {"IMAGE/VAL20241.BMP", 480, 20, 20, 20},
      {"IMAGE/ZAKU/SZAK11_0.BMP", 160, 360, 160, 360}, {"IMAGE/ZAKU/SZAK12_3.BMP", 60, 360, 60, 360},
      {"IMAGE/ZAKU/SZAK11_2.BMP", 14, 46, 14, 46},     {"IMAGE/BOSS/BOSS71_3.BMP", 500, 400, 500, 400},
      {"IMAGE/BOSS/BOSS41_2.BMP", 440, 380, 440, 380}, {"IMAGE/LEVEL0.BMP", 360, 480, 360, 480},
  };
  for (const Want& w : wants) {
    const art::Picture& p = Find(w.name);
    EXPECT_EQ(p.w, w.w) << w.name;
    EXPECT_EQ(p.h, w.h) << w.name;
    EXPECT_EQ(p.cell_w, w.cw) << w.name;
    EXPECT_EQ(p.cell_h, w.ch) << w.name;
  }
  EXPECT_GE(Find("IMAGE/MYME1.BMP").w, 240);  // the frame at x 180 must exist
  EXPECT_GE(Find("IMAGE/MYMY.BMP").w, 224);
  EXPECT_GE(Find("IMAGE/SFLHV1.BMP").w, 180);
}

TEST(Pictures, EveryPictureEncodesAtItsSizeInWholeFrames) {
  for (const auto& p : art::Pictures()) {
    SCOPED_TRACE(p.name);
    EXPECT_EQ(p.w % p.cell_w, 0);
    EXPECT_EQ(p.h % p.cell_h, 0);
    Decoded d = Decode(art::RenderPicture(p));
    EXPECT_EQ(d.w, p.w);
    EXPECT_EQ(d.h, p.h);
    EXPECT_TRUE(d.AnyLit(0, 0, d.w, d.h)) << "entirely black";
  }
}

TEST(Pictures, EveryFrameOfAnAnimatedStripIsDrawn) {
  for (const char* name : {"IMAGE/COINBK1.BMP", "IMAGE/ZBAK1B.BMP", "IMAGE/ZBAK3B.BMP", "IMAGE/BBAK1B.BMP",
                           "IMAGE/GFBAK1.BMP", "IMAGE/ZFIRE1.BMP", "IMAGE/VAL1.BMP", "IMAGE/VAL16241.BMP",
                           "IMAGE/MYME1F1.BMP", "IMAGE/SFLHV2.BMP", "IMAGE/VAL404.BMP"}) {
    const art::Picture& p = Find(name);
    Decoded d = Render(name);
    for (int y = 0; y < p.h; y += p.cell_h)
      for (int x = 0; x < p.w; x += p.cell_w)
        EXPECT_TRUE(d.AnyLit(x, y, x + p.cell_w, y + p.cell_h)) << name << " frame at " << x << "," << y;
  }
}

TEST(Pictures, DigitGlyphsSitInTheCellsTheHudReads) {
  Decoded big = Render("IMAGE/SUJI09_2.BMP");
  Decoded small = Render("IMAGE/MYMY.BMP");
  std::set<std::vector<uint8_t>> shapes;
  for (int dgt = 0; dgt < 10; ++dgt) {
    EXPECT_TRUE(big.AnyLit(20 * dgt, 0, 20 * dgt + 20, 25)) << dgt;
    EXPECT_TRUE(small.AnyLit(7 * dgt + 8, 70, 7 * dgt + 15, 80)) << dgt;
    std::vector<uint8_t> cell;
    for (int y = 70; y < 80; ++y)
      for (int x = 7 * dgt + 8; x < 7 * dgt + 15; ++x) cell.push_back(small.Luma(x, y) >= 100);
    shapes.insert(cell);
  }
  EXPECT_EQ(shapes.size(), 10u) << "small digits must be told apart";
  // The score's tiles hide the sky behind them: no transparent pixel inside.
  for (int y = 3; y < 22; ++y)
    for (int x = 3; x < 197; ++x)
      if (x % 20 >= 3 && x % 20 < 17) {
        ASSERT_TRUE(big.Lit(x, y)) << x << "," << y;
      }
  EXPECT_TRUE(small.AnyLit(200, 70, 224, 80));  // the label
}

// The high score is drawn over white cloud as well as black space: every light
// pixel of a small digit or the label is ringed by dark ones, never by
// see-through pixels nor by the edge of the cell the HUD cuts.
TEST(Pictures, SmallDigitsAreRimmedDarkInsideTheirCells) {
  Decoded d = Render("IMAGE/MYMY.BMP");
  struct Cell {
    int x0, x1;
  };
  std::vector<Cell> cells;
  for (int dgt = 0; dgt < 10; ++dgt) cells.push_back({7 * dgt + 8, 7 * dgt + 15});
  cells.push_back({200, 224});  // the label
  for (const Cell& c : cells) {
    SCOPED_TRACE(c.x0);
    int light = 0;
    for (int y = 70; y < 80; ++y)
      for (int x = c.x0; x < c.x1; ++x) {
        if (!d.Lit(x, y) || d.Luma(x, y) < 100) continue;
        ++light;
        for (int ny = y - 1; ny <= y + 1; ++ny)
          for (int nx = x - 1; nx <= x + 1; ++nx) {
            ASSERT_TRUE(nx >= c.x0 && nx < c.x1 && ny >= 70 && ny < 80)
                << x << "," << y << " touches the cell's edge";
            ASSERT_TRUE(d.Lit(nx, ny)) << nx << "," << ny << " is see-through beside a light pixel";
            ASSERT_TRUE(d.Luma(nx, ny) >= 100 || d.Luma(nx, ny) < 40)
                << nx << "," << ny << " is neither light nor dark";
          }
      }
    EXPECT_GT(light, 5);
  }
}

TEST(Pictures, ShipSelectLeavesItsWindowsClear) {
  Decoded d = Render("IMAGE/LEVEL0.BMP");
  EXPECT_FALSE(d.AnyLit(90, 60, 270, 310));   // the demonstration flight
  EXPECT_FALSE(d.AnyLit(60, 350, 355, 420));  // the ship icons
  EXPECT_TRUE(d.Lit(20, 200));                // the frame itself hides the background
  // The icons' window is closed on every side.
  EXPECT_TRUE(d.Lit(358, 380));
  EXPECT_TRUE(d.Lit(200, 430));
  // Both windows sit centred under the heading: the see-through run through
  // each has as much frame to its left as to its right.
  for (int y : {200, 385}) {
    int left = 180, right = 180;
    while (left > 0 && !d.Lit(left - 1, y)) --left;
    while (right < d.w - 1 && !d.Lit(right + 1, y)) ++right;
    EXPECT_NEAR(left + right, d.w - 1, 1) << "window through row " << y << " runs " << left << " to " << right;
  }
}

TEST(Pictures, BackgroundLayersTileTopToBottom) {
  for (int layer : {1, 2, 3, 4, 5, 8}) {
    Decoded d = Render("IMAGE/BACK/BBACK" + std::to_string(layer) + "S.BMP");
    // The last row and the first must join as smoothly as neighbouring rows do.
    long seam = 0, inner = 0;
    for (int x = 0; x < d.w * 3; ++x) {
      seam += std::abs(d.rgb[(479 * d.w) * 3 + x] - d.rgb[x]);
      inner += std::abs(d.rgb[(239 * d.w) * 3 + x] - d.rgb[(240 * d.w) * 3 + x]);
    }
    EXPECT_LT(seam, inner * 3 + 3000) << layer;
  }
  Decoded deep = Render("IMAGE/BACK/BBACK8S.BMP");
  for (int y = 0; y < deep.h; y += 7)
    for (int x = 0; x < deep.w; x += 5) ASSERT_TRUE(deep.Lit(x, y)) << "the back layer must be opaque";
}

TEST(Pictures, DamageStatesBreakProgressively) {
  for (const char* base : {"IMAGE/BOSS/BOSS71", "IMAGE/BOSS/BOSS41"}) {
    const Decoded whole = Render(std::string(base) + ".BMP");
    int changed_before = 0, solid_before = whole.w * whole.h;
    for (const char* suffix : {"_1", "_2", "_3"}) {
      Decoded d = Render(std::string(base) + suffix + ".BMP");
      int changed = 0, solid = 0;
      for (size_t i = 0; i < d.rgb.size(); i += 3) {
        changed += std::memcmp(&d.rgb[i], &whole.rgb[i], 3) != 0;
        solid += (d.rgb[i] | d.rgb[i + 1] | d.rgb[i + 2]) != 0;
      }
      EXPECT_GT(changed, changed_before * 1.2 + 500)
          << base << suffix << " is hardly worse than the last state";
      if (std::string(suffix) != "_1") {
        EXPECT_LT(solid, solid_before) << base << suffix << " has no new holes";
      }
      changed_before = changed, solid_before = solid;
    }
  }
}

std::vector<uint8_t> PackFile(const std::vector<art::PackFile>& pack, const std::string& name) {
  for (const auto& f : pack)
    if (f.name == name) return f.bytes;
  ADD_FAILURE() << "no file " << name;
  return {};
}

class Pack : public ::testing::Test {
 protected:
  static void SetUpTestSuite() { pack_ = new std::vector<art::PackFile>(art::BuildPack()); }
  static void TearDownTestSuite() { delete pack_; }
  static std::vector<art::PackFile>* pack_;
};
std::vector<art::PackFile>* Pack::pack_ = nullptr;

TEST_F(Pack, SoundsComeBetweenTheTwoRunsOfPicturesAndSongsLast) {
  ASSERT_EQ(pack_->size(), 253u);
  EXPECT_EQ((*pack_)[234].name, "SOUND/SHOT.WAV");
  EXPECT_EQ((*pack_)[235].name, "SOUND/BOM.WAV");
  EXPECT_EQ((*pack_)[236].name, "IMAGE/BACK/Kiti01.BMP");
  EXPECT_EQ((*pack_)[250].name, "MIDI/VKS1.MID");
  EXPECT_EQ((*pack_)[251].name, "MIDI/VKSEND.MID");
  EXPECT_EQ((*pack_)[252].name, "IMAGE/MAIN.BMP");
}

TEST_F(Pack, IsTheSameOnEveryBuild) {
  std::vector<art::PackFile> again = art::BuildPack();
  ASSERT_EQ(again.size(), pack_->size());
  for (size_t i = 0; i < again.size(); ++i) EXPECT_TRUE(again[i].bytes == (*pack_)[i].bytes) << again[i].name;
}

TEST_F(Pack, SoundsAreRiffPcm16) {
  struct Want {
    const char* name;
    double min_s, max_s;
  };
  for (Want w : {Want{"SOUND/SHOT.WAV", 0.05, 0.2}, Want{"SOUND/BOM.WAV", 0.4, 0.9}}) {
    std::vector<uint8_t> b = PackFile(*pack_, w.name);
    ASSERT_GE(b.size(), 44u) << w.name;
    EXPECT_EQ(std::string(b.begin(), b.begin() + 4), "RIFF");
    EXPECT_EQ(Le(b, 4, 4) + 8, b.size());
    EXPECT_EQ(std::string(b.begin() + 8, b.begin() + 16), "WAVEfmt ");
    EXPECT_EQ(Le(b, 20, 2), 1u);   // PCM
    EXPECT_EQ(Le(b, 34, 2), 16u);  // bits
    const uint32_t channels = Le(b, 22, 2), rate = Le(b, 24, 4);
    EXPECT_EQ(Le(b, 28, 4), rate * channels * 2);
    EXPECT_EQ(std::string(b.begin() + 36, b.begin() + 40), "data");
    const double seconds = Le(b, 40, 4) / (2.0 * channels * rate);
    EXPECT_GT(seconds, w.min_s) << w.name;
    EXPECT_LT(seconds, w.max_s) << w.name;
    int peak = 0;
    for (size_t i = 44; i + 1 < b.size(); i += 2)
      peak = std::max(peak, std::abs(static_cast<int16_t>(Le(b, i, 2))));
    EXPECT_GT(peak, 3000) << w.name << " is too quiet";
  }
}

// Reads an SMF: format, track count, the end tick of every track, the tempo,
// and which channels carry notes.
struct Smf {
  uint32_t format = 0, tracks = 0, ppq = 0, tempo = 500000;
  std::vector<uint32_t> ends;
  std::set<int> note_channels;
  double Seconds() const { return ends.empty() ? 0 : ends[0] * (tempo / 1e6) / ppq; }
};
Smf ParseSmf(const std::vector<uint8_t>& b) {
  Smf s;
  EXPECT_EQ(std::string(b.begin(), b.begin() + 4), "MThd");
  s.format = Be(b, 8, 2), s.tracks = Be(b, 10, 2), s.ppq = Be(b, 12, 2);
  size_t at = 14;
  for (uint32_t t = 0; t < s.tracks; ++t) {
    EXPECT_EQ(std::string(b.begin() + at, b.begin() + at + 4), "MTrk");
    const size_t end = at + 8 + Be(b, at + 4, 4);
    at += 8;
    uint32_t tick = 0;
    uint8_t status = 0;
    bool ended = false;
    while (at < end && !ended) {
      uint32_t delta = 0;
      do delta = delta << 7 | (b[at] & 0x7F);
      while (b[at++] & 0x80);
      tick += delta;
      if (b[at] & 0x80) status = b[at++];
      if (status == 0xFF) {
        const uint8_t type = b[at++], len = b[at++];
        if (type == 0x51) s.tempo = Be(b, at, 3);
        if (type == 0x2F) ended = true;
        at += len;
      } else {
        if ((status & 0xF0) == 0x90 && b[at + 1]) s.note_channels.insert(status & 0x0F);
        at += ((status & 0xF0) == 0xC0 || (status & 0xF0) == 0xD0) ? 1 : 2;
      }
    }
    EXPECT_TRUE(ended) << "track " << t << " has no end";
    EXPECT_EQ(at, end) << "track " << t << " length";
    s.ends.push_back(tick);
    at = end;
  }
  EXPECT_EQ(at, b.size());
  return s;
}

TEST_F(Pack, StageSongIsAMinuteLongFormatOneLoop) {
  Smf s = ParseSmf(PackFile(*pack_, "MIDI/VKS1.MID"));
  EXPECT_EQ(s.format, 1u);
  EXPECT_GE(s.tracks, 5u);  // tempo, lead, bass, pads and more, drums
  EXPECT_GE(s.Seconds(), 60.0);
  for (uint32_t e : s.ends) EXPECT_EQ(e, s.ends[0]) << "every track ends on the loop point";
  EXPECT_EQ(s.ends[0] % (s.ppq * 4), 0u) << "the loop ends on a bar line";
  EXPECT_TRUE(s.note_channels.count(9)) << "drums";
  EXPECT_GE(s.note_channels.size(), 4u);
}

TEST_F(Pack, EndingSongIsCalmer) {
  Smf end = ParseSmf(PackFile(*pack_, "MIDI/VKSEND.MID")),
      stage = ParseSmf(PackFile(*pack_, "MIDI/VKS1.MID"));
  EXPECT_EQ(end.format, 1u);
  EXPECT_GT(end.tempo, stage.tempo);  // slower
  EXPECT_FALSE(end.note_channels.count(9));
  EXPECT_GE(end.Seconds(), 30.0);
}

}  // namespace
