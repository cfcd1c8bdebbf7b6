#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 quivelle team
# SPDX-License-Identifier: GPL-3.0-or-later

# Installs the Debian packages the build, the tests and the screenshots need, asking apt
# only for those that are missing. Uses sudo when not run as root.
set -euo pipefail

packages=(build-essential cmake pkgconf qt6-base-dev qt6-base-private-dev libpulse-dev libfontconfig-dev
          qt6-qpa-plugins python3 "$@")

missing=()
for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0

sudo=""
[ "$(id -u)" -eq 0 ] || sudo="sudo"
echo "Installing: ${missing[*]}"
$sudo apt-get update -qq
DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
