// The window's message queue: a ring of fixed size, so that posting a
// message never allocates, and what a full ring gives up.
#pragma once
#include <array>
#include <cstddef>

#include "platform/window.h"

namespace plat {

// Room for 1024 messages. The game takes every waiting message before it
// draws a frame, so the ring fills only while nothing reads it, as through a
// long load with the mouse moving (every motion in a window is two
// messages, MsgSetCursor and MsgMouseMove), and then with the mouse's
// messages. A message that comes to a full ring:
//  - makes room by removing the oldest MsgSetCursor or MsgMouseMove that a
//    later one of its kind follows with only the mouse's messages between
//    (the one that comes counts): nothing reads the one removed before its
//    kind is set again, so the mouse is where it was at every other message;
//  - failing that, if it is a close or a quit and none of its kind waits, it
//    takes the place of the newest message that is neither, which is lost (a
//    close or quit already waiting does its work, so then it is not needed);
//  - failing that, it is lost.
// So no close or quit is ever lost, and a key or a button only when the
// ring is full of messages that are not the mouse's: far more keys and
// clicks than a player makes while the game does not read.
class MessageQueue {
 public:
  static constexpr size_t Size = 1024;

  bool Empty() const { return count == 0; }
  void Clear() { head = count = 0; }
  // The oldest message, taken out; false when none waits.
  bool Take(Message& out);
  void Post(const Message& m);

 private:
  Message& At(size_t i) { return slots[(head + i) % Size]; }
  const Message& At(size_t i) const { return slots[(head + i) % Size]; }
  void Remove(size_t i);
  bool MakeRoomFor(const Message& m);
  bool FindNewestOrdinary(size_t& found) const;
  bool Waits(uint32_t msg) const;

  std::array<Message, Size> slots{};
  size_t head = 0, count = 0;
};

}  // namespace plat
