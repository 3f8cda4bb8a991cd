// SPDX-FileCopyrightText: 2026 The Gauntry developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The four velocity tools and what the velocity screen shows for each.
//
// One screen serves four tools: the pipe velocity with the accuracy a meter
// type would reach, the payback of a new meter, the pressure loss across a
// meter between reducers, and the proposed meter sizes with the loss of each.
// The tool the screen was opened for decides, once, which of its parts show;
// the table below is the one place that says so.

#include "core/lang/textslots.h"

#include <initializer_list>

namespace velocity {

enum class VelocityTool { Velocity, PressureLoss, MeterSize, Payback };

// The parts of the velocity screen that a tool shows or hides.
enum class ScreenPart {
    FluidFrame,       // water or another fluid, with its density and viscosity
    AccuracyFrame,    // the chosen meter type's accuracy
    PaybackFrame,     // revenue loss and payback inputs and results
    PressureFrame,    // the loss in millibar, bar and psi
    SizeFrame,        // the proposed sizes and their losses
    MeterTypeFrame,   // the four meter type options
    PipeAndAngle,     // pipe size and taper angle, with the reducer sketch
    MeterSizeRow,     // the meter size the user types
    VelocityRow,      // the velocity result
    OtherFluidChoice, // the "other fluid" box of the fluid frame
};
inline constexpr int kScreenParts = 10;

// The input that takes the focus when the screen opens.
enum class FirstField { MeterSize, MeterType, Flow };

// A set of screen parts.
class Parts
{
public:
    constexpr Parts(std::initializer_list<ScreenPart> parts)
    {
        for (ScreenPart p : parts)
            m_bits |= bit(p);
    }
    constexpr bool has(ScreenPart p) const { return (m_bits & bit(p)) != 0; }

private:
    static constexpr unsigned bit(ScreenPart p) { return 1u << unsigned(p); }
    unsigned m_bits = 0;
};

// What the screen shows for one tool when it opens.
struct ToolView {
    Txt::Slot title;   // the screen's heading
    Parts shown;       // every other part is hidden
    FirstField focus;
    // A meter-type choice shows the accuracy frame (which stays hidden until
    // the first choice of each opening).
    bool accuracyOnChoice;
    // The Veldrix options name their supply in the user's language ("Veldrix "
    // and the mains or battery word); otherwise they keep their English names.
    bool supplyInOptionNames;
};

// The row of a tool.
const ToolView &toolView(VelocityTool tool);

} // namespace velocity
