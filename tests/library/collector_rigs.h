// Collector arrays on variables of their own, with their test coefficients and modifier tables,
// for the collectors' tests.
#pragma once

#include <initializer_list>
#include <vector>

#include "collectors.h"

// A modifier table as the two rows the collectors take.
struct Table {
    Table(std::initializer_list<double> a, std::initializer_list<double> k)
        : angles(a), modifiers(k), rows{angles.data(), modifiers.data()} {}
    int count() const { return static_cast<int>(angles.size()); }
    std::vector<double> angles, modifiers;
    const double* rows[2];
};

// Test coefficients of one collector.
struct TestData {
    double area = 2, a = 0.75, b = 0, c = 5, d = 0, e = 0, testFlow = 0.02;
};

struct GlazedRig {
    GlazedRig() { pipe(); }
    int pipe() { return collector.SetInputs(&h, &theta, nullptr, &tin, &tamb, &flow, &cp); }
    int set(int series, double groups, int banks, const TestData& t, int mode = 0,
            const Table* t1 = nullptr, const Table* t2 = nullptr) {
        return collector.SetParameters(series, groups, banks, t.area, t.a, t.b, t.c, t.d, t.e,
                                       t.testFlow, mode, t1 ? t1->count() : 0,
                                       t1 ? t1->rows : nullptr, t2 ? t2->count() : 0,
                                       t2 ? t2->rows : nullptr);
    }
    double h = 800, theta = 0, tin = 30, tamb = 20, flow = 0.02, cp = 4200;
    GlazedCollector collector;
};

struct UnglazedRig {
    UnglazedRig() { pipe(); }
    int pipe() {
        return collector.SetInputs(&h, &theta, nullptr, &tin, &tamb, &tsky, &wind, &flow, &cp,
                                   &slope, &additionalLoss);
    }
    int set(int series, double groups, int banks, const TestData& t, double windFactor = 1,
            double minimumWind = 0, int mode = 0, const Table* t1 = nullptr) {
        return collector.SetParameters(series, groups, banks, t.area, t.a, t.b, t.c, t.d, t.e,
                                       windFactor, minimumWind, t.testFlow, mode,
                                       t1 ? t1->count() : 0, t1 ? t1->rows : nullptr, 0, nullptr);
    }
    double h = 700, theta = 0, tin = 25, tamb = 20, tsky = 20, wind = 2, flow = 0.02, cp = 4200;
    double slope = 0, additionalLoss = 0;
    UnglazedCollector collector;
};
