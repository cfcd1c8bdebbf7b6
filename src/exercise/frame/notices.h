// SPDX-FileCopyrightText: 2026 quivelle team
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The texts of the message line once an exercise runs, each written here only.
namespace notices {
inline constexpr const char *kEsegui = "Esegui";
inline constexpr const char *kCalcola = "Calcola";
inline constexpr const char *kVerticale = "Semplifica in verticale";
inline constexpr const char *kDiagonale = "Semplifica in diagonale";
inline constexpr const char *kMissioneCompiuta = "Missione compiuta";
inline constexpr const char *kFatto = "Fatto";
} // namespace notices
