// SPDX-FileCopyrightText: 2026 The Gauntry developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/velocity/tool.h"

namespace velocity {
namespace {

using enum ScreenPart;

// The accuracy frame is in no row: it appears with a meter-type choice.
constexpr ToolView kViews[] = {
    // VelocityTool::Velocity
    {Txt::Velocity, {FluidFrame, MeterTypeFrame, MeterSizeRow, VelocityRow, OtherFluidChoice}, FirstField::MeterSize,
     true, true},
    // VelocityTool::PressureLoss
    {Txt::PressureLoss, {FluidFrame, PressureFrame, MeterTypeFrame, PipeAndAngle, MeterSizeRow, VelocityRow},
     FirstField::MeterType, false, false},
    // VelocityTool::MeterSize: water only, no meter size or velocity of its own
    {Txt::MeterSizing, {SizeFrame}, FirstField::Flow, false, false},
    // VelocityTool::Payback: the payback frame takes the fluid's place
    {Txt::VeldrixPayback, {PaybackFrame, MeterSizeRow, VelocityRow}, FirstField::MeterSize, true, true},
};

} // namespace

const ToolView &toolView(VelocityTool tool) { return kViews[int(tool)]; }

} // namespace velocity
