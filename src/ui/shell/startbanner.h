// SPDX-FileCopyrightText: 2026 The Gauntry developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
#include <QWidget>

struct AppState;
class QFrame;
class QLabel;
class QPushButton;
class Picture;

// The splash window: suite title, version and the shipper's details. Shown
// for two seconds at start and again from the About menu with its Close button.
class StartBanner : public QWidget
{
    Q_OBJECT
public:
    explicit StartBanner(AppState &app, QWidget *parent = nullptr);

    QPushButton *closeButton() const { return m_close; }

signals:
    void closePressed();

protected:
    void resizeEvent(QResizeEvent *event) override;
    void showEvent(QShowEvent *event) override;

private:
    void fitToTexts();

    AppState &m_app;
    QFrame *m_frame;
    Picture *m_logo;
    QLabel *m_version;
    QPushButton *m_close;
};
