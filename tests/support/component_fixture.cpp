#include "component_fixture.h"

#include <sstream>

namespace test {

std::string ParameterLine(const SolarBase& component) {
    std::ostringstream out;
    out.precision(17);
    EXPECT_EQ(component.WriteParameters(out), 0);
    return out.str();
}

}  // namespace test
