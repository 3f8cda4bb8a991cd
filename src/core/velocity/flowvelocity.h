#pragma once
// Flow units of the velocity screen and the mean velocity in the meter bore.
//
// A flow is typed in one of thirteen units and converted to litres per
// second, the one flow quantity the sizing works in. The velocity is
// Q x 1273.3 / D / D: with Q in litres per second and D in millimetres this is
// metres per second (1273.3 stands for 4 000 000 / pi). With D in inches (the
// imperial screen) the same figure is 645.16 times too large; the display
// turns it into feet per second and the shared value into metres per second.
//
// The steps are separate functions because the screen writes fields between
// them, and writing a field runs that field's handler at once.

#include "core/velocity/values.h"
#include "core/convert/catalogue.h"
#include "core/lang/texttable.h"

#include <QString>
#include <QStringList>
#include <QStringView>
#include <array>
#include <optional>
#include <span>

namespace sizing {

// 4 000 000 / pi, rounded as the sizing is defined with it: litres per second
// over square millimetres to metres per second.
inline constexpr double kVelocityFactor = 1273.3;
// Square millimetres in a square inch (25.4 squared).
inline constexpr double kSquareMmPerSquareInch = 645.16;

// One step of a unit's conversion to litres per second.
struct FlowStep {
    double by = 1;
    bool divide = false;
};

// A flow unit: its composed name and the steps that turn a typed value into
// litres per second, applied left to right in double precision.
struct FlowUnit {
    conv::UnitName name;
    std::array<FlowStep, 4> steps{};
    int stepCount = 0;
};

// The thirteen units in list order (cubic metres per hour is the fourth).
std::span<const FlowUnit> flowUnits();
// Their names, to fill the flow-unit combo box.
QStringList flowUnitNames(const TextTable &texts);
// The unit a combo-box text names: an exact, case-sensitive comparison with
// every name in list order, the last equal one winning; nullptr for none.
const FlowUnit *recogniseFlowUnit(QStringView unitText, const TextTable &texts);
// A typed value in litres per second, in double precision.
double toLitresPerSecond(double typed, const FlowUnit &unit);

// What flowToLitresPerSecond did with the shared flow.
enum class FlowStatus {
    Stored,      // the converted flow was stored
    NotPositive, // the typed flow is 0, negative or not a number: unchanged
    UnknownUnit, // the unit text names no unit: unchanged
    TooLarge,    // the flow does not fit a 32-bit value: unchanged
};
// Converts the typed flow and stores it, narrowed to 32 bits, as
// shared.flowLitresPerSecond.
FlowStatus flowToLitresPerSecond(QStringView flowText, QStringView unitText, const TextTable &texts,
                                 velocity::SharedValues &shared);

// Imperial bores typed as common fractions ("3/8") become decimal text
// ("0.375") before anything reads them, because the lenient reading would take
// "3/8" as 3. The screen writes the new text into the meter-size box. Only the
// six fractions of the nominal inch sizes are rewritten; metric mode and any
// other text give nothing.
std::optional<QString> imperialFractionRewrite(QStringView meterSizeText, bool metric);

// First step of the full recalculation: the velocity from the typed flow
// (converted in double precision, not the stored 32-bit flow) and the typed
// bore. A unit text that names no unit gives 0. In metric mode the velocity is
// stored in shared.pipeVelocityMetresPerSecond at once; in imperial mode the
// shared value is set to 0 and the metres per second are stored by
// showPipeVelocity. A velocity that is not finite changes nothing shared and
// marks the run (velocityFinite). When !run.hasVelocityInputs() the screen
// empties the velocity box.
velocity::Recalculation computePipeVelocity(QStringView flowText, QStringView unitText, QStringView meterSizeText,
                                            bool metric, const TextTable &texts, velocity::SharedValues &shared);

// The velocity box text, "##0.0000": metres per second, or feet per second in
// imperial mode. In imperial mode it also stores the velocity in metres per
// second, so a handler that runs while the box is written reads metres per
// second. Nothing when the run has no flow or no bore above zero (the box was
// emptied by the first step) or no finite velocity.
std::optional<QString> showPipeVelocity(const velocity::Recalculation &run, velocity::SharedValues &shared);

} // namespace sizing
