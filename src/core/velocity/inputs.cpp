// SPDX-FileCopyrightText: 2026 The Gauntry developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/velocity/inputs.h"

#include "core/common/numbers.h"

namespace velocity {

Inputs readInputs(const InputTexts &t, const TextTable &table)
{
    Inputs in;
    in.tool = t.tool;
    in.metric = t.metric;
    in.flow = num::leadingNumber(t.flow);
    in.unit = recogniseFlowUnit(t.unit, table);
    in.meterSize = num::leadingNumber(t.meterSize);
    in.pipeSize = num::leadingNumber(t.pipeSize);
    in.taperAngle = num::leadingNumber(t.taperAngle);
    in.fluid = t.fluid;
    in.density = num::leadingNumber(t.density);
    in.viscosity = num::leadingNumber(t.viscosity);
    in.checkedMeterType = t.checkedMeterType;
    return in;
}

PaybackInputs readPaybackInputs(const PaybackTexts &t)
{
    PaybackInputs in;
    in.metric = t.metric;
    in.supply = t.supply;
    in.charges = {num::leadingNumber(t.sewageCharge), num::leadingNumber(t.waterCharge),
                  num::leadingNumber(t.meterPrice), num::leadingNumber(t.currentAccuracy) / 100};
    in.usageEmpty = t.annualUsage.isEmpty();
    if (!in.usageEmpty)
        in.typedUsage = typedAnnualUsage(t.annualUsage);
    return in;
}

} // namespace velocity
