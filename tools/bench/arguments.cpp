#include "tools/bench/arguments.h"

#include "tools/bench/errors.h"
#include "tools/bench/values.h"

namespace bench {

Arguments::Arguments(const std::string& command, const std::vector<std::string>& words,
                     const std::vector<OptionRule>& rules)
    : command_(command) {
    const std::string see = " (see gaugebench " + command + " --help)";
    bool options_end = false;
    for (std::size_t i = 0; i < words.size(); ++i) {
        const std::string& w = words[i];
        if (options_end || w.size() < 2 || w[0] != '-') {
            positionals_.push_back(w);
            continue;
        }
        if (w == "--") {
            options_end = true;
            continue;
        }
        std::string name;
        std::optional<std::string> inline_value;
        if (w[1] == '-') {
            name = w.substr(2);
            if (const auto eq = name.find('='); eq != std::string::npos) {
                inline_value = name.substr(eq + 1);
                name.erase(eq);
            }
        } else if (w.size() == 2) {
            for (const OptionRule& s : rules)
                if (s.short_name == w[1]) name = s.name;
            if (name.empty()) throw Error(command + ": unknown option " + w + see);
        } else {
            throw Error(command + ": unknown option " + w + see);
        }
        const OptionRule* rule = nullptr;
        for (const OptionRule& s : rules)
            if (s.name == name) rule = &s;
        if (rule == nullptr) throw Error(command + ": unknown option --" + name + see);
        if (!rule->takes_value) {
            if (inline_value) throw Error(command + ": option --" + name + " takes no value");
            values_[name].emplace_back();
            continue;
        }
        if (!inline_value) {
            if (i + 1 >= words.size()) throw Error(command + ": option --" + name + " needs a value");
            inline_value = words[++i];
        }
        values_[name].push_back(*inline_value);
    }
}

std::optional<std::string> Arguments::value(const std::string& name) const {
    const auto it = values_.find(name);
    if (it == values_.end() || it->second.empty()) return std::nullopt;
    return it->second.back();
}

std::vector<std::string> Arguments::values(const std::string& name) const {
    const auto it = values_.find(name);
    return it == values_.end() ? std::vector<std::string>{} : it->second;
}

int Arguments::integer(const std::string& name, int fallback, int min, int max) const {
    const auto text = value(name);
    if (!text) return fallback;
    const auto v = parse_int(*text);
    if (!v || *v < min || *v > max)
        throw Error(command_ + ": bad --" + name + " \"" + *text + "\" (a whole number from " +
                    std::to_string(min) + " to " + std::to_string(max) + ")");
    return *v;
}

void Arguments::expect_positionals(std::size_t min, std::size_t max, const std::string& usage) const {
    if (positionals_.size() < min || positionals_.size() > max)
        throw Error(command_ + ": " + (positionals_.size() < min ? "too few" : "too many") +
                    " arguments (usage: " + usage + ")");
}

}  // namespace bench
