// SPDX-FileCopyrightText: 2026 The Gauntry developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The text slots of the language table by name: every caption, unit name and
// message the suite takes from a language file is named here once, in the
// order its field stands in the file. The English text of each slot is given
// where the name alone does not say it.
//
// Slot numbers are positions in the language file, so a name is only a
// number: Txt::FlowRate is 14. Code adds to a slot number only where the file
// itself holds a run of related texts (the meter selection's option captions,
// the payback labels), starting from the first slot of the run.
//
// Fields 9, 17-19, 47, 49, 63, 65, 67, 71, 74 and 152-160 are spare: they
// keep their place in the file and nothing shows them.

namespace Txt {

enum Slot : int {
    SuiteName = 1,            // "Gauntry"
    Litres = 2,               // volume unit, also the first piece of the litre flow units
    Yards = 3,
    Length = 4,               // quantity name
    CubicMetresPerHour = 5,   // a whole flow unit name
    Megalitres = 6,
    UsGallons = 7,
    SquaredEnding = 8,        // " squared": turns a length unit into its area unit
    MillionUsGallons = 10,
    FlowUnitsPrompt = 11,     // "Flow units": what a flow unit list shows before a choice
    Velocity = 12,            // quantity name; the velocity tool's button and title
    MetresPerSecond = 13,
    FlowRate = 14,            // quantity name
    MeterSize = 15,
    PrandelName = 16,         // the electromagnetic meter in the selection guide
    Millimetres = 20,
    PipeInternalDiameter = 21,
    InsertionFactor = 22,
    ProfileFactor = 23,
    Prandel = 24,             // the electromagnetic meter on the probe and velocity screens
    ProbeName = 25,           // "Tessivo"
    Input = 26,
    MeanVelocityPoint = 27,   // first of the three probe locations
    CentreLine = 28,
    EighthDiameter = 29,
    CombinedFactor = 30,
    ProbeLitres = 31,         // first of the probe's five flow units
    CubicMetres = 32,
    ImpGallons = 33,
    ProbeUsGallons = 34,
    ProbeMegalitres = 35,
    FlowPerSecondAt1ms = 36,
    ReynoldsNumber = 37,
    MainMenu = 38,
    Quit = 39,
    Units = 40,
    Metric = 41,
    Imperial = 42,
    Inches = 43,
    FeetPerSecond = 44,
    ViscosityCentipoise = 45, // "Viscosity (cP)"
    DensityKgPerM3 = 46,      // "Density (kg/m3)"
    AccuracyWord = 48,        // "accuracy", after the meter's name
    Turbulent = 50,
    Transitional = 51,
    Laminar = 52,
    PipeSize = 53,
    PressureLoss = 54,
    Millibar = 55,
    Bar = 56,
    Psi = 57,
    Fluid = 58,
    Accuracy = 59,
    Water = 60,
    OtherFluid = 61,
    LanguageName = 62,        // the loaded language's own name, "English"
    MeterSizing = 64,
    SizeAt = 66,              // "Size at", before a velocity
    NominalSize = 68,
    MaximumSize = 69,
    MinimumSize = 70,
    TaperAngle = 72,
    LanguageFileMissing = 73, // message
    Pressure = 75,            // quantity names, 75 to 77
    Temperature = 76,
    Viscosity = 77,
    PerSecond = 78,           // flow time endings, 78 to 81
    PerMinute = 79,
    PerHour = 80,
    PerDay = 81,
    Volume = 82,              // quantity names, 82 to 84
    Density = 83,
    Area = 84,
    UnitConverter = 85,
    MmOfMercury = 86,         // pressure units, 86 to 94
    InchesOfMercury = 87,
    InchesOfWater = 88,
    FeetOfWater = 89,
    MetresOfWater = 90,
    Pascal = 91,
    Kilopascal = 92,
    PoundsPerSquareInch = 93,
    KgfPerSquareCm = 94,
    Celsius = 95,
    Fahrenheit = 96,
    Kelvin = 97,
    Rankine = 98,
    Centipoise = 99,          // dynamic viscosity units, 99 to 105
    PascalSeconds = 100,
    Poiseuille = 101,
    KgPerMetreSecond = 102,
    MillipascalSeconds = 103,
    PoundsPerFootSecond = 104,
    PoundForceSecondsPerSquareFoot = 105,
    Centistokes = 106,        // kinematic viscosity units, 106 to 109
    SquareMmPerSecond = 107,
    SquareMetresPerSecond = 108,
    SquareFeetPerSecond = 109,
    MilesPerHour = 110,
    KmPerHour = 111,
    Knots = 112,
    Acre = 113,
    CubicFeet = 114,
    PoundsPerCubicFoot = 115,
    KgPerCubicMetre = 116,
    Feet = 117,
    Metres = 118,
    Kilometres = 119,
    Miles = 120,
    MeterSelection = 121,
    FluidName = 122,
    Conductive = 123,
    Maximum = 124,
    Minimum = 125,
    Clean = 126,              // cleanliness options, 126 and 127
    Dirty = 127,
    Low = 128,                // viscosity options, 128 to 130
    Medium = 129,
    High = 130,
    Ultrasonic = 131,
    Liquid = 132,             // fluid options, 132 to 134
    Gas = 133,
    Steam = 134,
    NonPrefix = 135,          // "Non", before the conductivity word
    Vortex = 136,
    Wedge = 137,
    Turbine = 138,
    Coriolis = 139,
    VeldrixPayback = 140,     // the payback tool's button, frame and title
    AnnualUsage = 141,        // payback input labels, 141 to 145
    MeterPrice = 142,
    ExistingMeterAccuracy = 143,
    WaterCharge = 144,
    SewageCharge = 145,
    Mains = 146,              // the new meter's supply, 146 and 147
    Battery = 147,
    RevenueLoss = 148,
    PaybackYears = 149,
    PaybackDays = 150,
    AccuracyTo = 151,         // "Accuracy to", before the standard's name
};

} // namespace Txt
