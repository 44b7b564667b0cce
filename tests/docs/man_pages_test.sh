#!/usr/bin/env bash
# Renders the manual pages with every groff warning enabled (groff -man -ww,
# then man -l --warnings) and fails on any warning; then checks that each
# page describes every subcommand and option its program's help lists.
#
#   man_pages_test.sh PAGE_FOLDER ECVIEW_CLI [ECVIEW]
# PAGE_FOLDER holds ecview.1 and ecview-cli.1 (configured into the build
# folder); ECVIEW is left out when the viewer is not built.
set -uo pipefail
pages=$1
cli=$2
viewer=${3-}
export LC_ALL=C.UTF-8 MANWIDTH=80 MANPAGER=cat PAGER=cat

failures=0
fail() {
  echo "FAIL: $*"
  failures=$((failures + 1))
}

# Renders the page as text into $text (bold and underlined characters
# plain); any warning of groff or man is a failure. Not run in a subshell,
# so that its failures count.
text=""
render() {
  local page=$1 warnings
  # -k: the pages hold Chinese names, which preconv turns into glyphs.
  warnings=$(groff -k -man -ww -Tutf8 -z "$page" 2>&1)
  [[ -z $warnings ]] || fail "groff -man -ww $(basename "$page"): $warnings"
  warnings=$(man --warnings -E UTF-8 -l "$page" 2>&1 >/dev/null)
  [[ -z $warnings ]] || fail "man -l --warnings $(basename "$page"): $warnings"
  text=$(man -E UTF-8 -l "$page" 2>/dev/null | sed 's/.\x08//g')
  [[ -n $text ]] || fail "man -l $(basename "$page") printed nothing"
}

# Each word of `words` must appear in `text` as a word of its own.
expect_words() {
  local page=$1 text=$2 word
  shift 2
  for word in "$@"; do
    grep -qE -- "(^|[^[:alnum:]-])${word}([^[:alnum:]-]|$)" <<<"$text" || fail "$page does not mention $word"
  done
}

for page in ecview.1 ecview-cli.1; do
  [[ -f $pages/$page ]] || fail "no $pages/$page"
done

# ---- ecview-cli(1): its subcommands are sections, its options described ------------
render "$pages/ecview-cli.1"
cli_text=$text
help=$("$cli" --help-all) || fail "$cli --help-all"
in_subcommands=0 subcommand=""
while IFS= read -r line; do
  if [[ $line == Subcommands: ]]; then
    in_subcommands=1
  elif ((in_subcommands)) && [[ $line =~ ^([a-z][a-z0-9-]*)$ ]]; then
    subcommand=${BASH_REMATCH[1]}
    # A section per subcommand: "   dump [options] MODULE".
    grep -qE "^   $subcommand( |$)" <<<"$cli_text" || fail "ecview-cli.1 has no section for $subcommand"
  elif ((in_subcommands)) && [[ $line =~ ^\ \ \ \ (-[^\ ]+) ]]; then
    read -ra names <<<"${BASH_REMATCH[1]//,/ }"
    expect_words ecview-cli.1 "$cli_text" "${names[@]}"
  elif ((!in_subcommands)) && [[ $line =~ ^\ \ (-[^\ ]+) ]]; then
    read -ra names <<<"${BASH_REMATCH[1]//,/ }"
    expect_words ecview-cli.1 "$cli_text" "${names[@]}"
  fi
done <<<"$help"
expect_words ecview-cli.1 "$cli_text" "EXIT STATUS" FILES EXAMPLES

# ---- ecview(1): the options of its usage ---------------------------------------------
render "$pages/ecview.1"
viewer_text=$text
if [[ -n $viewer ]]; then
  usage=$("$viewer" --help) || fail "$viewer --help"
  mapfile -t options < <(grep -oE -- '(^|[ [])--?[a-z][a-z-]*' <<<"$usage" | sed 's/^[ [] *//' | sort -u)
  ((${#options[@]} >= 4)) || fail "too few options in ecview --help: ${options[*]}"
  expect_words ecview.1 "$viewer_text" "${options[@]}"
fi
expect_words ecview.1 "$viewer_text" --screenshot --find --compare --uses --dirtree --search \
  ECVIEW_SETTINGS_DIR "EXIT STATUS" FILES EXAMPLES

if ((failures)); then
  echo "$failures failure(s)"
  exit 1
fi
echo "man pages render without warnings and describe every subcommand and option"
