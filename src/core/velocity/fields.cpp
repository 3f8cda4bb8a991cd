// SPDX-FileCopyrightText: 2026 The Gauntry developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/velocity/fields.h"

#include "core/lang/textslots.h"

namespace velocity {

Box accuracyBox(MeterType type)
{
    switch (type) {
    case MeterType::Prandel:
        return Box::PrandelAccuracy;
    case MeterType::Brevil:
        return Box::BrevilAccuracy;
    default:
        return Box::VeldrixAccuracy;
    }
}

TextFields::TextFields(const TextTable &texts)
{
    m_texts[size_t(Box::PrandelAccuracy)] = QStringLiteral(" ");
    m_texts[size_t(Box::PaybackCaption)] = texts.slot(Txt::PaybackYears);
}

QString TextFields::text(Box box) const
{
    switch (box) {
    case Box::MeterSize:
        return input.meterSize;
    case Box::TaperAngle:
        return input.taperAngle;
    case Box::AnnualUsage:
        return payback.annualUsage;
    default:
        return m_texts[size_t(box)];
    }
}

void TextFields::write(Box box, const QString &text)
{
    switch (box) {
    case Box::MeterSize:
        input.meterSize = text;
        break;
    case Box::TaperAngle:
        input.taperAngle = text;
        break;
    case Box::AnnualUsage:
        payback.annualUsage = text;
        break;
    default:
        m_texts[size_t(box)] = text;
        break;
    }
}

void TextFields::alreadyBetter()
{
    ++toldAlreadyBetter;
    payback.currentAccuracy.clear();
}

} // namespace velocity
