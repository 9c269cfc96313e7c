// The main of the test programs without windows: the tests run in a HOME of their own, however
// the program is started (by CTest or by hand).
#include <gtest/gtest.h>

#include "temporary_home.h"

int main(int argc, char** argv) {
    const test::TemporaryHome home;
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
