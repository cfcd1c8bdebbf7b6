// SPDX-FileCopyrightText: 2026 quivelle team
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The choices the platform makes for the program before the application exists, which is
// when Qt picks its platform plugin. Each platform has its own (startup_<platform>.cpp in
// its folder).
void prepareBeforeApplication();
