// Command-line arguments of one subcommand: options (--name VALUE,
// --name=VALUE or a bare --flag), repeated where the command allows, and
// the positional words in order. Anything unknown is an Error naming it.
#pragma once

#include <map>
#include <optional>
#include <string>
#include <vector>

namespace bench {

struct OptionRule {
    std::string name;  // without the dashes
    bool takes_value = false;
    char short_name = 0;  // -o for --output, say; 0 for none
};

class Arguments {
public:
    Arguments(const std::string& command, const std::vector<std::string>& words, const std::vector<OptionRule>& rules);

    bool has(const std::string& name) const { return values_.count(name) != 0; }
    std::optional<std::string> value(const std::string& name) const;  // the last one given
    std::vector<std::string> values(const std::string& name) const;  // every one, in order
    const std::vector<std::string>& positionals() const { return positionals_; }

    // An option's value as an integer in [min, max], or fallback when absent.
    int integer(const std::string& name, int fallback, int min, int max) const;

    // Throws unless between min and max positional words were given.
    void expect_positionals(std::size_t min, std::size_t max, const std::string& usage) const;

private:
    std::string command_;
    std::map<std::string, std::vector<std::string>> values_;
    std::vector<std::string> positionals_;
};

}  // namespace bench
