// SPDX-FileCopyrightText: 2026 The Gauntry developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The velocity screen: one screen for the four velocity tools. From a flow
// and a meter bore it shows the mean velocity, the Reynolds number and the
// accuracy a chosen meter type would reach (velocity tool, and with the
// payback frame the payback tool); the pressure lost across a meter between
// reducers (pressure-loss tool); or the meter sizes that give fixed
// velocities, with the loss of each (meter-size tool).
//
// The screen is a view: its handlers hand each change to a velocity::Calculator,
// which reads the inputs from the screen's boxes, runs the model's steps and
// writes the presenter's texts back into them (the screen is the calculator's
// velocity::Fields). The tool it was opened for decides once, through
// velocity::toolView(), which parts show; its handlers read the tool again on
// every run.

#include "core/velocity/calculator.h"
#include "ui/common/datasheet.h"

#include <QWidget>
#include <array>
#include <functional>

struct AppState;
class Picture;
class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

class Velocityfrm : public QWidget, public DataSheetSource, private velocity::Fields
{
    Q_OBJECT
public:
    explicit Velocityfrm(AppState &app, QWidget *parent = nullptr);
    ~Velocityfrm() override;

    // Empties the ten pressure-loss results of the size proposals.
    void clearSizeResults();

    // The inputs and results the tool shows, and for the tools with an
    // accuracy its chart.
    DataSheet dataSheet() const override;

    // Reports each handler as it runs ("TxtFlow changed", "full
    // recalculation", ...), so a cascade can be followed; none by default.
    void setTrace(std::function<void(const QString &)> trace) { m_trace = std::move(trace); }

    // The inputs as the boxes hold them now, as a run reads them.
    velocity::InputTexts currentInputs() const { return inputs(); }

signals:
    // A handler ran: the inputs or the chosen meter type may have changed.
    // It comes at the start of each handler and of each step, so one
    // keystroke gives several; whoever follows the screen gathers them.
    void changed();
    // The user asked for the accuracy chart (the button in the accuracy frame).
    void chartRequested();

protected:
    void showEvent(QShowEvent *event) override;

private:
    // A caption box and the box it names.
    struct Captioned {
        QLineEdit *caption = nullptr;
        QLineEdit *box = nullptr;
    };
    // Frame1: the bores, the flow and what they give.
    struct FlowFrame {
        QGroupBox *frame = nullptr;
        Captioned pipeSize;               // TxtLblPipeSize, TxtpipeSize
        QLineEdit *pipeSizeUnit = nullptr; // TxtLblSizeUnits2
        Captioned taperAngle;             // TxtLblTaperAngle, TxtTaperAngle
        QWidget *angleSketch = nullptr;   // PicAngle
        QWidget *angleLine = nullptr;     // LinAngle
        Captioned meterSize;              // TxtLblMeterSize, TxtMeterSize
        QLineEdit *meterSizeUnit = nullptr; // TxtLbLSizeUnits
        Captioned flow;                   // TxtLblFlow, TxtFlow
        QComboBox *flowUnits = nullptr;   // CmboFlowUnits
        Captioned velocity;               // TxtLblVelocity, TxtVelocity
        QLineEdit *velocityUnit = nullptr; // TxtLblVelUnits
        Captioned reynolds;               // TxtLblReyolds, TxtReynolds
        QLineEdit *regime = nullptr;      // TxtLblTurbLAm
    };
    // Frame2: water or another fluid.
    struct FluidFrame {
        QGroupBox *frame = nullptr;
        QCheckBox *water = nullptr;       // ChkWater
        QCheckBox *other = nullptr;       // ChkOther
        Captioned density;                // TxtLblDensity, TxtDensity
        Captioned viscosity;              // TxtLblVisc, TxtVisc
        QLineEdit *viscosityCaption2 = nullptr; // TxtLblViscosity, kept out of sight
    };
    // Frame3: the chosen meter type's accuracy.
    struct AccuracyFrame {
        QGroupBox *frame = nullptr;
        Captioned prandel;        // TxtLblAccurMagWW, TxtAccurMagWW
        Captioned veldrix;        // TxtLblAccurVeldrix, TxtAccurVeldrix
        Captioned brevil;         // TxtLblAccurBrevilReal, TxtAccurBrevilReal
        Captioned brevilStandard; // TxtLblAccurBrevil, TxtAccurBrevil: never shown
        QLabel *standard = nullptr;   // Label1
        QLabel *accuracyTo = nullptr; // Label2
        QPushButton *chart = nullptr; // CmdAccuracyChart
        // The box of each meter type, indexed by type (both Veldrix types
        // share one).
        std::array<Captioned, velocity::kMeterTypes> byType{};
    };
    // Frame4: revenue loss and payback.
    struct PaybackFrame {
        QGroupBox *frame = nullptr;
        QLabel *usageCaption = nullptr;        // LblAnnualUsage
        QLineEdit *usage = nullptr;            // TxtAnnualUsage
        QLabel *priceCaption = nullptr;        // LblMeterprice
        QLineEdit *price = nullptr;            // TxtMeterPrice
        QLabel *currentAccuracyCaption = nullptr; // LblMeterAcc
        QLineEdit *currentAccuracy = nullptr;  // TxtCurrentMeterAccuracy
        QLabel *waterChargeCaption = nullptr;  // LblWaterCharge
        QLineEdit *waterCharge = nullptr;      // TxtWaterValue
        QLabel *sewageChargeCaption = nullptr; // LbLSewageCharge
        QLineEdit *sewageCharge = nullptr;     // TxtSewageCharge
        std::array<QRadioButton *, 2> supply{}; // Chkmains: mains, battery
        QLabel *revenueLossCaption = nullptr;  // LblRevenueLoss
        QLineEdit *revenueLoss = nullptr;      // TxtRevenueLoss
        QLabel *paybackCaption = nullptr;      // LbLPayBack
        QLineEdit *payback = nullptr;          // TxtPayBack
    };
    // Pressure: the loss in three units.
    struct PressureFrame {
        QGroupBox *frame = nullptr;
        QLineEdit *caption = nullptr;      // TxtLblPressMeter
        Captioned millibar;                // Txtlblmb, TxtPressMeter (the unit stands after the box)
        Captioned bar;                     // Txtlblbars, TxtPressMeterbars
        Captioned psi;                     // Txtlblpsi, TxtPressMeterPsi
    };
    // SizeFrame: the proposals, in the order they stand (largest, smallest,
    // 1, 2, 3 m/s).
    struct SizeFrame {
        QGroupBox *frame = nullptr;
        QLabel *heading = nullptr;                        // LbLPressureforSize
        std::array<Captioned, velocity::kProposals> sizes{}; // TxtLblMaxSize/TxtMaxSize ...
        std::array<QLineEdit *, velocity::kProposals> units{};  // TxtLblsize, Txtlblsize2 ...
        std::array<QLineEdit *, velocity::kProposals> losses{}; // Text1 ... Text5
        std::array<QLineEdit *, velocity::kProposals> fullBoreLosses{}; // TxtPresMag1, TxtPressMag2 ...
    };
    struct MeterTypeFrame {
        QGroupBox *frame = nullptr;
        std::array<QRadioButton *, velocity::kMeterTypes> options{}; // OptMeterType, by type
    };

