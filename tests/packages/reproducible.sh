#!/usr/bin/env bash
# Every package built twice from the same sources, each time in a fresh build
# tree and the second time in another time zone, locale and umask, must come
# out the same bytes: anyone can then check a download against the sources.
# The trees are build/reproducible-N-*, beside the usual build trees.
set -euo pipefail
top=$(cd "$(dirname "$0")/../.." && pwd)
export SOURCE_DATE_EPOCH=${SOURCE_DATE_EPOCH:-$(git -C "$top" log -1 --format=%ct)}
jobs=${JOBS:-2}
# Each build compiles every file itself: a compiler cache would hand the
# second build the first one's objects and hide a difference between them.
unset CMAKE_C_COMPILER_LAUNCHER CMAKE_CXX_COMPILER_LAUNCHER
export CCACHE_DISABLE=1
uncached=(-DCMAKE_C_COMPILER_LAUNCHER= -DCMAKE_CXX_COMPILER_LAUNCHER=)

build() {  # build N
  local tree=$top/build/reproducible-$1
  rm -rf "$tree"-*
  cmake -S "$top" -B "$tree-linux" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo "${uncached[@]}" \
        -DKVIRLO_TESTS=OFF -DKVIRLO_PACKAGE_DIR="$tree-packages" >/dev/null
  cmake --build "$tree-linux" -j "$jobs" --target deb >/dev/null
  cmake -S "$top" -B "$tree-windows" -G Ninja --toolchain "$top/cmake/mingw-w64.cmake" \
        -DCMAKE_BUILD_TYPE=Release "${uncached[@]}" -DKVIRLO_TESTS=OFF -DKVIRLO_PACKAGE_DIR="$tree-packages" >/dev/null
  cmake --build "$tree-windows" -j "$jobs" --target installer win64_zip >/dev/null
}

build 1
(umask 0002; TZ=Asia/Vladivostok LC_ALL=C.UTF-8 build 2)

failures=0
first=$top/build/reproducible-1-packages
for package in "$first"/*; do
  name=$(basename "$package")
  if cmp -s "$package" "$top/build/reproducible-2-packages/$name"; then
    echo "same: $(sha256sum "$package" | cut -c1-16)  $name"
  else
    echo "DIFFERENT: $name"
    # What differs, when diffoscope is there to say.
    ! command -v diffoscope >/dev/null ||
      diffoscope --text - "$package" "$top/build/reproducible-2-packages/$name" | head -80 || true
    failures=$((failures + 1))
  fi
done
[ "$(ls "$first" | wc -l)" -eq 3 ] || { echo "expected 3 packages"; failures=$((failures + 1)); }
exit $(( failures > 0 ))
