// The pack's one table: every picture with its size, cells and painter, the
// sounds, the songs and the icon, in the game's load order.
#include "assets/catalog.h"

#include "assets/bmp.h"
#include "assets/painters.h"
#include "assets/songs.h"
#include "assets/sounds.h"

namespace art {

namespace {

class Table {
 public:
  std::vector<Picture> list;
  void Still(const std::string& n, int w, int h, Painter p, int v = 0) { Strip(n, w, h, w, h, p, v); }
  void Strip(const std::string& n, int w, int h, int cw, int ch, Painter p, int v = 0) {
    list.push_back({"IMAGE/" + n + ".BMP", w, h, cw, ch, p, v, true});
  }
  // Loaded only to keep the slot numbers: a small token picture.
  void Only(const std::string& n) {
    list.push_back({"IMAGE/" + n + ".BMP", 16, 16, 16, 16, PaintToken, static_cast<int>(list.size()), false});
  }
  // Never drawn by the game, but worth a real picture of the same family.
  void Spare(const std::string& n, int w, int h, Painter p, int v) {
    list.push_back({"IMAGE/" + n + ".BMP", w, h, w, h, p, v, false});
  }
};

// Shot variants, shared with the player-side painters through their numbers.
enum Shot { kRay1, kRay2, kWide0, kWide1, kWide2, kTriple0, kTriple1, kTriple2, kFive0, kFive };

std::vector<Picture> MakeTable() {
  Table t;
  t.Still("COIN1", 30, 30, PaintCoin);
  t.Only("COIN2");
  t.Strip("COINBK1", 800, 80, 80, 80, PaintBlast, 0);
  t.Strip("ZBAK1B", 600, 60, 60, 60, PaintBlast, 1);
  t.Strip("ZBAK2B", 720, 80, 80, 80, PaintBlast, 2);
  t.Strip("ZBAK3B", 800, 80, 80, 80, PaintBlast, 3);
  t.Only("ZBAK4B");
  t.Only("ZBAK5B");
  t.Strip("ZBAK6B", 360, 40, 40, 40, PaintBlast, 4);
  t.Strip("BBAK1B", 640, 160, 160, 160, PaintBlast, 5);
  t.Only("HOMINGL1");
  for (int i = 51; i <= 66; ++i) t.Only("MYRCL" + std::to_string(i));
  for (int i = 51; i <= 66; ++i) t.Still("MYRCL" + std::to_string(i) + "G", 240, 280, PaintBeam, i - 50);
  for (int i = 51; i <= 71; ++i) t.Only("MYRCL" + std::to_string(i) + "TH");
  t.Strip("GFBAK1", 480, 120, 60, 60, PaintBlast, 6);
  for (int i = 1; i <= 20; ++i) t.Only("MYME1L" + std::to_string(i));
  t.Strip("MYME1", 240, 70, 60, 70, PaintShip);
  t.Still("MYME1OP1", 60, 60, PaintOption);
  t.Still("MYME1OP1ST1", 16, 16, PaintShot, kFive + 5);
  t.Strip("MYME1F1", 180, 80, 60, 80, PaintShipFlame);
  t.Only("FRAY1");
  t.Still("FBOM1", 80, 80, PaintBomb);
  t.Still("MYMY", 224, 80, PaintSmallDigits);
  t.Still("MYGOODN", 300, 100, PaintVictory);
  t.Only("SUJI09");
  t.Strip("SUJI09_2", 200, 25, 20, 25, PaintBigDigits);
  t.Still("RANKING1", 400, 100, PaintRanking);
  t.Only("HAHEN");
  t.Still("HAHEN2", 14, 14, PaintSpark);
  t.Strip("SFLHV1", 180, 60, 60, 60, PaintShot, kFive0);
  t.Strip("SFLHV2", 300, 60, 60, 60, PaintShot, kFive);
  t.Only("SFLH1");
  t.Only("MYME1B");
  for (int i = 2; i <= 5; ++i) t.Only("SFLH" + std::to_string(i));
  t.Still("SFLH6", 60, 60, PaintShot, kWide0);
  t.Still("SFLH7", 60, 60, PaintShot, kWide1);
  t.Still("SFLH8", 60, 60, PaintShot, kWide2);
  t.Spare("SFLH11", 60, 60, PaintShot, kWide0);
  t.Spare("SFLH22", 60, 60, PaintShot, kWide1);
  t.Spare("SFLH33", 60, 60, PaintShot, kWide2);
  t.Still("FLHST12", 70, 50, PaintMuzzle, 0);
  t.Only("FLHST11");
  t.Still("FLHST2", 70, 36, PaintMuzzle, 1);
  t.Still("FLHST22", 124, 70, PaintMuzzle, 2);
  t.Only("FLHST3");
  t.Only("FLHST33");
  t.Still("FLW1_3", 120, 60, PaintShot, kTriple0);
  t.Still("FLW2_1", 60, 60, PaintShot, kTriple1);
  t.Still("FLW3_2", 60, 60, PaintShot, kTriple2);
  t.Spare("FLW11", 60, 60, PaintShot, kTriple1);
  t.Spare("FLW22", 60, 60, PaintShot, kTriple1);
  t.Spare("FLW33", 60, 60, PaintShot, kTriple2);
  t.Still("RAY1", 30, 30, PaintShot, kRay1);
  t.Still("RAY2", 20, 20, PaintShot, kRay2);
  t.Spare("RAY11", 30, 30, PaintShot, kRay1);
  t.Spare("RAY22", 20, 20, PaintShot, kRay2);
  t.Only("RAY3");
  t.Still("RAY4", 30, 30, PaintOrb, 0);
  t.Still("RAY5", 40, 40, PaintOrb, 1);
  t.Still("RAY6", 50, 50, PaintOrb, 2);
  t.Only("RAY7");
  t.Only("RAY8");
  t.Only("RAY10");
  t.Still("SPOWER1", 60, 60, PaintPowerUp);
  t.Only("FBAK1");
  const int kEnemySize[][2] = {{60, 60}, {70, 80}, {80, 80}, {80, 80}, {80, 80}, {80, 80}};
  for (int k = 1; k <= 6; ++k)
    t.Still("ZAKU/SZAK" + std::to_string(k), kEnemySize[k - 1][0], kEnemySize[k - 1][1], PaintEnemy, k);
  t.Still("ZAKU/SZAK7", 240, 300, PaintEnemy, 7);
  t.Still("ZAKU/SZAK8", 240, 300, PaintEnemy, 8);
  t.Still("ZAKU/SZAK8O", 120, 120, PaintEnemy, 80);
  t.Still("ZAKU/SZAK9", 240, 300, PaintEnemy, 9);
  t.Still("ZAKU/SZAK10", 240, 440, PaintEnemy, 10);
  for (int kind = 2; kind >= 1; --kind) {  // SZAK11 is the second carrier kind, SZAK12 the first
    std::string base = "ZAKU/SZAK1" + std::to_string(3 - kind) + "_";
    t.Still(base + "0", 160, 360, PaintCarrierBody, kind);
    t.Still(base + "1", 14, 46, PaintCarrierJoint, kind * 2);
    t.Still(base + "2", 14, 46, PaintCarrierJoint, kind * 2 + 1);
    t.Still(base + "3", 60, 360, PaintCarrierBlade, kind * 2);
    t.Still(base + "4", 60, 360, PaintCarrierBlade, kind * 2 + 1);
  }
  t.Only("VAL11");
  t.Only("VAL12");
  t.Only("VAL13");
  t.Strip("VAL1", 256, 16, 16, 16, PaintBulletStrip, 0);
  t.Only("VAL2");
  t.Only("VAL3");
  t.Still("RPANEL3R", 60, 50, PaintBeamPanel);
  t.Spare("RPANEL2R", 60, 50, PaintBeamPanel, 0);
  t.Still("BOSS/BOSS11", 440, 360, PaintBoss1);
  for (int i = 1; i <= 3; ++i) t.Only("BOSS/BOSS11_" + std::to_string(i));
  t.Only("BOSS/BOSS31");
  t.Still("BOSS/BOSS41", 440, 380, PaintBoss3, 0);
  for (int i = 1; i <= 3; ++i) t.Still("BOSS/BOSS41_" + std::to_string(i), 440, 380, PaintBoss3, i);
  t.Only("BOSS/BOSS51");
  t.Still("BOSS/BOSS71", 500, 400, PaintBoss2, 0);
  for (int i = 1; i <= 3; ++i) t.Still("BOSS/BOSS71_" + std::to_string(i), 500, 400, PaintBoss2, i);
  t.Still("BOSS/BOS111", 480, 480, PaintBossSlide);
  t.Only("BOSS/BOS511");
  t.Strip("VAL16241", 384, 16, 16, 16, PaintBulletStrip, 1);
  t.Strip("VAL20241", 480, 20, 20, 20, PaintBulletStrip, 2);
  t.Still("VALL20", 20, 20, PaintOrb, 3);
  t.Only("VAL201");
  t.Only("VAL401");
  t.Strip("VAL402", 200, 40, 40, 40, PaintLanes, 5);
  t.Spare("VAL402", 200, 40, PaintLanes, 5);  // loaded a second time; only the first slot is drawn
  t.Strip("VAL404", 280, 40, 40, 40, PaintLanes, 7);
  t.Strip("VAL405", 200, 40, 40, 40, PaintLanes, 50);
  t.Still("VAL40L", 39, 39, PaintOrb, 4);
  t.Still("VAL40L1", 39, 39, PaintOrb, 5);
  t.Still("VAL40L2", 39, 39, PaintOrb, 6);
  for (const char* n :
       {"ZAL20",    "VAL15L",   "VAL151L",  "VAL30L",   "VAL20",    "VALARM11", "VALARM12", "VALARM31",
        "VALARM32", "VALARM33", "VALARM34", "VALARM51", "VALARM70", "VALARM7",  "VALARM71", "VALARM72",
        "VALARM73", "VALARM74", "VALARM75", "VAL20w",   "VAL21w",   "VAL30w"})
    t.Only(n);
  t.Still("VALL301", 30, 30, PaintMissile, 0);
  t.Still("VALL3011", 30, 30, PaintMissile, 1);
  for (const char* n : {"VALL3013", "VALL3014", "VALL3015", "VALL3016"}) t.Only(n);
  t.Still("VAL3015A", 30, 30, PaintMissile, 3);
  t.Still("VAL3016A", 30, 30, PaintMissile, 4);
  t.Only("VALL3017");
  t.Only("VALL3018");
  t.Still("VAL3017A", 30, 30, PaintMissile, 5);
  t.Still("VAL3018A", 30, 30, PaintMissile, 6);
  t.Still("VALL302", 30, 30, PaintMissile, 2);
  t.Only("VALL3019");
  t.Only("VALL3020");
  t.Only("MESO1");
  t.Strip("ZFIRE1", 400, 70, 20, 70, PaintEngineFlame, 0);
  t.Strip("ZFIRE2", 400, 70, 20, 70, PaintEngineFlame, 1);
  t.Still("BACK/Kiti01", 360, 360, PaintOverlay);
  for (int layer : {1, 2, 3, 4, 5})
    t.Still("BACK/BBACK" + std::to_string(layer) + "S", 360, 480, PaintBack, layer);
  t.Only("BACK/BBACK6S");
  t.Still("BACK/BBACK8S", 360, 480, PaintBack, 8);
  t.Still("TITLEC", 360, 480, PaintTitle);
  t.Still("VKCG1", 360, 480, PaintClosing, 1);
  t.Still("VKCG2", 360, 480, PaintClosing, 2);
  t.Still("LEVEL0", 360, 480, PaintShipSelect);
  t.Only("LEVEL1");
  t.Still("CONTINU1", 200, 100, PaintContinue);
  return t.list;
}

}  // namespace

const std::vector<Picture>& Pictures() {
  static const std::vector<Picture> table = MakeTable();
  return table;
}

std::vector<uint8_t> RenderPicture(const Picture& p) {
  Image im(p.w, p.h);
  p.paint(im, p.variant);
  return EncodeBmp(p.w, p.h, im.Flatten());
}

std::vector<PackFile> BuildPack() {
  std::vector<PackFile> pack;
  const auto& pics = Pictures();
  for (size_t i = 0; i < pics.size(); ++i) {
    if (i == kPicturesBeforeSounds) {
      pack.push_back({"SOUND/SHOT.WAV", MakeShotSound()});
      pack.push_back({"SOUND/BOM.WAV", MakeBlastSound()});
    }
    pack.push_back({pics[i].name, RenderPicture(pics[i])});
  }
  pack.push_back({"MIDI/VKS1.MID", MakeStageSong()});
  pack.push_back({"MIDI/VKSEND.MID", MakeEndingSong()});
  pack.push_back({IconName, RenderPicture({IconName, 64, 64, 64, 64, PaintIcon, 0, true})});
  return pack;
}

}  // namespace art
