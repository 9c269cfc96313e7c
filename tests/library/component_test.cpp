#include "component.h"

#include <gtest/gtest.h>

#include <sstream>

#include "test_support.h"

namespace {

// A minimal component: one required input, one parameter, one output.
class Doubler : public SolarBase {
  public:
    Doubler() { Reset(); }
    int GetTypeId() const override { return kTypeTracker; }
    void Reset() override {
        out = 0;
        in = nullptr;
        gain = 2.0;
    }
    int Check() override {
        if (in == nullptr) return FatalError(0);
        if (gain <= 0) return FatalError(1, {gain});
        return SolarBase::Check();
    }
    int Compute() override {
        if (status_ != kReady) return status_;
        out = gain * *in;
        return kOk;
    }
    int WriteParameters(std::ostream& s) const override { return WriteParameterLine(s, gain); }
    int ReadParameters(std::istream& s, int) override {
        s >> gain;
        return EndParameterLine(s);
    }

    double out;
    const double* in;
    double gain;
};

TEST(Component, RefusesToStepUntilChecked) {
    Doubler d;
    EXPECT_EQ(d.GetStatus(), kNotReady);
    EXPECT_EQ(d.Compute(), kFatal);
    EXPECT_EQ(d.Check(), kFatal);  // required input missing
    double x = 3;
    d.in = &x;
    EXPECT_EQ(d.Check(), kOk);
    EXPECT_EQ(d.Compute(), kOk);
    EXPECT_DOUBLE_EQ(d.out, 6.0);
}

TEST(Component, FatalAndDomainErrorsFormatTheTypeNumber) {
    test::ScopedTempDir dir;
    test::WriteFile("scl.err", "0x120003 fatal %d\n0x120101 domain %g\n");
    Doubler d;
    double x = 1;
    d.in = &x;
    ASSERT_EQ(d.Check(), kOk);

    EXPECT_EQ(d.DomainError(0x101, {2.5}), kDomain);
    EXPECT_STREQ(ErrorMessageBuffer(), "domain 2.5");
    EXPECT_EQ(d.GetStatus(), kReady);

    EXPECT_EQ(d.FatalError(3, {7}), kFatal);
    EXPECT_STREQ(ErrorMessageBuffer(), "fatal 7");
    EXPECT_EQ(d.GetStatus(), kNotReady);
    EXPECT_EQ(d.Compute(), kFatal);
    EXPECT_EQ(d.Check(), kOk);  // a later successful Check makes it usable again
    EXPECT_EQ(d.Compute(), kOk);
}

TEST(Component, SubclassReportsWithItsBaseTypeId) {
    struct MyDoubler : Doubler {};
    test::ScopedTempDir dir;
    MyDoubler d;
    EXPECT_EQ(d.GetTypeId(), kTypeTracker);
    d.DomainError(0x101);
    EXPECT_STREQ(ErrorMessageBuffer(), "Error file not found (0x00120101)");
}

TEST(Component, ParameterLineRoundTripAndFailedRead) {
    Doubler d;
    d.gain = 0.123456789012345;
    std::ostringstream out;
    out.precision(15);
    EXPECT_EQ(d.WriteParameters(out), 0);
    EXPECT_EQ(out.str(), "0.123456789012345\n");

    Doubler back;
    std::istringstream in(out.str() + "next line\n");
    EXPECT_EQ(back.ReadParameters(in, 30000), 0);
    EXPECT_DOUBLE_EQ(back.gain, d.gain);
    std::string rest;
    std::getline(in, rest);
    EXPECT_EQ(rest, "next line");  // exactly one line consumed

    std::istringstream bad("abc\n");
    EXPECT_EQ(back.ReadParameters(bad, 30000), 1);
    std::istringstream unterminated("1.5");  // end of stream while skipping the line end
    EXPECT_EQ(back.ReadParameters(unterminated, 30000), 1);
}

TEST(Component, WriteParameterLineSeparatesBySingleBlanks) {
    std::ostringstream out;
    EXPECT_EQ(WriteParameterLine(out, 1, 2.5, -3), 0);
    EXPECT_EQ(out.str(), "1 2.5 -3\n");
}

TEST(VariableRef, KindsAndValues) {
    double d = 2.5;
    int i = 7;
    EXPECT_EQ(VariableRef(&d).kind, VariableRef::kDouble);
    EXPECT_EQ(VariableRef(&i).kind, VariableRef::kInt);
    EXPECT_EQ(VariableRef().kind, VariableRef::kNone);
    EXPECT_DOUBLE_EQ(VariableRef(&d).Value(), 2.5);
    EXPECT_DOUBLE_EQ(VariableRef(&i).Value(), 7.0);
    EXPECT_FALSE(VariableRef().IsBound());
    EXPECT_DOUBLE_EQ(VariableRef().Value(), 0.0);
    // A null pointer keeps the kind of its type and reads as unbound.
    const VariableRef nullDouble(static_cast<double*>(nullptr));
    EXPECT_EQ(nullDouble.kind, VariableRef::kDouble);
    EXPECT_FALSE(nullDouble.IsBound());
    EXPECT_DOUBLE_EQ(nullDouble.Value(), 0.0);
    EXPECT_EQ(VariableRef(static_cast<int*>(nullptr)).kind, VariableRef::kInt);
}

TEST(Component, AngleFactorsAreReciprocal) {
    EXPECT_NEAR(kDegreesPerRadian * kRadiansPerDegree, 1.0, 1e-15);
    EXPECT_DOUBLE_EQ(180.0 * kRadiansPerDegree, 3.141592653589793);
}

}  // namespace
