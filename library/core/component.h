// The component protocol: every simulation component derives from SolarBase.
//
// A component's outputs are public numeric members; its inputs are addresses of other
// components' outputs or of the driver's variables; its parameters are set through setters that
// end in Check. Failures are return codes, with the message left in the global message buffer.
#pragma once

#include <iosfwd>
#include <ostream>
#include <string>
#include <utility>

#include "messages.h"

// Result codes of Compute and of the operations that forward it.
enum ResultCode : int {
    kOk = 0,
    kOpenFailed = 1,    // a file reader could not open its file or read its header
    kFatal = 2,         // stops the run; status stays 2 until a later successful Check
    kDomain = 4,        // input outside the model's range, bad record, or end of the weather data
    kIterateAgain = 8,  // convergence promoter only
};

// Status of a component.
enum ComponentStatus : int { kReady = 0, kNotReady = 2 };

// Type ids; message numbers are type id x 65536 + code.
enum ComponentType : int {
    kTypeSolarBase = 16,
    kTypeSun = 17,
    kTypeTracker = 18,
    kTypeSplitter = 19,
    kTypeTilter = 20,
    kTypeFlatPlateCollector = 21,
    kTypeGlazedCollector = 22,
    kTypeUnglazedCollector = 23,
    kTypeFileIO = 25,
    kTypeFileReader = 26,
    kTypeASCIIFileReader = 27,
    kTypeKTMYFileReader = 28,
    kTypeFileWriter = 30,
    kTypeASCIIFileWriter = 31,
    kTypeAuxiliaryHeater = 32,
    kTypeHeatExchanger = 33,
    kTypeIntegrator = 34,
    kTypeEulerIntegrator = 35,
    kTypePipe = 36,
    kTypePump = 37,
    kTypeSwimmingPool = 38,
    kTypeConvergencePromoter = 39,
    kTypeDeltaTController = 40,
    kTypeHourlyProfile = 41,
    kTypeMonthlyProfile = 42,
    kTypeSummary = 43,
    kTypeHeatPump = 45,
    kTypeAirToWaterHeatPump = 46,
    kTypeWall = 47,
    kTypeZEFIRFileReader = 53,
};

constexpr int MessageNumber(int typeId, int code) {
    return typeId * 65536 + code;
}

// Angles are radians in memory and degrees in parameter lines.
constexpr double kDegreesPerRadian = 57.29577951308232;
constexpr double kRadiansPerDegree = 0.017453292519943295;

// A typed reference to a model variable (used by summaries and result-table columns).
struct VariableRef {
    enum Kind : int { kNone = 0, kInt = 1, kDouble = 2 };

    VariableRef() = default;
    // The kind follows the pointer's type, also for a null pointer (which is still unbound).
    VariableRef(double* p) : pointer(p), kind(kDouble) {}
    VariableRef(int* p) : pointer(p), kind(kInt) {}

    [[nodiscard]] bool IsBound() const { return pointer != nullptr && kind != kNone; }
    // The variable's value as a double; 0 when unbound.
    double Value() const {
        if (pointer == nullptr) return 0.0;
        if (kind == kDouble) return *static_cast<const double*>(pointer);
        if (kind == kInt) return *static_cast<const int*>(pointer);
        return 0.0;
    }

    void* pointer = nullptr;
    int kind = kNone;
};

class SolarBase {
  public:
    SolarBase() = default;
    SolarBase(const SolarBase&) = delete;  // inputs of others point into a component
    SolarBase& operator=(const SolarBase&) = delete;
    virtual ~SolarBase() = default;

    // The eleven operations, in their slot order.
    virtual int GetTypeId() const { return kTypeSolarBase; }
    virtual void Reset() {}
    virtual void Hook() {}
    virtual int Compute() = 0;
    virtual void LatchState() {}
    virtual int GetStatus() const { return status_; }
    virtual int Check();
    virtual int WriteParameters(std::ostream& out) const;
    virtual int ReadParameters(std::istream& in, int version);
    // Formats message GetTypeId() x 65536 + code, sets the status to 2 and returns 2.
    virtual int FatalError(int code, MessageArgs args = {});
    // Formats the message and returns 4; the status is left alone.
    virtual int DomainError(int code, MessageArgs args = {});

    std::string GetName() const { return name_; }
    // The title messages give the component (its role in the model).
    void SetName(std::string name) { name_ = std::move(name); }

  protected:
    // Ends a ReadParameters: discards the rest of the line, runs Check (whose result is not
    // returned) and answers 1 when the stream is no longer good, else 0.
    int EndParameterLine(std::istream& in);

    std::string name_;
    int status_ = kNotReady;
};

// Writes one parameter line: the values separated by single blanks, then a newline.
// Returns 0 when the stream is still good, else 1.
template <class... Values>
int WriteParameterLine(std::ostream& out, const Values&... values) {
    const char* separator = "";
    ((out << separator << values, separator = " "), ...);
    out << '\n';
    return out.good() ? 0 : 1;
}
