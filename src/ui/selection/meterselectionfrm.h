// SPDX-FileCopyrightText: 2026 The Gauntry developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The meter technology selection guide: the user describes the fluid and the
// screen ticks the technologies that suit it.

#include "core/selection/meterrules.h"
#include "ui/common/datasheet.h"

#include <QWidget>

#include <array>

struct AppState;
class QCheckBox;
class QLineEdit;
class QRadioButton;

class MeterSelectionFrm : public QWidget, public DataSheetSource
{
    Q_OBJECT
public:
    explicit MeterSelectionFrm(AppState &app, QWidget *parent = nullptr);

    // Reads the options and temperatures and shows which technologies suit.
    void evaluateMeterTypes();

    // The fluid as described and the technologies that suit it.
    DataSheet dataSheet() const override;

private:
    void buildInputs();
    void buildOutputs();
    void applyTexts();
    selection::FluidDescription fluidFromOptions() const;

    AppState &m_app;
    std::array<QRadioButton *, 3> m_fluid{};
    std::array<QRadioButton *, 2> m_conductivity{};
    std::array<QRadioButton *, 3> m_measurement{};
    std::array<QRadioButton *, 2> m_clean{};
    std::array<QRadioButton *, 3> m_viscosity{};
    QLineEdit *m_maxTemp = nullptr;
    QLineEdit *m_minTemp = nullptr;
    QLineEdit *m_fluidName = nullptr;

    // One tick box and one name box per technology, in table order.
    std::array<QCheckBox *, selection::kTechnologyCount> m_ticks{};
    std::array<QLineEdit *, selection::kTechnologyCount> m_names{};
};
