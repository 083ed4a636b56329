# Shared set-up of scripts/run and scripts/test: installs the Debian packages that are
# missing, then configures and builds one build directory. Sourced, not run.

ORVANE_ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)"

# Everything the build, the tests and the benchmarks need on Debian 12: x11-utils and
# python3 for scripts/bench; dpkg-dev (dpkg-shlibdeps) and appstream (its validator) for
# the Debian package and its test; Qt Help (qt6-tools-dev), its help file generator
# (qt6-documentation-tools) and the SQLite driver through which it reads help files.
ORVANE_PACKAGES=(
    build-essential cmake ninja-build pkg-config
    qt6-base-dev qt6-base-dev-tools qt6-svg-dev libgl-dev
    qt6-tools-dev qt6-documentation-tools libqt6sql6-sqlite
    libgtest-dev libgmock-dev libbenchmark-dev
    clang libclang-rt-dev
    xvfb xauth x11-utils python3
    dpkg-dev appstream groff-base man-db
    poppler-utils
)

orvane_install_packages() {
    local missing=()
    for package in "${ORVANE_PACKAGES[@]}"; do
        if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed"; then
            missing+=("$package")
        fi
    done
    if [ ${#missing[@]} -eq 0 ]; then
        return 0
    fi
    echo "Installing missing packages: ${missing[*]}"
    local sudo=""
    if [ "$(id -u)" -ne 0 ]; then
        sudo="sudo"
    fi
    $sudo apt-get update -qq
    DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends \
        "${missing[@]}"
}

# orvane_build <build dir> [cmake options...]
orvane_build() {
    local build_dir="$1"
    shift
    cmake -S "$ORVANE_ROOT" -B "$build_dir" -G Ninja "$@"
    cmake --build "$build_dir" --parallel "$(nproc)"
}
