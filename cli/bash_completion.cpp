#include "cli/bash_completion.h"

#include "cli/command_line.h"
#include "cli/format_names.h"

#include <string_view>

namespace quillet::cli {
namespace {

// One word for bash, whatever it holds: single quotes, with any single quote
// inside closed, escaped and reopened.
std::string ShellWord(std::string_view text)
{
    std::string word = "'";
    for (const char c : text) word += c == '\'' ? std::string{"'\\''"} : std::string{c};
    return word + "'";
}

std::string ShellWords(std::initializer_list<std::string_view> words)
{
    std::string list;
    for (const std::string_view word : words) list += (list.empty() ? "" : " ") + ShellWord(word);
    return list;
}

// The fixed part. Format names may hold blanks ("Drop Frame"), so the
// current word is taken without its shell quoting before matching, and
// each match is quoted again as the word was begun: inside an opening
// quote it goes in as it is, otherwise with its blanks escaped.
constexpr std::string_view kFunctions = R"BASH(
_quillet_calc_matches()
{
    local cur=$1 typed quote='' word
    shift
    case $cur in
        \"*) quote=\"; typed=${cur#\"} ;;
        \'*) quote=\'; typed=${cur#\'} ;;
        *) typed=${cur//\\/} ;;
    esac
    COMPREPLY=()
    # Names are matched as typed first, then in any letter case, as quillet-calc reads them.
    local fold
    for fold in '' ',,'; do
        for word in "$@"; do
            if [[ $fold ]]; then
                [[ ${word,,} == "${typed,,}"* ]] || continue
            else
                [[ $word == "$typed"* ]] || continue
            fi
            if [[ $quote ]]; then
                COMPREPLY+=("$word")
            else
                COMPREPLY+=("$(printf '%q' "$word")")
            fi
        done
        ((${#COMPREPLY[@]})) && return
    done
}

_quillet_calc()
{
    local cur=${COMP_WORDS[COMP_CWORD]}
    COMPREPLY=()
    if ((COMP_CWORD == 1)); then
        _quillet_calc_matches "$cur" "${_quillet_calc_commands[@]}" "${_quillet_calc_global_options[@]}"
        return
    fi
    local command=${COMP_WORDS[1]} formats_wanted
    case $command in
        convert) formats_wanted=2 ;;
        eval|sum) formats_wanted=1 ;;
        *) return ;;
    esac
    # sum --to takes the format of the total.
    if [[ $command == sum && ${COMP_WORDS[COMP_CWORD - 1]} == --to ]]; then
        _quillet_calc_matches "$cur" "${_quillet_calc_formats[@]}"
        return
    fi
    if [[ $cur == -* ]]; then
        local options=("${_quillet_calc_options[@]}")
        [[ $command == sum ]] && options+=("${_quillet_calc_sum_options[@]}")
        _quillet_calc_matches "$cur" "${options[@]}"
        return
    fi
    # Formats come first after the command; options may stand anywhere.
    local i formats_given=0
    for ((i = 2; i < COMP_CWORD; i++)); do
        if [[ ${COMP_WORDS[i]} == --to ]]; then
            ((i++))
            continue
        fi
        [[ ${COMP_WORDS[i]} == --* ]] || ((formats_given++))
    done
    ((formats_given < formats_wanted)) || return
    _quillet_calc_matches "$cur" "${_quillet_calc_formats[@]}"
}
complete -F _quillet_calc quillet-calc
)BASH";

} // namespace

std::string BashCompletion()
{
    std::string formats;
    for (int position = 0; position < static_cast<int>(kFormatAliases.size()); ++position)
        formats += " " + ShellWord(FormatNameAt(position));
    for (int position = 0; position < static_cast<int>(kFormatAliases.size()); ++position) {
        const std::string_view alias = kFormatAliases[position].alias;
        if (alias != FormatNameAt(position)) formats += " " + ShellWord(alias);
    }

    std::string script = "# bash completion for quillet-calc, made from its format table when it was built\n";
    script += "_quillet_calc_commands=(" + ShellWords({kConvertWord, kEvalWord, kSumWord, kFormatsWord}) + ")\n";
    script += "_quillet_calc_global_options=(" + ShellWords({kHelpOption, kVersionOption}) + ")\n";
    // --separators is offered with its value attached, so the value is never taken for a format.
    script += "_quillet_calc_options=(" +
              ShellWords({kStrictOption, kNoBumpOption, kWrapOption, "--separators=display", "--separators=editing",
                         kHelpOption}) + ")\n";
    script += "_quillet_calc_sum_options=(" + ShellWords({kToOption, kSkipBadLinesOption}) + ")\n";
    script += "_quillet_calc_formats=(" + formats + " )\n";
    return script + std::string{kFunctions};
}

} // namespace quillet::cli
