// SPDX-FileCopyrightText: 2026 The Gauntry developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The unit converter: nine frames, one per quantity, each with an input box,
// an input unit list, a read-only output box and an output unit list. Every
// change of an input value and every unit chosen converts at once; the
// pressure unit lists also convert while the user types a unit name.

#include "core/convert/catalogue.h"
#include "ui/common/datasheet.h"

#include <QColor>
#include <QWidget>
#include <array>

struct AppState;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class Picture;

class ConvertFrm : public QWidget, public DataSheetSource
{
    Q_OBJECT
public:
    explicit ConvertFrm(AppState &app, QWidget *parent = nullptr);

    // Every quantity that holds a value, converted.
    DataSheet dataSheet() const override;

    // Frame background while its input is a positive number: light blue.
    static QColor highlightColour();
    // Frame background otherwise: the menu background of the desktop palette.
    static QColor normalColour();

protected:
    void resizeEvent(QResizeEvent *event) override;

private:
    struct Frame {
        conv::Quantity quantity{};
        QGroupBox *box = nullptr;
        QLineEdit *input = nullptr;
        QComboBox *inputUnit = nullptr;
        QLineEdit *output = nullptr;
        QComboBox *outputUnit = nullptr;
    };

    Frame &frame(conv::Quantity q) { return m_frames[size_t(q)]; }
    void build();
    void buildFrame(Frame &f, const char *frameName, const char *stem);
    void load();
    void wire();

    void highlight(Frame &f);
    void convert(Frame &f);
    void convertViscosity();
    void askSpecificGravity();

    AppState &m_app;
    std::array<Frame, 9> m_frames;
    QLineEdit *m_specificGravity = nullptr;
    QLabel *m_sgLabel = nullptr;
    Picture *m_picture = nullptr;
    // Set while a cancelled specific-gravity question empties the field: the
    // conversion that this runs uses 1 and does not ask again.
    bool m_sgAskingEnded = false;
};
