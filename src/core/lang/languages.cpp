// SPDX-FileCopyrightText: 2026 The Gauntry developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/lang/languages.h"

#include <array>

namespace lang {
namespace {
constexpr const char *kWestern = "windows-1252";
constexpr const char *kCentralEuropean = "windows-1250";

constexpr std::array<Language, 8> kLanguages{{
    {"Deutsch", "German.txt", "German", 3, kWestern, "de"},
    {"English", "English.txt", "English", 1, kWestern, "en"},
    {"Espanol", "Spanish.txt", "Spanish", 4, kWestern, "es"},
    {"Francais", "French.txt", "French", 2, kWestern, "fr"},
    {"Magyar", "Hungary.txt", "Hungarian", 7, kCentralEuropean, "hu"},
    {"Italiano", "Italian.txt", "Italian", 6, kWestern, "it"},
    {"Nederlands", "Dutch.txt", "Dutch", 5, kWestern, "nl"},
    // An English variant with the site's own wording.
    {"Special", "Special.txt", nullptr, 0, kWestern, "en"},
}};
} // namespace

std::span<const Language> languages() { return kLanguages; }

const Language *languageNamed(QStringView name)
{
    for (const Language &language : kLanguages) {
        if (name == QLatin1StringView(language.name))
            return &language;
    }
    return nullptr;
}

} // namespace lang
