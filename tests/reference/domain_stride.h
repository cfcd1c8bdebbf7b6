// SPDX-FileCopyrightText: 2026 quivelle team
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The full-domain plan tests check every problem in an optimised build. Unoptimised or
// under the sanitizers every problem costs many times more: there they check one in
// kStride (every size of operand still comes round).

#if defined(__SANITIZE_ADDRESS__) || !defined(__OPTIMIZE__)
#define QUIVELLE_SLOW_BUILD 1
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
#define QUIVELLE_SLOW_BUILD 1
#endif
#endif

#ifdef QUIVELLE_SLOW_BUILD
inline constexpr long kStride = 17;
#else
inline constexpr long kStride = 1;
#endif
