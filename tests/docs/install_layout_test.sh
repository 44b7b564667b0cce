#!/usr/bin/env bash
# `cmake --install BUILD --prefix P` lays out the programs and everything
# that documents them in the usual places.
#
#   install_layout_test.sh BUILD_FOLDER APPSTREAM_ID
set -uo pipefail
build=$1
id=$2
prefix=$(mktemp -d)
trap 'rm -rf "$prefix"' EXIT

cmake --install "$build" --prefix "$prefix" >/dev/null || { echo "FAIL: cmake --install"; exit 1; }

failures=0
for file in bin/ecview-cli share/man/man1/ecview-cli.1 \
  share/bash-completion/completions/ecview-cli \
  share/doc/ecview/manual.zh-CN.md \
  share/doc/ecview/schema/dump.schema.json share/doc/ecview/schema/search.schema.json \
  share/doc/ecview/schema/diff.schema.json share/doc/ecview/schema/uses.schema.json; do
  if [[ ! -s $prefix/$file ]]; then
    echo "FAIL: no $file"
    failures=$((failures + 1))
  fi
done
# Every picture the manual shows is installed beside it.
while read -r picture; do
  if [[ ! -f $prefix/share/doc/ecview/$picture ]]; then
    echo "FAIL: the manual shows $picture, which is not installed"
    failures=$((failures + 1))
  fi
done < <(grep -oE '!\[[^]]*\]\([^)]+\)' "$prefix/share/doc/ecview/manual.zh-CN.md" | sed 's/.*(\(.*\))/\1/')
# The viewer's page, desktop entry, MIME type, icon and AppStream entry come
# with the viewer, and the AppStream entry names the installed desktop entry
# (see appstream_test.sh for the one finding that is only a note).
if [[ -x $prefix/bin/ecview ]]; then
  for file in share/man/man1/ecview.1 share/applications/ecview.desktop share/mime/packages/ecview-e-module.xml \
    share/icons/hicolor/scalable/apps/ecview.svg share/metainfo/$id.metainfo.xml; do
    if [[ ! -s $prefix/$file ]]; then
      echo "FAIL: no $file"
      failures=$((failures + 1))
    fi
  done
  appstreamcli validate-tree --no-net --override=cid-desktopapp-is-not-rdns=info "$prefix" >/dev/null || {
    echo "FAIL: appstreamcli validate-tree of the installation"
    failures=$((failures + 1))
  }
else
  echo "no viewer built: its files are not checked"
fi
if ((failures)); then
  echo "$failures failure(s); installed:"
  (cd "$prefix" && find . -type f | sort)
  exit 1
fi
echo "installed: $(cd "$prefix" && find . -type f | wc -l) files"
