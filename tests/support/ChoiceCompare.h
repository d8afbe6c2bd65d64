#pragma once

#include "model/PlotChoices.h"

#include <QtTest>

#include <tuple>
#include <utility>

// The options dialogs' choices compared whole in QCOMPARE, printed field by field when they differ.

inline auto fieldsOf(const ColSqChoice &c)
{
    return std::make_tuple(c.itemIndex, static_cast<int>(c.palette), static_cast<int>(c.scaleMode),
                           c.scaleMin, c.scaleMax);
}
inline auto fieldsOf(const XSecChoice &c)
{
    return std::make_tuple(c.itemIndex, static_cast<int>(c.direction), c.location);
}
inline auto fieldsOf(const HistoryChoice &c)
{
    return std::make_tuple(c.itemIndex, static_cast<int>(c.mode), c.minX, c.maxX, c.minY, c.maxY);
}
inline auto fieldsOf(const FishNetChoice &c)
{
    return std::make_tuple(c.itemIndex);
}

template<typename Choice, typename = decltype(fieldsOf(std::declval<Choice>()))>
bool operator==(const Choice &a, const Choice &b)
{
    return fieldsOf(a) == fieldsOf(b);
}

template<typename Choice>
char *choiceText(const Choice &choice)
{
    QStringList fields;
    std::apply([&fields](auto... field) { (fields.append(QString::number(field)), ...); }, fieldsOf(choice));
    return QTest::toString("{" + fields.join(", ") + "}");
}

// Found by QCOMPARE for its failure message.
inline char *toString(const ColSqChoice &choice) { return choiceText(choice); }
inline char *toString(const XSecChoice &choice) { return choiceText(choice); }
inline char *toString(const HistoryChoice &choice) { return choiceText(choice); }
inline char *toString(const FishNetChoice &choice) { return choiceText(choice); }
