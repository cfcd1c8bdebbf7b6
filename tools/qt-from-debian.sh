# SPDX-FileCopyrightText: 2026 quivelle team
# SPDX-License-Identifier: GPL-3.0-or-later

# Shared by the scripts that build a static Qt for another platform from Debian's own
# qt6-base source (tools/build-windows-qt, tools/build-web-qt). Sourced, not run.
#
# Sets qt_version (Debian's), qt_upstream, qt_cache and qt_common_options, and offers
# qt_source_folder, which fetches the source once into the cache and prints its folder.

qt_version=$(dpkg-query -W -f='${source:Version}' qt6-base-dev)
qt_upstream=${qt_version%%+*}
qt_upstream=${qt_upstream%%-*}
qt_cache=${XDG_CACHE_HOME:-$HOME/.cache}/quivelle

# Everything the program does without on every platform: each option makes the build
# shorter, and Qt's bundled copies of the libraries take the place of the system's.
qt_common_options=(
    -DBUILD_SHARED_LIBS=OFF -DCMAKE_BUILD_TYPE=Release
    -DQT_BUILD_EXAMPLES=OFF -DQT_BUILD_TESTS=OFF -DQT_BUILD_BENCHMARKS=OFF
    -DFEATURE_network=OFF -DFEATURE_sql=OFF -DFEATURE_dbus=OFF -DFEATURE_printsupport=OFF
    -DFEATURE_concurrent=OFF -DFEATURE_xml=OFF -DFEATURE_vulkan=OFF
    -DFEATURE_jpeg=OFF -DFEATURE_gif=OFF -DFEATURE_zstd=OFF -DFEATURE_icu=OFF
    -DFEATURE_system_zlib=OFF -DFEATURE_system_png=OFF -DFEATURE_system_pcre2=OFF
    -DFEATURE_system_harfbuzz=OFF -DFEATURE_system_freetype=OFF
    -DFEATURE_system_doubleconversion=OFF -DFEATURE_system_jpeg=OFF
)

# Waits while another run builds the Qt of this key, so that two builds (make web and
# make web-test side by side, say) never share a work folder; the lock goes with the process.
qt_lock() {
    mkdir -p "$qt_cache"
    exec 9>"$qt_cache/.lock-$1"
    flock 9
}

# The source, from the archives the machine already uses, through deb-src entries of a
# private apt configuration: the system's own sources are left as they are. Kept in the
# cache, so that each platform's Qt starts from the same unpacked tree.
qt_source_folder() {
    local src=$qt_cache/qt6-base-$qt_version-source
    [[ -f $src/.complete ]] || { exec 8>"$src.lock"; flock 8; }
    if [[ ! -f $src/.complete ]]; then
        local work=$src.fetch
        rm -rf "$work" "$src"
        mkdir -p "$work/apt/sources.list.d" "$work/apt/lists/partial" \
            "$work/apt/cache/archives/partial" "$src"
        local f
        for f in /etc/apt/sources.list.d/*.sources; do
            [[ -f $f ]] && sed -E 's/^Types:.*/Types: deb-src/' "$f" \
                >"$work/apt/sources.list.d/$(basename "$f")"
        done
        if [[ -f /etc/apt/sources.list ]]; then
            sed -nE 's/^[[:space:]]*deb[[:space:]]/deb-src /p' /etc/apt/sources.list \
                >"$work/apt/sources.list.d/from-sources-list.list"
        fi
        local apt=(apt-get -q -o "Dir::Etc::SourceList=/dev/null"
                   -o "Dir::Etc::SourceParts=$work/apt/sources.list.d"
                   -o "Dir::State::Lists=$work/apt/lists" -o "Dir::Cache=$work/apt/cache"
                   -o "APT::Sandbox::User=$(id -un)" -o "Debug::NoLocking=1")
        echo "Fetching the source of qt6-base $qt_version" >&2
        "${apt[@]}" update >&2
        (cd "$work" && "${apt[@]}" source --download-only "qt6-base=$qt_version" >&2)
        tar -xf "$work"/qt6-base_*.orig.tar.* -C "$src" --strip-components=1
        rm -rf "$work"
        touch "$src/.complete"
    fi
    echo "$src"
}

# Configures, builds and installs Qt from SOURCE in the work folder WORK into PREFIX, with
# the options that follow; then collects the notices of everything compiled into it.
qt_build_install() {
    local source=$1 work=$2 prefix=$3 repo=$4
    shift 4
    cmake -S "$source" -B "$work" -G Ninja -DCMAKE_INSTALL_PREFIX="$prefix" \
        -DQT_HOST_PATH=/usr -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake \
        "$@" >&2
    cmake --build "$work" -j "${JOBS:-$(nproc)}" >&2
    cmake --install "$work" >&2
    # The licences of everything linked into the program: Qt's own, and those of the
    # bundled libraries that were compiled (as the build files show).
    local notices=$prefix/share/notices
    mkdir -p "$notices"
    cp "$source/LICENSES/"* "$notices/"
    python3 "$repo/tools/qt-notices.py" "$source" "$work/build.ninja" "$notices" >&2
    touch "$prefix/.complete"
    rm -rf "$work"
}
