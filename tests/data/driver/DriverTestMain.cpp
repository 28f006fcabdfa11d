#include <gtest/gtest.h>

// Weak, so that a main of this executable's other folders may take its place.
__attribute__((weak)) int main(int argc, char** argv) {
  testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
