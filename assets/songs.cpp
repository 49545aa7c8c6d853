// The stage song and the ending song, written out from their note tables.
#include "assets/songs.h"

#include "assets/midi.h"

namespace art {

namespace {

constexpr int kEighth = Song::kPpq / 2;
constexpr int kBar = Song::kPpq * 4;

struct Step {
  int key;  // MIDI note, 0 for a rest
  int eighths;
};

// Chords as root and the kind of triad; pads voice them as a close triad
// (an octave doubling of the same patch would start in phase with the root
// and stack its peaks), bass plays roots.
struct Chord {
  int root;  // MIDI note of the root in the bass octave
  bool minor;
};

constexpr int A = 45, C = 48, D = 50, E = 52, F = 53, G = 55;

void Phrase(Song& s, int track, int bar, const std::vector<Step>& steps, int velocity) {
  int tick = bar * kBar;
  for (const Step& st : steps) {
    if (st.key) s.Note(track, tick, st.eighths * kEighth, st.key, velocity);
    tick += st.eighths * kEighth;
  }
}

void PadChord(Song& s, int track, int bar, Chord c, int velocity) {
  int third = c.minor ? 3 : 4;
  for (int k : {12, 12 + third, 19}) s.Note(track, bar * kBar, kBar, c.root + k, velocity);
}

// The same close triad spread across the stereo field: root and fifth on a
// track panned to one side, the third on a track panned to the other, struck
// harder so that both sides carry the same weight.
void WidePadChord(Song& s, int pair, int lone, int bar, Chord c) {
  for (int k : {12, 19}) s.Note(pair, bar * kBar, kBar, c.root + k, 66);
  s.Note(lone, bar * kBar, kBar, c.root + 12 + (c.minor ? 3 : 4), 79);
}

// Stage theme, A minor at 140 bpm: 36 bars, a little over a minute.
// Layout: intro 4, A 8, B 8, A 8, bridge 4, turnaround 4.
const std::vector<Step> kMelodyA = {
    {69, 2}, {72, 1}, {76, 1}, {81, 2}, {79, 1}, {76, 1},  // Am
    {77, 3}, {76, 1}, {72, 2}, {69, 2},                    // F
    {79, 2}, {76, 1}, {79, 1}, {84, 3}, {83, 1},           // C
    {86, 2}, {83, 2}, {79, 2}, {74, 2},                    // G
    {81, 2}, {79, 1}, {76, 1}, {72, 2}, {76, 2},           // Am
    {77, 2}, {81, 2}, {84, 2}, {81, 2},                    // F
    {79, 3}, {76, 1}, {72, 2}, {76, 2},                    // C
    {74, 2}, {79, 2}, {71, 2}, {74, 2},                    // G
};
const std::vector<Step> kMelodyB = {
    {84, 4}, {81, 2}, {77, 2},                             // F
    {86, 4}, {83, 2}, {79, 2},                             // G
    {88, 3}, {86, 1}, {83, 2}, {79, 2},                    // Em
    {81, 6}, {0, 2},                                       // Am
    {81, 2}, {84, 2}, {89, 2}, {88, 2},                    // F
    {86, 2}, {83, 2}, {79, 2}, {83, 2},                    // G
    {76, 1}, {79, 1}, {83, 1}, {88, 1}, {86, 2}, {83, 2},  // Em
    {81, 8},                                               // Am
};

std::vector<Chord> StageChords() {
  const Chord am{A, true}, f{F - 12, false}, c{C, false}, g{G - 12, false}, em{E, true}, dm{D, true},
      e{E, false};
  std::vector<Chord> bars;
  auto add = [&](std::initializer_list<Chord> cs) { bars.insert(bars.end(), cs); };
  add({am, f, c, g});                 // intro
  add({am, f, c, g, am, f, c, g});    // A
  add({f, g, em, am, f, g, em, am});  // B
  add({am, f, c, g, am, f, c, g});    // A
  add({dm, em, f, g});                // bridge
  add({am, f, g, e});                 // turnaround, E leads home to Am
  return bars;
}

}  // namespace

std::vector<uint8_t> MakeStageSong() {
  const std::vector<Chord> bars = StageChords();
  const int n = static_cast<int>(bars.size());
  Song s(140, n * kBar);
  // Levels: the song peaks near three fifths of full scale, leaving room for
  // the shot and the blast on top. Its peak is its body's height times its
  // crest, so the parts are voiced to keep the crest low: a violin lead, a
  // rounded synth bass and a halo pad, whose attacks and waveforms stack into
  // smaller spikes than a square lead, a plucked synth bass and a warm pad,
  // whichever way their phases meet from one time round the loop to the next.
  // The violin also gives the song its brightness, which a flute lacks.
  // The drums stay below the body and the tom fills under the snare.
  // Places: bass, drums and lead in the middle (the lead a touch left), the
  // pad split wide to both sides, the arpeggio to the right.
  int lead = s.Track("Lead", 0, 40, 86, 56);             // violin lead
  int bass = s.Track("Bass", 1, 82, 94, 64);             // calliope, two octaves below the lead
  int padLeft = s.Track("Pad left", 2, 94, 107, 12);     // halo pad, root and fifth
  int padRight = s.Track("Pad right", 4, 94, 107, 116);  // halo pad, third
  int arp = s.Track("Arp", 3, 5, 60, 90);                // electric piano arpeggio
  int drums = s.Track("Drums", 9, 0, 70);

  for (int b = 0; b < n; ++b) {
    const Chord c = bars[b];
    WidePadChord(s, padLeft, padRight, b, c);
    // Driving eighth-note bass with an octave kick on the off-beats.
    for (int i = 0; i < 8; ++i)
      s.Note(bass, b * kBar + i * kEighth, kEighth, c.root - 12 + (i % 2 ? 12 : 0), i % 4 ? 85 : 90);
    // Drums: kick on 1, the and of 2, and 3; snare on 2 and 4; closed hats on eighths.
    int t0 = b * kBar;
    for (int k : {0, 3, 4}) s.Note(drums, t0 + k * kEighth, kEighth, 36, 110);
    for (int k : {2, 6}) s.Note(drums, t0 + k * kEighth, kEighth, 38, 100);
    for (int k = 0; k < 8; ++k) s.Note(drums, t0 + k * kEighth, kEighth, 42, k % 2 ? 60 : 80);
    if (b % 8 == 4 || b == 0) s.Note(drums, t0, kBar / 2, 49, 100);  // crash at each section
    if (b % 4 == 3) {
      for (int k = 0; k < 4; ++k)
        s.Note(drums, t0 + 6 * kEighth + k * kEighth / 2, kEighth / 2, 47 - 2 * (k / 2), 65);
    }
    // Arpeggio in the bridge and turnaround, quiet elsewhere from bar 4 on.
    if (b >= 4) {
      int third = c.minor ? 3 : 4;
      const int pattern[8] = {12, 12 + third, 19, 24, 19, 12 + third, 24, 19};
      for (int i = 0; i < 8; ++i)
        s.Note(arp, t0 + i * kEighth, kEighth, c.root + 12 + pattern[i], b >= 28 ? 80 : 55);
    }
  }
  Phrase(s, lead, 4, kMelodyA, 95);
  Phrase(s, lead, 12, kMelodyB, 95);
  Phrase(s, lead, 20, kMelodyA, 95);
  // Turnaround: long held notes climbing to the leading tone.
  Phrase(s, lead, 32, {{76, 4}, {81, 4}, {77, 4}, {84, 4}, {79, 4}, {86, 4}, {80, 4}, {83, 4}}, 95);
  return s.Encode();
}

std::vector<uint8_t> MakeEndingSong() {
  // C major at 84 bpm: piano melody over strings, 16 bars.
  const Chord cm{C, false}, am{A, true}, f{F - 12, false}, g{G - 12, false}, em{E, true};
  const std::vector<Chord> bars = {cm, am, f, g, cm, em, f, g, am, em, f, cm, f, g, cm, g};
  const int n = static_cast<int>(bars.size());
  Song s(84, n * kBar);
  int piano = s.Track("Piano", 0, 0, 100, 64);
  // The strings play dry. The soundfont's string ensemble sends its two main
  // layers wholly to the chorus, and FluidSynth's chorus makes its stereo out
  // of the differences between its delay lines, with opposite signs on the
  // two sides: its return, some 14 dB above the dry strings, cancels in a
  // mono sum (left/right correlation -0.9). Without it the ensemble's own
  // stereo layers stay in phase; the channel at full volume makes up most of
  // the level the chorus gave.
  int strings = s.Track("Strings", 1, 48, 127, 50);
  s.OffsetGenerator(strings, Song::kChorusSend, -1000);
  int bass = s.Track("Bass", 2, 32, 85, 64);  // acoustic bass
  int harp = s.Track("Harp", 3, 46, 60, 85);
  for (int b = 0; b < n; ++b) {
    const Chord c = bars[b];
    PadChord(s, strings, b, c, 55);
    s.Note(bass, b * kBar, kBar / 2, c.root - 12, 80);
    s.Note(bass, b * kBar + kBar / 2, kBar / 2, c.root - 5, 70);
    int third = c.minor ? 3 : 4;
    const int pattern[8] = {12, 19, 24, 24 + third, 31, 24 + third, 24, 19};
    for (int i = 0; i < 8; ++i) s.Note(harp, b * kBar + i * kEighth, kEighth * 2, c.root + pattern[i], 50);
  }
  Phrase(s, piano, 0,
         {{76, 3}, {74, 1}, {72, 4}, {72, 2}, {76, 2}, {79, 4}, {77, 3}, {76, 1}, {74, 2}, {72, 2}, {74, 8},
          {76, 3}, {77, 1}, {79, 4}, {79, 2}, {76, 2}, {71, 4}, {72, 2}, {74, 2}, {77, 2}, {76, 2}, {74, 8},
          {72, 3}, {74, 1}, {76, 4}, {71, 3}, {72, 1}, {74, 4}, {72, 2}, {69, 2}, {72, 2}, {77, 2}, {76, 8},
          {81, 3}, {79, 1}, {77, 4}, {76, 2}, {74, 2}, {72, 2}, {74, 2}, {72, 8}, {0, 4},  {71, 4}},
         80);
  return s.Encode();
}

}  // namespace art
