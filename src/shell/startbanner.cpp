#include "shell/startbanner.h"

#include "common/appstate.h"
#include "common/widgets.h"

#include <QFrame>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QVBoxLayout>

StartBanner::StartBanner(AppState &app, QWidget *parent)
    : QWidget(parent, Qt::Dialog | Qt::WindowTitleHint | Qt::CustomizeWindowHint), m_app(app)
{
    setObjectName(QStringLiteral("StartBanner"));
    setWindowTitle(QStringLiteral("Gauntry"));
    resize(twips(6810), twips(6345));

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
}

void StartBanner::showEvent(QShowEvent *event)
{
    // Centre on the screen, then show the version.
    if (const QScreen *screen = this->screen()) {
        const QRect area = screen->geometry();
        move(area.left() + (area.width() - twips(6810)) / 2, area.top() + (area.height() - twips(6345)) / 2);
    }
    m_version->setText(QStringLiteral("Version ") + m_app.versionText);
    QWidget::showEvent(event);
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
