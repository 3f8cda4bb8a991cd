// SPDX-FileCopyrightText: 2026 The Gauntry developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/shell/startbanner.h"

#include "ui/common/appstate.h"
#include "ui/common/widgets.h"

#include <QFrame>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QVBoxLayout>

#include <algorithm>

namespace {
// Design size and the room around the frame, in twips.
constexpr int kWidth = 6810;
constexpr int kHeight = 6345;
constexpr QSize kFrameMargins(500, 800);
} // namespace

StartBanner::StartBanner(AppState &app, QWidget *parent)
    : QWidget(parent, Qt::Dialog | Qt::WindowTitleHint | Qt::CustomizeWindowHint), m_app(app)
{
    setObjectName(QStringLiteral("StartBanner"));
    setWindowTitle(QStringLiteral("Gauntry"));

    m_frame = new QFrame(this);
    m_frame->setObjectName(QStringLiteral("Frame1"));
    m_frame->setFrameShape(QFrame::Box);
    auto *layout = new QVBoxLayout(m_frame);

    auto *title = new QLabel(QStringLiteral("Quorvel New Gauntry Suite of Programmes"), m_frame);
    title->setObjectName(QStringLiteral("Label1"));
    title->setWordWrap(true);
    title->setAlignment(Qt::AlignCenter);
    QFont big = title->font();
    big.setPointSizeF(big.pointSizeF() * 1.4);
    big.setBold(true);
    title->setFont(big);

    auto *second = new QLabel(QStringLiteral("Gauntry"), m_frame);
    second->setObjectName(QStringLiteral("Label2"));
    second->setAlignment(Qt::AlignCenter);
    QFont huge = big;
    huge.setPointSizeF(big.pointSizeF() * 1.6);
    second->setFont(huge);
    second->setStyleSheet(QStringLiteral("color: rgb(0, 51, 153);"));

    m_version = new QLabel(m_frame);
    m_version->setObjectName(QStringLiteral("Label8"));
    m_version->setAlignment(Qt::AlignCenter);

    // The shipper's details: static texts.
    auto *address = new QLabel(QStringLiteral("Quorvel Flow Measurement\nUnit 4, Riverside Works\n"
                                              "Tel. +44 1632 960 000"),
                               m_frame);
    address->setObjectName(QStringLiteral("Label3"));
    address->setAlignment(Qt::AlignCenter);

    m_close = new QPushButton(QStringLiteral("Close"), m_frame);
    m_close->setObjectName(QStringLiteral("Command1"));
    connect(m_close, &QPushButton::clicked, this, [this] {
        close();
        emit closePressed();
    });

    layout->addWidget(title);
    layout->addWidget(second);
    layout->addWidget(m_version);
    layout->addStretch();
    layout->addWidget(address);
    layout->addWidget(m_close, 0, Qt::AlignLeft);
    layout->addSpacing(twips(700));

    m_logo = new Picture(QStringLiteral("Image1"), this);
    m_logo->setPixmap(makeLogo(twips(1500), twips(700), QStringLiteral("Q")));
    m_logo->resize(twips(1500), twips(700));
    resize(twips(kWidth), twips(kHeight));
}

void StartBanner::showEvent(QShowEvent *event)
{
    // Show the version, take the size the texts need, then centre on the
    // screen.
    m_version->setText(QStringLiteral("Version ") + m_app.versionText);
    fitToTexts();
    if (const QScreen *screen = this->screen()) {
        const QRect area = screen->geometry();
        move(area.left() + (area.width() - width()) / 2, area.top() + (area.height() - height()) / 2);
    }
    QWidget::showEvent(event);
}

void StartBanner::fitToTexts()
{
    // The design size, or larger when the texts need more room in the fonts
    // in use: the frame as wide as its widest line and as tall as its texts
    // at that width (the title wraps).
    const QSize around(twips(kFrameMargins.width()), twips(kFrameMargins.height()));
    const int width = std::max(twips(kWidth), m_frame->minimumSizeHint().width() + around.width());
    const int frameWidth = width - around.width();
    const int frameHeight = m_frame->hasHeightForWidth() ? m_frame->heightForWidth(frameWidth)
                                                          : m_frame->minimumSizeHint().height();
    setMinimumSize(width, std::max(twips(kHeight), frameHeight + around.height()));
    resize(minimumSize());
}

void StartBanner::resizeEvent(QResizeEvent *event)
{
    const int w = toTwips(width());
    const int h = toTwips(height());
    m_frame->setGeometry(twips(200), twips(200), twips(w - 500), twips(h - 800));
    m_logo->move(twips(w - 2000), twips(h - 1500));
    m_logo->raise();
    QWidget::resizeEvent(event);
}
