// SPDX-FileCopyrightText: 2026 quivelle team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "shared_state.h"

#include <QString>

QString counterText(int value) {
    return QLatin1Char(' ') + QString::number(value);
}
