#!/usr/bin/env bash
# Validates the AppStream metadata (appstreamcli validate --no-net) and checks
# that it names the desktop entry, the MIME type and the version the build
# installs, and only screenshots the docs folder holds.
#
#   appstream_test.sh METAINFO DESKTOP_FILE DOCS_FOLDER VERSION
set -uo pipefail
metainfo=$1
desktop=$2
docs=$3
version=$4

failures=0
fail() {
  echo "FAIL: $*"
  failures=$((failures + 1))
}

# The component id is the desktop entry's id, "ecview", which is not in
# reverse-DNS form; AppStream warns about that (cid-desktopapp-is-not-rdns).
# Renaming the desktop entry would orphan every association already made
# with "ecview.desktop", so that one finding counts as a note. Every other
# warning fails.
appstreamcli validate --no-net --pedantic --override=cid-desktopapp-is-not-rdns=info "$metainfo" ||
  fail "appstreamcli validate --no-net $metainfo"

id=$(sed -n 's:.*<id>\(.*\)</id>.*:\1:p' "$metainfo")
desktop_id=$(basename "$desktop" .desktop)
[[ $id == "$desktop_id" ]] || fail "the AppStream id $id is not the desktop entry's id $desktop_id"
[[ $(basename "$metainfo") == "$id.metainfo.xml" ]] || fail "$(basename "$metainfo") is not named $id.metainfo.xml"
launchable=$(sed -n 's:.*<launchable type="desktop-id">\(.*\)</launchable>.*:\1:p' "$metainfo")
[[ $launchable == "$(basename "$desktop")" ]] || fail "launchable $launchable, desktop entry $(basename "$desktop")"

mime=$(sed -n 's/^MimeType=\(.*\);$/\1/p' "$desktop")
grep -q "<mediatype>$mime</mediatype>" "$metainfo" || fail "the metadata does not provide $mime"
grep -q "<release version=\"$version\" date=\"[0-9-]*\"/>" "$metainfo" || fail "no release $version"
grep -q 'xml:lang="zh-CN"' "$metainfo" || fail "no Chinese texts"

while read -r picture; do
  [[ -f $docs/$picture ]] || fail "screenshot $picture is not in $docs"
done < <(sed -n 's:.*<image[^>]*>.*/\([^/<]*\)</image>.*:\1:p' "$metainfo")

if ((failures)); then
  echo "$failures failure(s)"
  exit 1
fi
echo "AppStream metadata valid, id $id, $mime, version $version"
