// SPDX-FileCopyrightText: 2026 The Gauntry developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/lang/translations.h"

#include "core/lang/languages.h"

#include <QCoreApplication>
#include <QEvent>
#include <QTranslator>
#include <memory>

namespace lang {
namespace {

struct Words {
    std::unique_ptr<QTranslator> translator;
    QString code = QStringLiteral("en");
};

Words &words()
{
    static Words w;
    return w;
}

} // namespace

void useWordsOf(const QString &languageName)
{
    const Language *language = languageNamed(languageName);
    const QString code = language ? QString::fromLatin1(language->words) : QStringLiteral("en");
    Words &w = words();
    if (code == w.code)
        return;
    if (w.translator) {
        QCoreApplication::removeTranslator(w.translator.get());
        w.translator.reset();
    }
    auto translator = std::make_unique<QTranslator>();
    if (code != u"en" && translator->load(QStringLiteral(":/i18n/gauntry_") + code)) {
        QCoreApplication::installTranslator(translator.get());
        w.translator = std::move(translator);
    }
    w.code = code;
    // Qt posts the LanguageChange events to the windows; deliver them now, so
    // that everything shows the new words when the switch returns.
    QCoreApplication::sendPostedEvents(nullptr, QEvent::LanguageChange);
}

QString wordsInForce() { return words().code; }

} // namespace lang
