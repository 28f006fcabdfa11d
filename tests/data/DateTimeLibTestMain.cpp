#include <gtest/gtest.h>

// Weak, so that a main of this folder's own takes precedence when there is one.
__attribute__((weak)) int main(int argc, char** argv) {
  testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
