// SPDX-FileCopyrightText: 2026 The Gauntry developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
#include <QString>
#include <array>

// The language text table: 160 texts, numbered 1 to 160 in the order their
// fields stand in the language file. Every caption, label, unit name and most
// messages the suite shows come from here.
class TextTable
{
public:
    static constexpr int kSlots = 160;

    // Text of slot n (1-based). An out-of-range number gives an empty text.
    const QString &slot(int n) const
    {
        static const QString empty;
        return n >= 1 && n <= kSlots ? m_slots[size_t(n - 1)] : empty;
    }
    void setSlot(int n, const QString &text)
    {
        if (n >= 1 && n <= kSlots)
            m_slots[size_t(n - 1)] = text;
    }

private:
    std::array<QString, kSlots> m_slots;
};
