-- Built-in rows of the reference database "Tidewarm.ref.mdb". A new user database is a copy of
-- it. The tables come from the program's record classes; this script only fills them.
--
-- Every built-in row has Editable 0 (never shown in the list managers, never changed) and
-- Active 1. Id 1 of Collectors, Heaters and Blankets is the "none" row: a run that names it has
-- no such equipment, and its other columns are never read. Values are in SI units and stand
-- for generic products; they lie in the ranges of typical published test results.

-- Pool use: outdoor air temperature needed to swim on a sunny and on a cloudy day, minimum and
-- maximum water temperature (°C); swimming hours of weekdays and weekends (hour of the day);
-- activity level during those hours (0 low, 1 medium, 2 high).
INSERT INTO PoolUse (PoolUseId, Name, Editable, Active, MinTAmbSunny, MinTAmbCloudy, MinTPool,
                     MaxTPool, WeekdayOpen, WeekdayClose, WeekendOpen, WeekendClose,
                     ActivityLevel) VALUES
    (1, 'Residential', 0, 1, 20, 24, 24, 30, 16, 20, 10, 20, 0),
    (2, 'Public pool', 0, 1, 18, 22, 25, 28, 10, 20, 10, 20, 2),
    (3, 'Club and competition pool', 0, 1, 16, 20, 25, 28, 6, 22, 8, 20, 2);

-- Collectors: Type 0 glazed, 1 unglazed; test area (m2) and test flow rate (kg/s) of one
-- collector. Glazed: Energy = Area [(A - B dT) Akt H - (C + D dT) dT - E], A the optical
-- efficiency, C (W/m2/°C) and D (W/m2/°C2) the loss coefficients. Unglazed: Energy =
-- Area [(A - B V) Akt Hnet - (C + D V) dT - E], B the wind dependence of the optical
-- efficiency (s/m), C (W/m2/°C) and D (J/m3/°C) the loss and its wind dependence. Test flows
-- follow the usual test practice: 0.02 kg/s per m2 glazed, about 0.06 kg/s per m2 unglazed.
INSERT INTO Collectors (CollectorId, Name, Editable, Active, Type, Area, TestFlowRate,
                        A, B, C, D, E) VALUES
    (1, 'None', 0, 1, 0, 0, 0, 0, 0, 0, 0, 0),
    (2, 'Glazed flat plate, selective absorber, 2.0 m2', 0, 1, 0, 2.0, 0.04,
        0.78, 0, 3.5, 0.015, 0),
    (3, 'Glazed flat plate, black paint absorber, 2.0 m2', 0, 1, 0, 2.0, 0.04,
        0.74, 0, 5.5, 0.020, 0),
    (4, 'Unglazed pool collector, polymer, 3.7 m2', 0, 1, 1, 3.72, 0.22,
        0.85, 0.026, 11.0, 2.0, 0),
    (5, 'Unglazed pool collector, polymer, 4.5 m2', 0, 1, 1, 4.46, 0.27,
        0.85, 0.026, 11.0, 2.0, 0);

-- Heaters: Type 0 gas or oil (Capacity the fuel input, W; EfficiencyCOP in percent), Type 1
-- air-to-water heat pump (nominal heating capacity, W; nominal coefficient of performance at
-- the usual rating of 27 °C air).
INSERT INTO Heaters (HeaterId, Name, Editable, Active, Type, Capacity, EfficiencyCOP) VALUES
    (1, 'None', 0, 1, 0, 0, 0),
    (2, 'Gas heater, 29 kW (100 000 Btu/h)', 0, 1, 0, 29300, 82),
    (3, 'Gas heater, 73 kW (250 000 Btu/h)', 0, 1, 0, 73300, 82),
    (4, 'Gas heater, 117 kW (400 000 Btu/h), high efficiency', 0, 1, 0, 117200, 95),
    (5, 'Heat pump, 14 kW', 0, 1, 1, 14000, 5.0),
    (6, 'Heat pump, 26 kW', 0, 1, 1, 26000, 5.5);

-- Blankets: short-wave absorptivity and transmissivity, long-wave emissivity and
-- transmissivity (0..1, each pair adding up to 1 at most), thermal resistance (m2·°C/W). The
-- "none" row is an open water surface: it takes nothing and passes everything.
INSERT INTO Blankets (BlanketId, Name, Editable, Active, SWAbsorptivity, SWTransmissivity,
                      LWEmissivity, LWTransmissivity, Insulation) VALUES
    (1, 'None', 0, 1, 0, 1, 0, 1, 0),
    (2, 'Clear bubble cover', 0, 1, 0.10, 0.80, 0.80, 0.20, 0.07),
    (3, 'Opaque bubble cover', 0, 1, 0.85, 0.05, 0.90, 0.05, 0.07),
    (4, 'Foam cover, 6 mm', 0, 1, 0.60, 0, 0.90, 0, 0.15),
    (5, 'Liquid cover (surface film)', 0, 1, 0, 1, 0, 1, 0.001);
