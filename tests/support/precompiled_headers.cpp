// SPDX-FileCopyrightText: 2026 quivelle team
// SPDX-License-Identifier: GPL-3.0-or-later

// The one source of the target that compiles the toolkit's headers the tests share; the
// test programs reuse what it compiled (tests/CMakeLists.txt).
