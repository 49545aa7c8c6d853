// The one interpreter of motion scripts.
#include "foes/motion_script.h"

#include <cmath>

#include "engine/coverage.h"
#include "engine/layout.h"
#include "engine/velSystem.h"
#include "world/pictures.h"

namespace {

constexpr float SlideTop = -480;

void DrawSlide(const SlidePicture& s) {
  DrawPicture(static_cast<int>(s.slide->x), static_cast<int>(s.slide->y), *s.picture, 0, 0, s.width,
              s.height);
}

void Apply(const Step& step, const MotionScript& script, ScriptBody& body) {
  const float dt = FrameSeconds;
  switch (step.op) {
    case Op::Speed:
      *body.vx = step.a;
      *body.vy = step.b;
      break;
    case Op::SpeedX:
      *body.vx = step.a;
      break;
    case Op::Drift:
      *body.x += step.a * *body.vx * dt;
      break;
    case Op::Home:
      *body.x = PlayfieldLeft + script.homeX;
      *body.y = script.homeY;
      break;
    case Op::Place:
      *body.x = PlayfieldLeft + script.homeX;
      *body.y = step.a;
      break;
    case Op::Enter:
      *body.x = PlayfieldLeft + script.homeX;
      *body.y = static_cast<float>(-body.h);
      break;
    case Op::Move:
      *body.x += step.a * dt;
      *body.y += step.b * dt;
      break;
    case Op::Descend:
      *body.y += *body.vy * dt;
      break;
    case Op::Turn:
      *body.x += std::cos(*body.heading) * *body.vx * dt;
      *body.y += std::sin(*body.heading) * *body.vy * dt;
      *body.heading += body.turn;
      break;
    case Op::Anchor:
      *body.x = body.anchorX;
      *body.y = body.anchorY;
      break;
    case Op::MoveTip:
      *body.tipX += step.a * dt;
      *body.tipY += step.b * dt;
      break;
    case Op::SlideStart:
      DrawSlide(*body.slide);
      body.slide->slide->x = PlayfieldLeft + step.a;
      body.slide->slide->y = ScreenHeight;
      body.slide->slide->speed = step.b;
      break;
    case Op::SlideUp: {
      ArrivalSlide& s = *body.slide->slide;
      DrawSlide(*body.slide);
      s.x = PlayfieldLeft + step.a;
      s.y -= s.speed * dt;
      if (s.y < SlideTop) s = ArrivalSlide{};
      break;
    }
  }
}

}  // namespace

void ApplyRows(const MotionScript& script, float clock, ScriptBody& body) {
  for (const ScriptRow& row : script.rows)
    if (row.window.Holds(clock)) {
      coverage::Hit(&row);
      Apply(row.step, script, body);
    }
}

void RunMotionScript(const MotionScript& script, float& clock, ScriptBody& body) {
  clock += script.rate * FrameSeconds;
  ApplyRows(script, clock, body);
  if (clock >= script.loopFrom) clock = script.loopTo;
}
