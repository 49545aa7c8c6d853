// Leaks on purpose: run under the leak suppressions it must still be reported,
// since they name system libraries only.
#include <cstdio>

int* volatile kept;

__attribute__((noinline)) void Allocate() {
  kept = new int[256];
  kept[0] = 1;
}

int main() {
  Allocate();
  kept = nullptr;  // the only pointer to it is gone
  std::puts("left 1024 bytes unreachable");
  return 0;
}
