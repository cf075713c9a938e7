# Shared by the scripts: installs what the build needs, then configures and
# builds incrementally.
set -euo pipefail

ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
BUILD="$ROOT/build"

PACKAGES=(cmake ninja-build g++ ccache qt6-base-dev qt6-translations-l10n libgl-dev libquazip1-qt6-dev
  shared-mime-info desktop-file-utils xdg-utils libfile-mimeinfo-perl poppler-utils)

ensure_packages() {
  local missing=()
  for package in "${PACKAGES[@]}" "$@"; do
    dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "ok installed" || missing+=("$package")
  done
  [ ${#missing[@]} -eq 0 ] && return 0
  echo "Installing: ${missing[*]}" >&2
  local sudo=()
  [ "$(id -u)" -eq 0 ] || sudo=(sudo)
  "${sudo[@]}" apt-get update -qq
  DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}" >&2
}

# Compilers go through ccache when it is there; paths below the repository
# count from its root, and the build folder stays out of the hash even with
# debug information, so that clones and worktrees share the cache.
export CCACHE_BASEDIR="$ROOT"
export CCACHE_NOHASHDIR=true
LAUNCHER=()
command -v ccache >/dev/null && LAUNCHER=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)

# configure_build DIR [cmake options...]: configures DIR once.
configure_build() {
  local dir="$1"
  shift
  [ -f "$dir/CMakeCache.txt" ] || cmake -S "$ROOT" -B "$dir" -G Ninja "${LAUNCHER[@]}" "$@" >&2
}

build() {
  configure_build "$BUILD" -DCMAKE_BUILD_TYPE=RelWithDebInfo
  cmake --build "$BUILD" "$@" >&2
}

# The version of the program, as CMakeLists.txt's project() states it.
project_version() {
  sed -n 's/^project(Fichoscope VERSION \([0-9.]*\).*/\1/p' "$ROOT/CMakeLists.txt"
}
