// SPDX-FileCopyrightText: 2026 quivelle team
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QColor>
#include <QLine>
#include <QRect>
#include <array>

// Where everything sits on the exercise screens, in pixels of a 632 x 453 client area at
// 96 dots per inch. One table per screen family, so a test or a reader can compare each
// control with the drawing it was taken from line by line.
namespace layout {

inline constexpr QSize kClient{632, 453};

// The look shared by every exercise screen.
inline const QColor kLightYellow{0xff, 0xff, 0xc0};
inline const QColor kBoxInk{0xff, 0x00, 0x00};
inline const QColor kDarkRed{0x80, 0x00, 0x00};
inline const QColor kTitleGreen{0x00, 0xc0, 0x00};
inline const QColor kShadowGreen{0x00, 0x40, 0x00};
inline const QColor kFrameBlue{0x00, 0x00, 0xff};

// A fraction bar, 2 pixels thick: from x1 to x2 (both drawn) at y.
struct Bar {
    int x1, x2, y;
};

// The frame common to all eight screens.
namespace frame {
inline constexpr QRect kTitle{136, 0, 337, 57};       // Label4
inline constexpr QRect kTitleShadow{132, 4, 341, 57}; // Label3
inline constexpr QRect kAvviateCaption{20, 8, 77, 29};
inline constexpr QRect kAvviateCaptionPupil{24, 8, 77, 29};
inline constexpr QRect kAvviateValue{100, 8, 33, 29};
inline constexpr QRect kEseguiteCaption{20, 36, 77, 29};
inline constexpr QRect kEseguiteValue{100, 36, 33, 29};
inline constexpr QRect kErroriCaption{492, 24, 65, 29};
inline constexpr QRect kErroriValue{564, 24, 33, 29};
inline constexpr QRect kKeypad{484, 68, 125, 201}; // Frame1
inline constexpr QRect kSoluzione{492, 280, 109, 33};
inline constexpr QRect kRipeti{492, 324, 109, 33};
inline constexpr QRect kExit{492, 368, 109, 33};
inline constexpr QRect kStartRandom{20, 324, 109, 33};
inline constexpr QRect kStartPupil{24, 280, 109, 33};
inline constexpr QRect kNotice{136, 356, 349, 85}; // lblAvviso
// The left-hand area where the problem source sits: the range frames on the random
// screens, the entry frame on the pupil-entry screens.
inline constexpr QRect kSourceArea{20, 68, 117, 201};
} // namespace frame

// Inside the keypad frame "Tastierino numerico".
namespace keypad {
// Digit d sits at kDigit[d].
inline constexpr std::array<QRect, 10> kDigit{{
    {8, 124, 33, 33}, // 0
    {8, 88, 33, 33},
    {44, 88, 33, 33},
    {80, 88, 33, 33},
    {8, 52, 33, 33},
    {44, 52, 33, 33},
    {80, 52, 33, 33},
    {8, 16, 33, 33},
    {44, 16, 33, 33},
    {80, 16, 33, 33}, // 9
}};
inline constexpr QRect kBackspace{44, 124, 69, 33};
inline constexpr QRect kOk{8, 160, 105, 33};
} // namespace keypad

// The range frames of the random screens.
namespace ranges {
inline constexpr QRect kNumeratore{20, 68, 117, 129};    // Frame2
inline constexpr QRect kDenominatore{20, 200, 117, 113}; // Frame3
// Option k (from 0) of a frame, relative to the frame.
inline constexpr QRect option(int k) {
    return QRect(10, 20 + 22 * k, 100, 22);
}
} // namespace ranges

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
// pixels to the right, the division screens 8 to the right and 44 down (kShift).
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
inline constexpr QPoint kShiftPupil{8, 0};
inline constexpr QPoint kShiftDivision{8, 44};
inline constexpr QRect kNoticePupil{136, 332, 349, 85};
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
inline constexpr QRect kNoticeRandom{132, 344, 353, 85};
inline constexpr QRect kNoticePupil{136, 344, 353, 85};
} // namespace division

} // namespace layout
