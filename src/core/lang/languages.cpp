#include "core/lang/languages.h"

#include <array>

namespace lang {
namespace {
constexpr const char *kWestern = "windows-1252";
constexpr const char *kCentralEuropean = "windows-1250";

constexpr std::array<Language, 8> kLanguages{{
    {"Deutsch", "German.txt", "German", 3, kWestern},
    {"English", "English.txt", "English", 1, kWestern},
    {"Espanol", "Spanish.txt", "Spanish", 4, kWestern},
    {"Francais", "French.txt", "French", 2, kWestern},
    {"Magyar", "Hungary.txt", "Hungarian", 7, kCentralEuropean},
    {"Italiano", "Italian.txt", "Italian", 6, kWestern},
    {"Nederlands", "Dutch.txt", "Dutch", 5, kWestern},
    {"Special", "Special.txt", nullptr, 0, kWestern},
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
