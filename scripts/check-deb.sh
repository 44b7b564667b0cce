#!/usr/bin/env bash
# Builds the .deb of the default preset (cpack in build/), unpacks it into a
# temporary folder with dpkg-deb -x and runs what it holds: the unpacked
# ecview-cli --version and dump of the sample module, ecview --version
# offscreen, the manual pages, and the files a desktop installation needs.
# Qt and the other libraries come from the system, as they do for the
# installed package. Exits non-zero on any failure.
set -euo pipefail
cd "$(dirname "$0")/.."

cmake --preset default >/dev/null
cmake --build --preset default -j "$(nproc)" >/dev/null
rm -f build/ecview_*.deb
(cd build && cpack -G DEB >/dev/null)
deb=$(ls build/ecview_*.deb)
version=$(dpkg-deb -f "$deb" Version)
echo "check-deb: $deb ($(du -h "$deb" | cut -f1)), version $version"
echo "check-deb: Depends: $(dpkg-deb -f "$deb" Depends)"

unpacked=$(mktemp -d)
trap 'rm -rf "$unpacked"' EXIT
dpkg-deb -x "$deb" "$unpacked"

failures=0
fail() {
  echo "check-deb: FAIL: $*"
  failures=$((failures + 1))
}

# The image readers are plugins Qt loads at run time, so no library
# dependency brings them in: the package has to name them.
depends=$(dpkg-deb -f "$deb" Depends)
grep -Eq '(^|, )qt6-image-formats-plugins( |,|$)' <<<"$depends" ||
  fail "Depends lacks qt6-image-formats-plugins: $depends"
grep -Eq '(^|, )libqt6gui6' <<<"$depends" || fail "Depends lacks libqt6gui6 (it holds the ico reader): $depends"

usr=$unpacked/usr
for file in bin/ecview bin/ecview-cli \
  share/applications/ecview.desktop share/mime/packages/ecview-e-module.xml \
  share/icons/hicolor/scalable/apps/ecview.svg \
  share/man/man1/ecview.1 share/man/man1/ecview-cli.1 \
  share/bash-completion/completions/ecview-cli share/metainfo/ecview.metainfo.xml \
  share/doc/ecview/manual.zh-CN.md share/doc/ecview/schema/dump.schema.json; do
  [[ -s $usr/$file ]] || fail "the package holds no /usr/$file"
done

# The programs as unpacked, with the system's libraries only.
got=$("$usr/bin/ecview-cli" --version) || fail "ecview-cli --version failed"
[[ $got == "ecview-cli $version" ]] || fail "ecview-cli --version: $got"
cp examples/sample.ec "$unpacked/sample.ec"
if dump=$("$usr/bin/ecview-cli" dump "$unpacked/sample.ec"); then
  grep -q '^\.版本 2' <<<"$dump" || fail "ecview-cli dump printed no declaration text"
else
  fail "ecview-cli dump of the sample failed"
fi
json=$("$usr/bin/ecview-cli" dump --json "$unpacked/sample.ec") || fail "ecview-cli dump --json failed"
[[ $json == '{"ok":true,'* ]] || fail "ecview-cli dump --json: ${json:0:80}"
got=$(QT_QPA_PLATFORM=offscreen "$usr/bin/ecview" --version) || fail "ecview --version failed"
[[ $got == "ecview $version" ]] || fail "ecview --version: $got"

# The installed pages render, and the completion loads from where bash-completion looks.
for page in ecview ecview-cli; do
  warnings=$(LC_ALL=C.UTF-8 MANWIDTH=80 man --warnings -E UTF-8 -l "$usr/share/man/man1/$page.1" 2>&1 >/dev/null)
  [[ -z $warnings ]] || fail "man -l $page.1: $warnings"
done
bash -c "source '$usr/share/bash-completion/completions/ecview-cli' && complete -p ecview-cli" >/dev/null ||
  fail "the bash completion does not load"
appstreamcli validate --no-net --override=cid-desktopapp-is-not-rdns=info \
  "$usr/share/metainfo/ecview.metainfo.xml" >/dev/null || fail "appstreamcli validate of the packaged metadata"

# lintian is not among the build's packages (it is slow and large); when it
# is there its findings are shown, not counted.
if command -v lintian >/dev/null; then
  lintian --no-tag-display-limit "$deb" || true
fi

if ((failures)); then
  echo "check-deb: $failures failure(s)"
  exit 1
fi
echo "check-deb: the unpacked package runs (ecview-cli --version, dump, ecview --version offscreen)"
