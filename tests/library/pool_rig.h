// The pool with its parameters reachable, on variables of its own, for the pool's tests.
#pragma once

#include "pool.h"

// The pool with its parameters reachable from the tests.
class TestPool : public SwimmingPool {
  public:
    using SwimmingPool::blanketAbsorptivity_;
    using SwimmingPool::blanketEmissivity_;
    using SwimmingPool::blanketInsulation_;
    using SwimmingPool::blanketLwTransmissivity_;
    using SwimmingPool::blanketTransmissivity_;
    using SwimmingPool::convectionConstant_;
    using SwimmingPool::convectionWind_;
    using SwimmingPool::coveredFraction_;
    using SwimmingPool::evaporationConstant_;
    using SwimmingPool::evaporationModel_;
    using SwimmingPool::evaporationWind_;
    using SwimmingPool::exposedWallFraction_;
    using SwimmingPool::floorResistance_;
    using SwimmingPool::otherWaterLoss_;
    using SwimmingPool::soilDiffusivity_;
    using SwimmingPool::soilResistivity_;
    using SwimmingPool::surfaceArea_;
    using SwimmingPool::volume_;
    using SwimmingPool::wallAbsorptance_;
    using SwimmingPool::wallEmissivity_;
    using SwimmingPool::windCorrectionFactor_;
};

// A pool wired to variables of its own; every temperature 20 degC, saturated air, no sun, no
// flows, no wind.
struct PoolRig {
    PoolRig() { Connect(); }
    int Connect() {
        return pool.SetInputs(&time, &tp, &cp, &beam, &diffuse, &tsky, &zenith, &shaded,
                              &groundReflectance, &ta, &rh, &wind, &ts, &tdg, &tm, &makeUpFlow, &tr,
                              &loopFlow, &cover, &activity);
    }
    // Computes once at a new time value.
    int Step() {
        time += 3600;
        return pool.Compute();
    }

    double time = 0, tp = 20, cp = 4186, beam = 0, diffuse = 0, tsky = 20, zenith = 0.5;
    double shaded = 0, groundReflectance = 0.2, ta = 20, rh = 1, wind = 0, ts = 20, tdg = 20;
    double tm = 20, makeUpFlow = 0, tr = 20, loopFlow = 0;
    int cover = 0, activity = 0;
    TestPool pool;
};

// Sets a busy hour: sun, wind, dry air, a cold sky, make-up water and a warm loop.
inline void SetBusyHour(PoolRig& rig) {
    rig.tp = 27;
    rig.ta = 18;
    rig.tsky = 5;
    rig.rh = 0.55;
    rig.wind = 4;
    rig.beam = 450;
    rig.diffuse = 120;
    rig.zenith = 0.7;
    rig.shaded = 0.1;
    rig.ts = 15;
    rig.tdg = 10;
    rig.tm = 12;
    rig.makeUpFlow = 0.02;
    rig.tr = 33;
    rig.loopFlow = 1.5;
    rig.activity = 2;
}
