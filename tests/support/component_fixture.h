// A fixture for component tests: each test runs in a fresh folder that holds the message file,
// so failures can be checked by their formatted texts.
#pragma once

#include <gtest/gtest.h>

#include <string>

#include "component.h"
#include "test_support.h"

namespace test {

class ComponentTest : public ::testing::Test {
  protected:
    ComponentTest() { InstallMessageFile(); }

  private:
    ScopedTempDir dir_;  // built before the constructor body copies the message file into it
};

// A component's parameter line(s) written with 17 significant digits, so that every double
// reads back to the same value.
std::string ParameterLine(const SolarBase& component);

}  // namespace test