    void build();
    void buildFlowFrame(QWidget *parent);
    void buildFluidFrame(QWidget *parent);
    void buildAccuracyFrame(QWidget *parent);
    void buildPaybackFrame(QWidget *parent);
    void buildPressureFrame(QWidget *parent);
    void buildSizeFrame(QWidget *parent);
    void buildMeterTypeFrame(QWidget *parent);
    void wire();
    void load();
    void showTool(const velocity::ToolView &view);
    QList<QWidget *> widgetsOf(velocity::ScreenPart part) const;

    // The tool the handlers serve now (the tool menu may change it while the
    // screen stays open).
    velocity::VelocityTool tool() const;
    velocity::MeterType checkedMeterType() const;

    void flowChanged(bool typedFlow, bool forgetTypedUsage);
    void chooseWater();
    void chooseOtherFluid();
    void enableFluidFigures(bool enabled);
    void chooseMeterType();

    // The boxes the calculator reads and writes.
    QLineEdit *box(velocity::Box box) const;
    velocity::InputTexts inputs() const override;
    velocity::PaybackTexts paybackInputs() const override;
    QString text(velocity::Box box) const override;
    void write(velocity::Box box, const QString &text) override;
    bool runsHandlers() const override { return true; }
    void showAccuracy(velocity::MeterType type) override;
    void alreadyBetter() override;
    void trace(const QString &step) override;

    AppState &m_app;
    velocity::Calculator m_calc;
    std::function<void(const QString &)> m_trace;

    QLineEdit *m_title = nullptr; // TxtTitle
    FlowFrame m_flow;
    FluidFrame m_fluid;
    AccuracyFrame m_accuracy;
    PaybackFrame m_payback;
    PressureFrame m_pressure;
    SizeFrame m_size;
    MeterTypeFrame m_meterTypes;
    std::array<QLineEdit *, velocity::kBoxes> m_boxes{}; // by velocity::Box
    Picture *m_print = nullptr;   // Image1
    Picture *m_picture = nullptr; // Picture1
    bool m_shown = false;
};
