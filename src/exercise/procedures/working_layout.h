// SPDX-FileCopyrightText: 2026 quivelle team
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QPoint>
#include <QRect>
#include <array>

// Where each operation's working area sits, in pixels of the exercise screens' client area
// at 96 dots per inch: one table per operation, so a test or a reader can compare each box
// with the drawing it was taken from line by line.
namespace layout {

// A fraction bar, 2 pixels thick: from x1 to x2 (both drawn) at y.
struct Bar {
    int x1, x2, y;
};

// The working area of the addition and subtraction screens.
namespace addsub {
inline constexpr QRect kNum1{200, 128, 37, 25};
inline constexpr QRect kDen1{200, 168, 37, 25};
inline constexpr QRect kNum2{280, 128, 37, 25};
inline constexpr QRect kDen2{280, 168, 37, 25};
inline constexpr QRect kOperator{248, 136, 21, 41};    // lblPiù
inline constexpr QRect kRowOperator{248, 252, 21, 41}; // Label1
inline constexpr QRect kEquals{336, 272, 21, 41};      // Label2
// txtFraz(k) sits at kStep[k]; there is no box 0.
inline constexpr std::array<QRect, 12> kStep{{
    {},
    {168, 110, 29, 25},
    {168, 188, 29, 25},
    {320, 110, 29, 25},
    {320, 188, 29, 25},
    {228, 304, 61, 25},
    {188, 260, 61, 25},
    {268, 260, 61, 25},
    {360, 260, 61, 25},
    {360, 304, 61, 25},
    {424, 240, 45, 25},
    {424, 324, 45, 25},
}};
inline constexpr std::array<Bar, 4> kBars{{
    {196, 240, 160}, // first fraction
    {276, 320, 160}, // second fraction
    {180, 332, 296}, // common denominator
    {356, 420, 296}, // result
}};
} // namespace addsub

// The working area of the multiplication screens as frmMolt has it. frmMolt2 has it 8
// pixels to the right, the division screens 8 to the right and 44 down: the screen table
// gives each screen its shift.
namespace product {
inline constexpr QRect kNum1{204, 176, 37, 25};
inline constexpr QRect kDen1{204, 216, 37, 25};
inline constexpr QRect kNum2{284, 176, 37, 25};
inline constexpr QRect kDen2{284, 216, 37, 25};
inline constexpr QRect kTimes{252, 184, 21, 41};  // lblPiù "x"
inline constexpr QRect kEquals{368, 184, 21, 41}; // Label2 "="
// txtFraz(k) at kStep[k]: each term's chain runs outward from its fraction.
inline constexpr std::array<QRect, 11> kStep{{
    {},
    {172, 158, 29, 25}, // 1, 2: the first fraction reduced once
    {172, 236, 29, 25},
    {324, 158, 29, 25}, // 3, 4: the second fraction reduced once
    {324, 236, 29, 25},
    {140, 140, 29, 25}, // 5, 6: the first fraction reduced again
    {140, 256, 29, 25},
    {356, 140, 29, 25}, // 7, 8: the second fraction reduced again
    {356, 256, 29, 25},
    {400, 176, 61, 25}, // 9, 10: the product
    {400, 216, 61, 25},
}};
inline constexpr Bar kLine1{200, 244, 208};
inline constexpr Bar kLine2{280, 324, 208};
inline constexpr Bar kLine4{400, 464, 208};
inline constexpr QPoint kShiftMolt2{8, 0};
inline constexpr QPoint kShiftDivision{8, 44};
} // namespace product

// What the division screens add above their multiplication: the division as posed.
namespace division {
// txtNumDiv(k) at kGiven[k].
inline constexpr std::array<QRect, 5> kGiven{{
    {},
    {212, 96, 37, 25},
    {212, 136, 37, 25},
    {292, 96, 37, 25},
    {292, 136, 37, 25},
}};
inline constexpr QRect kDivide{260, 104, 21, 41}; // Label1 ":"
inline constexpr Bar kLine5{208, 252, 128};
inline constexpr Bar kLine3{288, 332, 128};
// The "x" of the rewritten product stands a little lower than the multiplication's.
inline constexpr QRect kTimes{260, 232, 21, 41};
} // namespace division

} // namespace layout
