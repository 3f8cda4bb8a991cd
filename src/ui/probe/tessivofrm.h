// SPDX-FileCopyrightText: 2026 The Gauntry developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The insertion probe screen: profile and insertion factors of a probe in a
// pipe, and the flow a mean velocity of 1 m/s carries.

#include "ui/common/datasheet.h"

#include <QWidget>

#include <array>

struct AppState;
class Picture;
class QGroupBox;
class QLayout;
class QLineEdit;
class QRadioButton;

class TessivoFrm : public QWidget, public DataSheetSource
{
    Q_OBJECT
public:
    explicit TessivoFrm(AppState &app, QWidget *parent = nullptr);

    // Reads the diameter and options and writes the four results.
    void probeVelocityAndFlowCalculation();

    // The pipe, the probe's place and model, and the factors shown.
    DataSheet dataSheet() const override;

protected:
    void resizeEvent(QResizeEvent *event) override;

private:
    // The rows of input frames and of result frames.
    QLayout *buildInputs();
    QLayout *buildResults();
    void applyTexts();
    void showProbeModel(int model);

    AppState &m_app;
    QLineEdit *m_title = nullptr;
    QLineEdit *m_pipeSize = nullptr;
    std::array<QRadioButton *, 3> m_probeType{};
    std::array<QRadioButton *, 3> m_location{};
    std::array<QRadioButton *, 5> m_flowUnit{};
    QGroupBox *m_frameInput = nullptr;
    QGroupBox *m_framePrandel = nullptr;
    QGroupBox *m_frameLumbrin = nullptr;
    QGroupBox *m_frame3 = nullptr;
    QLineEdit *m_profile = nullptr;
    QLineEdit *m_insertion = nullptr;
    QLineEdit *m_combined = nullptr;
    QLineEdit *m_flowPerVelocity = nullptr;
    Picture *m_print = nullptr;
    Picture *m_picture = nullptr;
};
