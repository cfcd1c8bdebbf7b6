// SPDX-FileCopyrightText: 2026 quivelle team
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QColor>
#include <QRect>
#include <array>

// Where the frame's controls sit on the exercise screens, in pixels of a 632 x 453 client
// area at 96 dots per inch, so a test or a reader can compare each control with the drawing
// it was taken from line by line. The working areas' tables are the operations' own
// (procedures/working_layout.h), the range frames' the range options' own.
namespace layout {

inline constexpr QSize kClient{632, 453};

// The look shared by every exercise screen.
inline const QColor kLightYellow{0xff, 0xff, 0xc0};
inline const QColor kBoxInk{0xff, 0x00, 0x00};
inline const QColor kDarkRed{0x80, 0x00, 0x00};
inline const QColor kTitleGreen{0x00, 0xc0, 0x00};
inline const QColor kShadowGreen{0x00, 0x40, 0x00};
inline const QColor kFrameBlue{0x00, 0x00, 0xff};

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
// lblAvviso where most screens have it; the product's working area stands lower on frmMolt2
// and the division's on both division screens, and their message line moves up.
inline constexpr QRect kNotice{136, 356, 349, 85};
inline constexpr QRect kNoticeMolt2{136, 332, 349, 85};
inline constexpr QRect kNoticeDiv{132, 344, 353, 85};
inline constexpr QRect kNoticeDiv2{136, 344, 353, 85};
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

} // namespace layout
