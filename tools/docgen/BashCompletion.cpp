#include <algorithm>
#include <sstream>
#include <vector>

#include "DocGen.h"
#include "app/OptionDocs.h"

namespace brindlemoor::docgen {

namespace {

std::string words(const std::vector<std::string>& list) {
    std::string out;
    for (const std::string& word : list) {
        out += (out.empty() ? "" : " ") + word;
    }
    return out;
}

// What completing an option's value does: its choices, then files or folders.
std::string valueCompletion(const app::OptionDoc& option) {
    using C = app::OptionDoc::Completion;
    std::string body;
    if (!option.choices.empty()) {
        body += "            COMPREPLY=($(compgen -W '" + words(option.choices) + "' -- \"$cur\"))\n";
    }
    if (option.completion == C::File) {
        body += "            _filedir\n";
    } else if (option.completion == C::Directory) {
        body += "            _filedir -d\n";
    }
    return body + "            return\n            ;;\n";
}

}  // namespace

std::string bashCompletion() {
    // Options whose values complete alike share one branch, in --help's order.
    std::vector<std::pair<std::vector<std::string>, std::string>> branches;
    std::vector<std::string> names;
    for (const app::OptionDoc& option : app::optionDocs()) {
        names.push_back(option.name);
        if (option.valueName.empty()) {
            continue;
        }
        const std::string body = valueCompletion(option);
        auto same = std::find_if(branches.begin(), branches.end(), [&](const auto& b) { return b.second == body; });
        if (same == branches.end()) {
            branches.push_back({{option.name}, body});
        } else {
            same->first.push_back(option.name);
        }
    }
    std::ostringstream out;
    out << "# bash completion for brindlemoor(6), made by brindlemoor_docgen from the\n"
           "# game's table of options.\n\n"
           "_brindlemoor()\n{\n"
           "    local cur prev words cword split\n"
           "    _init_completion -s || return\n\n"
           "    case $prev in\n";
    for (const auto& [options, body] : branches) {
        std::string pattern;
        for (const std::string& name : options) {
            pattern += (pattern.empty() ? "" : " | ") + name;
        }
        out << "        " << pattern << ")\n" << body;
    }
    out << "    esac\n\n"
           "    $split && return\n"
           "    # The game takes no other arguments: offer the options even before a dash.\n"
           "    COMPREPLY=($(compgen -W '"
        << words(names)
        << "' -- \"$cur\"))\n"
           "} &&\n"
           "    complete -F _brindlemoor brindlemoor\n";
    return out.str();
}

}  // namespace brindlemoor::docgen
