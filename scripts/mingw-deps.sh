#!/usr/bin/env bash
# Builds the libraries the Windows build links, with the MinGW toolchain, into
# one prefix (default build-windows/deps), once: a finished prefix is kept.
#   PCRE2       from Debian's source package (apt-get source, through a private
#               deb-src list under the prefix's work folder, so the machine's apt
#               configuration stays as it is)
#   GoogleTest  from Debian's googletest sources in /usr/src/googletest
#   nlohmann-json, CLI11   header-only: the build machine's headers, copied
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
prefix=$(realpath -m "${1:-$root/build-windows/deps}")
toolchain=$root/cmake/mingw-w64-x86_64.cmake
stamp=$prefix/.complete
work=$prefix.work

if [ -e "$stamp" ]; then exit 0; fi
echo "mingw-deps: building PCRE2 and GoogleTest for Windows into $prefix"
rm -rf "$prefix" "$work"
mkdir -p "$prefix" "$work"

cmake_build() { # source folder, build folder, cache settings...
  local source=$1 build=$2
  shift 2
  cmake -S "$source" -B "$build" -G Ninja -DCMAKE_TOOLCHAIN_FILE="$toolchain" \
    -DCMAKE_BUILD_TYPE=Release -DCMAKE_INSTALL_PREFIX="$prefix" -DBUILD_SHARED_LIBS=OFF "$@" >"$build.log"
  cmake --build "$build" -j "$(nproc)" >>"$build.log"
  cmake --install "$build" >>"$build.log"
}

# deb-src entries with the same archives and suites as the machine's deb entries.
write_source_list() {
  local parts=$1
  mkdir -p "$parts"
  if [ -e /etc/apt/sources.list.d/debian.sources ]; then
    sed -e 's/^Types:.*/Types: deb-src/' /etc/apt/sources.list.d/debian.sources >"$parts/debian.sources"
  elif [ -e /etc/apt/sources.list ]; then
    sed -n -e 's/^deb \(.*debian.*\)/deb-src \1/p' /etc/apt/sources.list >"$parts/debian.list"
  fi
}

fetch_pcre2() {
  local apt=$work/apt
  write_source_list "$apt/sources.list.d"
  mkdir -p "$apt/lists/partial" "$apt/cache/archives/partial"
  : >"$apt/sources.list"
  local options=(-o "Dir::Etc::SourceList=$apt/sources.list" -o "Dir::Etc::SourceParts=$apt/sources.list.d"
    -o "Dir::State::Lists=$apt/lists" -o "Dir::Cache=$apt/cache" -o "APT::Sandbox::User=root")
  apt-get "${options[@]}" -qq update
  # Newest first; a mirror may lack one version's files (seen for security
  # updates), so an older one of the same release is the fallback.
  local version
  for version in $(apt-cache "${options[@]}" showsrc pcre2 | sed -n 's/^Version: //p' | sort -r -V -u); do
    if (cd "$work" && apt-get "${options[@]}" -qq source "pcre2=$version" >/dev/null 2>&1); then
      echo "mingw-deps: PCRE2 source $version"
      return 0
    fi
    echo "mingw-deps: PCRE2 source $version could not be fetched"
  done
  return 1
}

fetch_pcre2
pcre2_source=$(find "$work" -maxdepth 1 -type d -name 'pcre2-*' | head -n 1)
[ -n "$pcre2_source" ] || { echo "mingw-deps: apt-get source pcre2 gave no source folder"; exit 1; }
cmake_build "$pcre2_source" "$work/pcre2-build" -DPCRE2_SUPPORT_JIT=ON -DPCRE2_BUILD_PCRE2GREP=OFF \
  -DPCRE2_BUILD_TESTS=OFF -DPCRE2_SUPPORT_LIBBZ2=OFF -DPCRE2_SUPPORT_LIBZ=OFF -DPCRE2_SUPPORT_LIBEDIT=OFF \
  -DPCRE2_SUPPORT_LIBREADLINE=OFF
# Its .pc file does not say that the library is static; without PCRE2_STATIC
# the header declares every function as imported from a DLL.
sed -i 's/^Cflags: .*/& -DPCRE2_STATIC/' "$prefix/lib/pkgconfig/libpcre2-8.pc"
rm -rf "$prefix/man" "$prefix/share/doc"

cmake_build /usr/src/googletest "$work/googletest-build" -Dgtest_disable_pthreads=OFF

mkdir -p "$prefix/include" "$prefix/share/cmake"
for headers in nlohmann CLI; do cp -r "/usr/include/$headers" "$prefix/include/"; done
for config in nlohmann_json CLI11; do cp -r "/usr/share/cmake/$config" "$prefix/share/cmake/"; done

rm -rf "$work"
touch "$stamp"
echo "mingw-deps: done"
