// SPDX-FileCopyrightText: 2026 The Gauntry developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The texts of the velocity tools' results, the one place that says how each
// result reads: its display mask, when a box keeps its text (nothing), is
// emptied ("") or shows a single blank (" "), and which caption goes with it.
// The screen writes these texts into its boxes; a data sheet or a command
// line prints the same texts for the same inputs.
//
// Numbers follow the user's regional settings (decimal point and grouping)
// where a mask writes them; the fixed accuracy texts and the Veldrix bands
// always use a full stop.

#include "core/lang/texttable.h"
#include "core/velocity/fluid.h"
#include "core/velocity/model.h"

#include <QString>
#include <array>
#include <optional>

namespace velocity {

using Text = std::optional<QString>; // nothing: the box keeps its text

class Presenter
{
public:
    // The texts are read when a text is asked for, so a caption follows the
    // language loaded at that moment.
    explicit Presenter(const TextTable &texts) : m_texts(texts) {}
    const TextTable &texts() const { return m_texts; }

    // The velocity, "##0.0000".
    static Text velocity(std::optional<double> shown);

    struct ReynoldsTexts {
        Text reynolds; // its integer part
        Text regime;   // laminar, transitional, turbulent, or none
    };
    ReynoldsTexts reynolds(const ReynoldsResult &result) const;
    QString regime(Regime regime) const;

    // The chosen type's accuracy: "± 0.15%", "± 0.30%", "±  .5%", "<Q1"; an
    // empty text for a Veldrix size without limits.
    static Text accuracy(const AccuracyResult &result);
    // A Veldrix band accuracy: "±  .5%", "±  .25%", "±  2%", "±  5%", or "<Q1"
    // for 0.
    static QString veldrixBand(float bandPercent);

    // The loss in millibar, bar and psi, "####0.0000" each, above a Reynolds
    // number of 10000; a single blank each below 9999; nothing in between.
    struct PressureTexts {
        Text millibar;
        Text bar;
        Text psi;
    };
    static PressureTexts pressure(const PressureResult &result);
    // A proposed size's loss, in bar, "####0.0000". Nothing when no loss was
    // worked out (the box keeps the loss it shows beside its size).
    static Text sizeLoss(const PressureResult &result);
    // The loss shown beside a proposal too large for a meter with loss
    // figures, and in the Prandel column, whose meters have no own loss.
    static QString noLoss();
    // The proposed sizes, as fractions where the inch size is one.
    static std::optional<std::array<QString, kProposals>> sizes(const SizesResult &result);
    // A corrected taper angle as written back into its box.
    static QString taperAngle(float degrees);

    // Water's own figures, as its boxes show them whatever the regional
    // settings.
    static QString waterDensity();
    static QString waterViscosity();

    // The annual usage, up to seven significant digits; nothing when it is
    // not finite.
    static Text annualUsage(float usage);
    struct RevenueTexts {
        QString revenueLoss; // "0.00"
        QString payback;     // whole days ("0") under half a year, else years ("0.000")
        QString caption;     // payback in days or in years
        bool inDays = false;
    };
    RevenueTexts payback(const Revenue &revenue) const;

    // A meter type's name as its option reads before the screen is captioned,
    // and as the velocity and payback tools caption it (a Veldrix type with its
    // supply word in the user's language).
    static QString meterTypeName(MeterType type);
    QString meterTypeCaption(MeterType type) const;
    // Captions that carry a unit of the unit system in use.
    QString velocityUnit(bool metric) const;
    QString sizeUnit(bool metric) const;
    QString annualUsageCaption(bool metric) const;  // cubic metres or thousands of US gallons
    QString waterChargeCaption(bool metric) const;  // per volume unit
    QString sewageChargeCaption(bool metric) const;
    // The caption of proposal `index` (largest, smallest, 1, 2, 3 m/s; the
    // imperial screen names the velocities in feet per second), and the
    // heading of the proposals' losses.
    QString proposalCaption(int index, bool metric) const;
    QString proposalLossHeading() const;

    // The caption of a type's accuracy box ("Prandel accuracy", "Veldrix",
    // "Brevil ").
    QString accuracyCaption(MeterType type) const;
    // The standard the water meters' accuracy is judged by (" CEN pr 14154
    // ISO4064"), and the caption of the Brevil figure to that standard.
    static QString standard();
    static QString brevilToStandard();
    // The headings of the proposed sizes' two loss columns: the meters with a
    // loss of their own, and the full-bore Prandel.
    static QString reducedBoreColumn();
    static QString fullBoreColumn();

private:
    const TextTable &m_texts;
};

} // namespace velocity
