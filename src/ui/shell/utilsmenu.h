// SPDX-FileCopyrightText: 2026 The Gauntry developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
#include <QWidget>

struct AppState;
class MDIForm1;
class QComboBox;
class QGroupBox;
class QPushButton;
class Picture;

// The tool menu: the suite's home screen, one button per calculator, the unit
// system buttons and the language list.
class UtilsMenu : public QWidget
{
    Q_OBJECT
public:
    UtilsMenu(AppState &app, MDIForm1 &main);

    // Captions from the text table (run by every complete language load).
    void applyTexts();
    // Shows the loaded language's name and offers the eight languages.
    void fillLanguageList();

    QSize minimumSizeHint() const override;

protected:
    void resizeEvent(QResizeEvent *event) override;
    bool focusNextPrevChild(bool next) override;

private:
    void chooseLanguage();
    QPushButton *addToolButton(const QString &name);
    QSize listSize() const;
    int listTopWhenLow() const;
    void placeListAndPicture();

    AppState &m_app;
    MDIForm1 &m_main;
    QGroupBox *m_frameMenu;
    QGroupBox *m_frameUnits;
    QComboBox *m_language;
    Picture *m_picture;
};
