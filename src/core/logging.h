// SPDX-FileCopyrightText: 2026 quivelle team
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QLoggingCategory>

// What went wrong where the pupil is never told: the sound that cannot play, the window
// manager that does not do what it was asked. The reports are written at info level and
// these categories print nothing unless a technician asks for them, for example with
// QT_LOGGING_RULES="quivelle.*=true".
Q_DECLARE_LOGGING_CATEGORY(lcSound)
Q_DECLARE_LOGGING_CATEGORY(lcWindow)
