// SPDX-FileCopyrightText: 2026 The Gauntry developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// Units as a command line names them: by the name the screen's list shows
// (in any letter case) or by its usual symbol (letter case counts: "Ml" is a
// megalitre, and "mPa.s" is not "MPa.s").

#include "core/convert/catalogue.h"
#include "core/lang/texttable.h"
#include "core/velocity/flowvelocity.h"

#include <QString>
#include <QStringList>
#include <QStringView>
#include <optional>

namespace cli {

// The velocity tools' flow unit a text names; nullptr for none.
const velocity::FlowUnit *flowUnitNamed(QStringView text, const TextTable &texts);
// The symbols of the velocity tools' flow units, in list order.
QStringList flowUnitSymbols();

// A converter unit: its quantity and its name in the converter's lists.
struct ConverterUnit {
    conv::Quantity quantity{};
    QString name;
};
std::optional<ConverterUnit> converterUnitNamed(QStringView text, const TextTable &texts);
// The converter's symbols of a quantity, in list order.
QStringList converterSymbols(conv::Quantity quantity);
// A quantity's name as the command line writes it ("pressure").
QString quantityWord(conv::Quantity quantity);

} // namespace cli
