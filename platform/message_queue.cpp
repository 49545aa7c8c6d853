// The window's message queue as a ring of fixed size, and its rules when full.
#include "platform/message_queue.h"

namespace plat {
namespace {

// The mouse's messages: each only sets what the next of its kind sets again.
bool IsMotion(uint32_t msg) { return msg == MsgSetCursor || msg == MsgMouseMove; }
bool EndsTheGame(uint32_t msg) { return msg == MsgClose || msg == MsgQuit; }

}  // namespace

bool MessageQueue::Take(Message& out) {
  if (count == 0) return false;
  out = slots[head];
  head = (head + 1) % Size;
  --count;
  return true;
}

void MessageQueue::Post(const Message& m) {
  if (count == Size && !MakeRoomFor(m)) {
    size_t newest;
    if (!EndsTheGame(m.msg) || Waits(m.msg) || !FindNewestOrdinary(newest)) return;
    Remove(newest);
  }
  At(count) = m;
  ++count;
}

// The messages on the shorter side of `i` move up by one.
void MessageQueue::Remove(size_t i) {
  if (i < count / 2) {
    for (; i > 0; --i) At(i) = At(i - 1);
    head = (head + 1) % Size;
  } else {
    for (; i + 1 < count; ++i) At(i) = At(i + 1);
  }
  --count;
}

// A motion is overridden when one of its kind follows it in the same run of
// motions: nothing else is read between the two.
bool MessageQueue::MakeRoomFor(const Message& m) {
  for (size_t i = 0; i < count; ++i) {
    if (!IsMotion(At(i).msg)) continue;
    size_t j = i + 1;
    while (j < count && IsMotion(At(j).msg) && At(j).msg != At(i).msg) ++j;
    const bool overridden = j < count ? At(j).msg == At(i).msg : m.msg == At(i).msg;
    if (overridden) {
      Remove(i);
      return true;
    }
  }
  return false;
}

bool MessageQueue::FindNewestOrdinary(size_t& found) const {
  for (size_t i = count; i-- > 0;)
    if (!EndsTheGame(At(i).msg)) {
      found = i;
      return true;
    }
  return false;
}

bool MessageQueue::Waits(uint32_t msg) const {
  for (size_t i = 0; i < count; ++i)
    if (At(i).msg == msg) return true;
  return false;
}

}  // namespace plat
