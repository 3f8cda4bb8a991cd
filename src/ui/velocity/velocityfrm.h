#pragma once
// The velocity screen: one screen for four tools. From a flow and a meter bore
// it shows the mean velocity, the Reynolds number and the accuracy a chosen
// meter type would reach (velocity tool, and with the payback frame the
// payback tool); the pressure lost across a meter between reducers (pressure
// loss tool); or the meter sizes that give fixed velocities, with the loss of
// each (meter size tool). The tool menu's mode flags, read when the screen
// loads, decide which frames show; the calculations read them again on every
// run.

#include "core/velocity/values.h"

#include <QWidget>
#include <array>
#include <functional>

struct AppState;
namespace accuracy {
struct AccuracyTexts;
}
class Picture;
class QCheckBox;
class QComboBox;
class QFrame;
class QGroupBox;
class QLabel;
class QLineEdit;
class QRadioButton;

class Velocityfrm : public QWidget
{
    Q_OBJECT
public:
    explicit Velocityfrm(AppState &app, QWidget *parent = nullptr);

    // The screen's main recalculation: pipe velocity, accuracy, velocity
    // display, nominal size, fluid and Reynolds number, then the pressure loss
    // (pressure-loss tool) or the meter sizes (meter size tool). Returns the
    // run's working data, which the size chain's pressure loss reads.
    velocity::Recalculation fullRecalculation();
    // Meter size tool: sizes for the flow, each tried as the meter size with
    // its pressure loss.
    void sizeChain();
    // Revenue loss and payback from the annual usage.
    void paybackCalculation();
    // Empties the ten pressure-loss results of the size proposals.
    void clearSizeResults();

    // Reports each handler as it runs ("TxtFlow changed", "full
    // recalculation", ...), so a cascade can be followed; none by default.
    void setTrace(std::function<void(const QString &)> trace) { m_trace = std::move(trace); }

protected:
    void showEvent(QShowEvent *event) override;

private:
    void build();
    QGroupBox *buildFlowFrame(QWidget *parent);
    QGroupBox *buildFluidFrame(QWidget *parent);
    QGroupBox *buildAccuracyFrame(QWidget *parent);
    QGroupBox *buildPaybackFrame(QWidget *parent);
    QGroupBox *buildPressureFrame(QWidget *parent);
    QGroupBox *buildSizeFrame(QWidget *parent);
    QGroupBox *buildMeterTypeFrame(QWidget *parent);
    void wire();
    void load();

    void flowChanged(bool typedFlow, bool clearsAnnualUsage);
    void chooseWater();
    void chooseOtherFluid();
    void chooseMeterType();
    void showAccuracy(const accuracy::AccuracyTexts &texts);
    void pressureLoss(const velocity::Recalculation &run);
    void sizeMeters();
    int checkedMeterOption() const;
    void trace(const QString &step) const;
    velocity::SharedValues &shared();

    AppState &m_app;
    std::function<void(const QString &)> m_trace;

    // Inputs.
    QLineEdit *m_flow = nullptr;
    QComboBox *m_flowUnits = nullptr;
    QLineEdit *m_meterSize = nullptr;
    QLineEdit *m_pipeSize = nullptr;
    QLineEdit *m_taperAngle = nullptr;
    QLineEdit *m_density = nullptr;
    QLineEdit *m_viscosity = nullptr;
    QCheckBox *m_water = nullptr;
    QCheckBox *m_otherFluid = nullptr;
    std::array<QRadioButton *, 4> m_meterType{};
    std::array<QRadioButton *, 2> m_supply{};
    QLineEdit *m_annualUsage = nullptr;
    QLineEdit *m_meterPrice = nullptr;
    QLineEdit *m_currentAccuracy = nullptr;
    QLineEdit *m_waterCharge = nullptr;
    QLineEdit *m_sewageCharge = nullptr;

    // Results.
    QLineEdit *m_velocity = nullptr;
    QLineEdit *m_reynolds = nullptr;
    QLineEdit *m_regime = nullptr;
    QLineEdit *m_pressMillibar = nullptr;
    QLineEdit *m_pressBar = nullptr;
    QLineEdit *m_pressPsi = nullptr;
    // Proposed sizes in table order (maximum, minimum, 1, 2, 3 m/s) and the
    // pressure losses of each for the two meter columns.
    std::array<QLineEdit *, 5> m_sizes{};
    std::array<QLineEdit *, 5> m_sizeLosses{};
    std::array<QLineEdit *, 5> m_prandelLosses{};
    QLineEdit *m_revenueLoss = nullptr;
    QLineEdit *m_payback = nullptr;
    QLabel *m_paybackLabel = nullptr;

    // Frames.
    QGroupBox *m_frameFlow = nullptr;     // Frame1
    QGroupBox *m_frameFluid = nullptr;    // Frame2
    QGroupBox *m_frameAccuracy = nullptr; // Frame3
    QGroupBox *m_framePayback = nullptr;  // Frame4
    QGroupBox *m_framePressure = nullptr; // Pressure
    QGroupBox *m_frameSize = nullptr;     // SizeFrame
    QGroupBox *m_frameMeterType = nullptr;

    Picture *m_print = nullptr;
    Picture *m_picture = nullptr;
    bool m_shown = false;
};
