// The single-instance lock: a second holder is refused and raises the first.
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include "platform/lock.h"

TEST(InstanceLock, ASecondHolderIsRefusedAndRaisesTheFirst) {
  plat::SetInstanceLockScope("locktest-" + std::to_string(getpid()));
  ASSERT_TRUE(plat::AcquireInstanceLock("VELKOR:VelMutex"));
  EXPECT_TRUE(plat::HoldsInstanceLock());
  EXPECT_FALSE(plat::PollRaiseRequest());
  const pid_t child = fork();
  if (child == 0) {
    plat::ReleaseInstanceLock();  // the child's copy of our socket is not its own lock
    _exit(plat::AcquireInstanceLock("VELKOR:VelMutex") ? 1 : 0);
  }
  int status = 0;
  waitpid(child, &status, 0);
  EXPECT_TRUE(WIFEXITED(status));
  EXPECT_EQ(WEXITSTATUS(status), 0);
  EXPECT_TRUE(plat::PollRaiseRequest());
  // Another name is another lock; releasing frees the name.
  plat::ReleaseInstanceLock();
  EXPECT_TRUE(plat::AcquireInstanceLock("VELKOR:VelMutex"));
  plat::ReleaseInstanceLock();
}

// A holder that never answers (busy loading, or stuck) fills its queue of
// requests; a second copy must still leave at once instead of waiting on it.
TEST(InstanceLock, ASecondCopyLeavesAtOnceWhenTheHolderDoesNotAnswer) {
  plat::SetInstanceLockScope("locktest-busy-" + std::to_string(getpid()));
  ASSERT_TRUE(plat::AcquireInstanceLock("VELKOR:VelMutex"));
  const pid_t child = fork();
  if (child == 0) {
    plat::ReleaseInstanceLock();
    alarm(5);  // a copy that waits on the holder is killed here, and the test fails
    for (int i = 0; i < 40; ++i) plat::AcquireInstanceLock("VELKOR:VelMutex");
    _exit(plat::AcquireInstanceLock("VELKOR:VelMutex") ? 1 : 0);
  }
  int status = 0;
  waitpid(child, &status, 0);
  ASSERT_TRUE(WIFEXITED(status)) << "the second copy waited on the holder";
  EXPECT_EQ(WEXITSTATUS(status), 0);
  EXPECT_TRUE(plat::PollRaiseRequest());
  plat::ReleaseInstanceLock();
}
