#pragma once
// Proposed meter sizes for a flow: the bores that give 0.5, 10, 3, 2 and
// 1 m/s, each rounded to a nominal size and shown in millimetres or, on the
// imperial screen, as the matching nominal inch size with the common
// fractions written as fractions.

#include "core/velocity/values.h"

#include <QString>
#include <QStringView>
#include <optional>

namespace sizing {

// The nominal size (millimetres) of a bore: the first band whose upper bound
// the bore is below, compared as 32-bit values. 1901 mm or more is 2000.
float nominalSizeMm(float boreMm);
// The nominal inch size of a nominal millimetre size; nothing for a value that
// is not a nominal size.
std::optional<float> nominalInches(float nominalMm);
// A bore in millimetres rounded to its nominal size; on the imperial screen,
// unless the millimetres are asked for, the nominal inch size instead.
float roundToNominalSize(float boreMm, bool keepMillimetres, bool metric);
// Display text of a size: "1/8", "1/4", "3/8", "15/32", "1/2", "3/4" for those
// inch sizes, otherwise the shortest decimal text ("25", "1.5").
QString fractionText(float size);

// The five proposals, named by the boxes they go to.
struct ProposedSizes {
    QString maxSize; // TxtMaxSize, 0.5 m/s
    QString minSize; // TxTMinSize, 10 m/s
    QString size3ms; // Txt3ms
    QString size2ms; // Txt2ms
    QString size1ms; // Txt1ms
};
// The proposals for the stored flow (shared.flowLitresPerSecond, so call
// flowToLitresPerSecond first). The typed flow decides whether to size: above
// 0 sizes, exactly 0 (or no number) gives five empty texts, negative gives
// nothing (the boxes keep their texts). All five are worked out before any is
// given back.
std::optional<ProposedSizes> sizeMeters(QStringView flowText, bool metric, const velocity::SharedValues &shared);

} // namespace sizing
