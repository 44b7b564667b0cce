#!/usr/bin/env bash
# Drives the bash completion of ecview-cli as bash does on Tab: sets
# COMP_WORDS and COMP_CWORD, calls the completion function, reads COMPREPLY.
# The subcommands, options and positional arguments it offers must be those
# of `ecview-cli --help-all`, so a subcommand or option added to the program
# but not to the completion fails here.
#
#   completion_test.sh ECVIEW_CLI COMPLETION_FILE
set -uo pipefail
cli=$1
completion=$2

failures=0
fail() {
  echo "FAIL: $*"
  failures=$((failures + 1))
}

# ---- what the program says it has ------------------------------------------
help=$("$cli" --help-all) || { echo "FAIL: $cli --help-all"; exit 1; }
# Subcommand names stand alone at the start of a line after "Subcommands:";
# their options and positionals are indented by four blanks.
declare -A help_options help_positionals help_valued
help_subcommands=()
section="" subcommand=""
while IFS= read -r line; do
  if [[ $line == Subcommands: ]]; then
    section=subcommands
  elif [[ -n $section && $line =~ ^([a-z][a-z0-9-]*)$ ]]; then
    subcommand=${BASH_REMATCH[1]}
    help_subcommands+=("$subcommand")
    help_options[$subcommand]="" help_positionals[$subcommand]="" help_valued[$subcommand]=""
  elif [[ -n $subcommand && $line == "  Positionals:" ]]; then
    section=positionals
  elif [[ -n $subcommand && $line == "  Options:" ]]; then
    section=options
  elif [[ -n $subcommand && $section == positionals && $line =~ ^\ \ \ \ ([^\ -][^\ ]*) ]]; then
    help_positionals[$subcommand]+=" ${BASH_REMATCH[1]}"
  elif [[ -n $subcommand && $section == options && $line =~ ^\ \ \ \ (-[^\ ]+)(\ ([^\ ]+))? ]]; then
    names=${BASH_REMATCH[1]//,/ }
    help_options[$subcommand]+=" $names"
    # "-o,--output TEXT", "--jobs UINT:UINT in …": the option takes a value
    # (a type in capitals); "--json Excludes: …" does not.
    [[ ${BASH_REMATCH[3]} =~ ^[A-Z]+(:|$) ]] && help_valued[$subcommand]+=" $names"
  fi
done <<<"$help"
((${#help_subcommands[@]} > 0)) || fail "no subcommands found in --help-all"

sorted() { tr ' ' '\n' <<<"$*" | sed '/^$/d' | sort -u | tr '\n' ' '; }

# ---- the completion, loaded as bash-completion loads it -------------------------
# shellcheck source=/dev/null
source "$completion" || { echo "FAIL: cannot source $completion"; exit 1; }
[[ $(complete -p ecview-cli 2>/dev/null) == "complete -F _ecview_cli ecview-cli" ]] ||
  fail "complete -p ecview-cli: $(complete -p ecview-cli 2>&1)"

# Completes the words given; the last one is the word under the cursor.
# Prints the sorted offers on one line.
offers() {
  COMP_WORDS=(ecview-cli "$@")
  COMP_CWORD=$((${#COMP_WORDS[@]} - 1))
  COMP_LINE="${COMP_WORDS[*]}"
  COMP_POINT=${#COMP_LINE}
  COMPREPLY=()
  _ecview_cli ecview-cli "${COMP_WORDS[COMP_CWORD]}" "${COMP_WORDS[COMP_CWORD - 1]}"
  sorted "${COMPREPLY[@]}"
}

expect() {
  local want=$1
  shift
  local got
  got=$(offers "$@")
  [[ $got == "$(sorted "$want")" ]] || fail "ecview-cli $* <Tab>: got [$got], want [$(sorted "$want")]"
}

# Every subcommand of the help, and only those.
expect "${help_subcommands[*]}" ""
expect "$(sorted "${help_subcommands[*]}" | tr ' ' '\n' | grep '^d' | tr '\n' ' ')" d
expect "-h --help --help-all --version" -

# Every option of each subcommand, and only those; as many positionals, and
# the same options with values.
for sub in "${help_subcommands[@]}"; do
  expect "-h --help ${help_options[$sub]}" "$sub" -
  positionals_var=_ecview_cli_positionals_$sub
  read -ra kinds <<<"${!positionals_var-}"
  read -ra names <<<"${help_positionals[$sub]}"
  ((${#kinds[@]} == ${#names[@]})) ||
    fail "$sub: the completion knows ${#kinds[@]} positionals (${kinds[*]}), the help ${#names[@]} (${names[*]})"
  valued=""
  options_var=_ecview_cli_options_$sub
  for option in ${!options_var-}; do
    [[ $(_ecview_cli_option_value "$option") != none ]] && valued+=" $option"
  done
  [[ $(sorted "$valued") == "$(sorted "${help_valued[$sub]}")" ]] ||
    fail "$sub: options with a value: completion [$(sorted "$valued")], help [$(sorted "${help_valued[$sub]}")]"
done

# ---- files and folders where they are expected -------------------------------------
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cd "$work" || exit 1
mkdir 模块夹 other
touch a.ec B.EC 程序.e notes.txt 模块夹/inner.ec
expect "a.ec B.EC 程序.e 模块夹 other" dump ""
expect "a.ec" dump --json a
expect "模块夹/inner.ec" dump 模块夹/
expect "a.ec B.EC 程序.e 模块夹 other" dump -o out.txt ""
expect "a.ec B.EC 程序.e 模块夹 notes.txt other" dump -o ""
expect "a.ec B.EC 程序.e 模块夹 other" diff a.ec ""
expect "" diff a.ec B.EC ""
expect "模块夹 other" search ""
expect "模块夹 other" search --jobs 2 ""
expect "" search 模块夹 ""
expect "模块夹" search --recursive 模
expect "subroutines" search --kinds su
expect "dll,classes dll,constants" search --kinds dll,c
expect "dll,classes dll,constants" search --kinds = dll,c
expect "" search --jobs ""
expect "on off" associate ""
expect "off" associate of
expect "a.ec B.EC 程序.e 模块夹 notes.txt other" associate --program ""
expect "a.ec B.EC 程序.e 模块夹 other" uses ""
expect "" uses a.ec ""
expect "a.ec B.EC 程序.e 模块夹 other" segments --repair ""

if ((failures)); then
  echo "$failures failure(s)"
  exit 1
fi
echo "completion: ${#help_subcommands[@]} subcommands, their options and arguments agree with --help-all"
