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
