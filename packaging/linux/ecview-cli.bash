# bash completion for ecview-cli                             -*- shell-script -*-
#
# Installed as share/bash-completion/completions/ecview-cli. It needs nothing
# of the bash-completion package. tests/docs/completion_test.sh checks the
# tables below against `ecview-cli --help-all`: a subcommand, option or
# positional argument added to the program must be added here too.

# Subcommands, in the order of --help-all.
_ecview_cli_subcommands="segments dump associate search diff uses site"

# Options of each subcommand (-h and --help are added for all of them).
_ecview_cli_options_segments="--repair"
_ecview_cli_options_dump="-o --output --json --html --crlf --gbk --repair"
_ecview_cli_options_associate="--program"
_ecview_cli_options_search="--kinds --in --programs --json --recursive --jobs --repair --no-cache"
_ecview_cli_options_diff="--json --html"
_ecview_cli_options_uses="--json"
_ecview_cli_options_site="--recursive --programs --title --jobs"

# What each positional argument is: module (a .ec or .e file), folder, mode
# (on or off), or text (nothing to complete).
_ecview_cli_positionals_segments="module"
_ecview_cli_positionals_dump="module"
_ecview_cli_positionals_associate="mode"
_ecview_cli_positionals_search="folder text"
_ecview_cli_positionals_diff="module module"
_ecview_cli_positionals_uses="module text"
_ecview_cli_positionals_site="folder folder"

# Options that take a value, and what the value is.
_ecview_cli_option_value() {
  case $1 in
    -o | --output) echo file ;;
    --program) echo program ;;
    --kinds) echo kinds ;;
    --in) echo scope ;;
    --jobs | --title) echo text ;;
    *) echo none ;;
  esac
}

# Fills COMPREPLY with the completions of `cur` as a thing of kind `kind`.
# File names are read one a line, so blanks in them survive.
_ecview_cli_complete_value() {
  local kind=$1 cur=$2
  COMPREPLY=()
  case $kind in
    module)
      # Folders (to walk into) and files ending in .ec or .e, any case.
      local entry entries
      mapfile -t entries < <(compgen -f -- "$cur")
      for entry in "${entries[@]}"; do
        if [[ -d $entry ]]; then
          COMPREPLY+=("$entry")
        else
          case ${entry,,} in
            *.ec | *.e) COMPREPLY+=("$entry") ;;
          esac
        fi
      done
      compopt -o filenames 2>/dev/null
      ;;
    folder)
      mapfile -t COMPREPLY < <(compgen -d -- "$cur")
      compopt -o filenames 2>/dev/null
      ;;
    file | program)
      mapfile -t COMPREPLY < <(compgen -f -- "$cur")
      compopt -o filenames 2>/dev/null
      ;;
    mode)
      mapfile -t COMPREPLY < <(compgen -W "on off" -- "$cur")
      ;;
    scope)
      mapfile -t COMPREPLY < <(compgen -W "names remarks params" -- "$cur")
      ;;
    kinds)
      # A comma-separated list: complete the word after the last comma.
      local done="" last=$cur kind_word
      if [[ $cur == *,* ]]; then
        done=${cur%,*},
        last=${cur##*,}
      fi
      for kind_word in $(compgen -W "subroutines classes datatypes dll constants globals" -- "$last"); do
        COMPREPLY+=("$done$kind_word")
      done
      compopt -o nospace 2>/dev/null
      ;;
  esac
}

_ecview_cli() {
  local cur=${COMP_WORDS[COMP_CWORD]}
  local prev=""
  ((COMP_CWORD > 0)) && prev=${COMP_WORDS[COMP_CWORD - 1]}
  COMPREPLY=()

  # The subcommand: the first word after the program that is no option.
  local i word subcommand="" subcommand_at=0
  for ((i = 1; i < COMP_CWORD; i++)); do
    word=${COMP_WORDS[i]}
    if [[ $word != -* ]]; then
      subcommand=$word
      subcommand_at=$i
      break
    fi
  done

  if [[ -z $subcommand ]]; then
    if [[ $cur == -* ]]; then
      mapfile -t COMPREPLY < <(compgen -W "-h --help --help-all --version" -- "$cur")
    else
      mapfile -t COMPREPLY < <(compgen -W "$_ecview_cli_subcommands" -- "$cur")
    fi
    return 0
  fi

  local options_var=_ecview_cli_options_$subcommand
  local positionals_var=_ecview_cli_positionals_$subcommand
  [[ -v $options_var ]] || return 0
  local options="-h --help ${!options_var}"
  local positionals
  read -ra positionals <<<"${!positionals_var}"

  # The value of an option: -o FILE, --kinds LIST or --kinds=LIST (which
  # bash splits into "--kinds", "=" and "LIST"; without "=" in
  # COMP_WORDBREAKS it stays one word).
  if [[ $cur == = ]] && ((COMP_CWORD > 0)); then
    prev=${COMP_WORDS[COMP_CWORD - 1]}
    cur=""
  elif [[ $prev == = ]] && ((COMP_CWORD > 1)); then
    prev=${COMP_WORDS[COMP_CWORD - 2]}
  elif [[ $cur == --*=* ]]; then
    prev=${cur%%=*}
    cur=${cur#*=}
  fi
  if [[ $prev == -* && $(_ecview_cli_option_value "$prev") != none ]]; then
    _ecview_cli_complete_value "$(_ecview_cli_option_value "$prev")" "$cur"
    return 0
  fi
  if [[ $cur == -* ]]; then
    mapfile -t COMPREPLY < <(compgen -W "$options" -- "$cur")
    return 0
  fi

  # Which positional argument this word is: count the words before it that
  # are neither options nor option values.
  local count=0
  for ((i = subcommand_at + 1; i < COMP_CWORD; i++)); do
    word=${COMP_WORDS[i]}
    if [[ $word == -* ]]; then
      if [[ $word != *=* && $(_ecview_cli_option_value "$word") != none ]]; then
        ((i++))  # the option's value
        [[ ${COMP_WORDS[i]} == = ]] && ((i++))
      fi
    elif [[ $word != = ]]; then
      ((count++))
    fi
  done
  if ((count < ${#positionals[@]})); then
    _ecview_cli_complete_value "${positionals[count]}" "$cur"
  fi
  return 0
}

complete -F _ecview_cli ecview-cli
