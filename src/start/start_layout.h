// SPDX-FileCopyrightText: 2026 quivelle team
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QRect>
#include <QSize>

// Where every control of the start menu and of the information window sits, in pixels at
// 96 dots per inch from the top left of the client area. One row per control, so the
// screens and the geometry test read the same numbers.
struct ControlPlace {
    const char *name;
    QRect rect;
};

namespace startLayout {
inline constexpr QSize client{634, 455};
inline constexpr ControlPlace places[] = {
    {"Label6", QRect(8, 28, 605, 57)},
    {"Label2", QRect(4, 32, 605, 57)},
    {"Label5", QRect(68, 96, 249, 37)},
    {"Label7", QRect(64, 100, 249, 37)},
    {"Label1", QRect(76, 16, 109, 17)},
    {"Label3", QRect(472, 16, 49, 17)},
    {"Label4", QRect(524, 16, 33, 17)},
    {"cmdTe", QRect(420, 88, 141, 33)},
    {"Image1", QRect(356, 88, 32, 32)},
    {"cmdComputer", QRect(420, 128, 141, 33)},
    {"Image2", QRect(356, 128, 32, 32)},
    {"CmdAddizione1", QRect(40, 156, 261, 41)},
    {"CmdSottrazione", QRect(124, 212, 261, 41)},
    {"CmdMoltiplicazione1", QRect(228, 268, 261, 41)},
    {"cmdDivisione1", QRect(332, 324, 261, 41)},
    {"cmdInfo", QRect(124, 384, 101, 37)},
    {"Check1", QRect(280, 384, 81, 37)},
    {"cmdEsci", QRect(408, 384, 101, 37)},
};

constexpr QRect rectOf(const char *name) {
    for (const ControlPlace &place : places) {
        const char *a = place.name;
        const char *b = name;
        while (*a && *a == *b) {
            ++a;
            ++b;
        }
        if (*a == *b)
            return place.rect;
    }
    return QRect();
}
} // namespace startLayout

namespace infoLayout {
inline constexpr QSize client{544, 386};
inline constexpr QRect cmdOK{224, 340, 93, 37};
} // namespace infoLayout
