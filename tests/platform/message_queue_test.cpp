// The window's queue while nothing reads it: a flood of mouse moves loses no
// key, click or close, nor where the mouse was at each; a queue full of keys
// still takes a close.
#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

#include "platform/headless.h"
#include "platform/message_queue.h"
#include "platform/window.h"

namespace {

void Drain() {
  for (plat::Message m; plat::PeekMessage(m);) {
  }
}

TEST(MessageQueue, AFloodOfMovesLosesNoKeyClickOrCloseNorWhereTheMouseWas) {
  Drain();
  // Places inside the smallest window another test makes.
  const int flood = 3 * static_cast<int>(plat::MessageQueue::Size);
  for (int i = 0; i < flood; ++i) plat::InjectMouseMove(i % 10, 1);
  plat::InjectMouseMove(5, 6);
  plat::InjectMouseButton(0, true);
  plat::InjectKeyDown('Z');
  for (int i = 0; i < flood; ++i) plat::InjectMouseMove(i % 10, 2);
  plat::InjectMouseMove(7, 8);
  plat::InjectClose();
  std::vector<uint32_t> others;
  intptr_t mouse = -1, atClick = -1;
  for (plat::Message m; plat::PeekMessage(m);) {
    if (m.msg == plat::MsgMouseMove) {
      mouse = m.lparam;
      continue;
    }
    others.push_back(m.msg);
    if (m.msg == plat::MsgLButtonDown) atClick = mouse;
  }
  plat::InjectKeyUp('Z');
  plat::InjectMouseButton(0, false);
  Drain();
  EXPECT_EQ(others, (std::vector<uint32_t>{plat::MsgLButtonDown, plat::MsgKeyDown, plat::MsgClose}));
  EXPECT_EQ(atClick, plat::PackPoint(5, 6));
  EXPECT_EQ(mouse, plat::PackPoint(7, 8));
}

TEST(MessageQueue, AQueueFullOfKeysStillTakesACloseAndAQuit) {
  Drain();
  for (size_t i = 0; i < plat::MessageQueue::Size + 10; ++i) plat::InjectKeyDown('A' + static_cast<int>(i % 26));
  plat::InjectClose();
  plat::PostQuitMessage();
  plat::InjectClose();  // one already waits
  size_t keys = 0;
  std::vector<uint32_t> ends;
  for (plat::Message m; plat::PeekMessage(m);) {
    if (m.msg == plat::MsgKeyDown)
      ++keys;
    else
      ends.push_back(m.msg);
  }
  for (int k = 'A'; k <= 'Z'; ++k) plat::InjectKeyUp(k);
  Drain();
  EXPECT_EQ(keys, plat::MessageQueue::Size - 2);
  EXPECT_EQ(ends, (std::vector<uint32_t>{plat::MsgClose, plat::MsgQuit}));
}

}  // namespace
