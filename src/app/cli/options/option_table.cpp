// SPDX-License-Identifier: MIT
// Reading a command line through its option table, and its --help.
#include "cli/options/option_table.h"

#include <getopt.h>

#include <cstring>

namespace {

constexpr std::size_t kHelpColumn = 19;  // "  --sensor WxH" and its padding
constexpr int kFirstRow = 1000;          // getopt's code for the first row: past every character

// The rows in order, and getopt_long's table for them. A row named "help"
// documents the --help that every command takes.
struct Flat {
    std::vector<const OptionRow*> rows;
    std::vector<option> options;
};

Flat Flatten(const CommandLine& line) {
    Flat flat;
    for (const OptionGroup& group : line.groups) {
        for (const OptionRow& row : group.rows) {
            if (std::strcmp(row.name, "help") != 0) {
                const int code = kFirstRow + static_cast<int>(flat.rows.size());
                flat.options.push_back(
                    {row.name, row.argument ? required_argument : no_argument, nullptr, code});
                flat.rows.push_back(&row);
            }
        }
    }
    flat.options.push_back({"help", no_argument, nullptr, 'h'});
    flat.options.push_back({nullptr, 0, nullptr, 0});
    return flat;
}

// getopt_long takes "--ne" for --near; a script that did so would break the
// day an option beginning the same way came, so only whole names count.
bool WholeName(const char* arg, const char* name) {
    const std::size_t n = std::strlen(name);
    return std::strncmp(arg, "--", 2) == 0 && std::strncmp(arg + 2, name, n) == 0 &&
           (arg[n + 2] == '\0' || arg[n + 2] == '=');
}

// The message for an option getopt_long refused (code '?' or ':'), or took
// only as an abbreviation, at arg. It names the row in optopt when a value
// is missing or one was given to a switch.
void Refused(const CommandLine& line, const Flat& flat, int code, const char* arg) {
    const bool refused = code == '?' || code == ':';
    const OptionRow* row = refused && optopt >= kFirstRow ? flat.rows[optopt - kFirstRow] : nullptr;
    if (row != nullptr && code == ':') {
        Complain(line, kUsageError, std::string("--") + row->name + " needs a value");
    } else if (row != nullptr) {
        Misused(line, std::string("--") + row->name + " takes no value");
    } else {
        Misused(line, "unknown option \"" + std::string(arg) + "\"");
    }
}

// A word that is no option, into *operands; refused when there are none.
bool TakeOperand(const CommandLine& line, std::vector<std::string>* operands, const char* word) {
    if (operands == nullptr) {
        Misused(line, "unknown argument \"" + std::string(word) + "\"");
        return false;
    }
    operands->push_back(word);
    return true;
}

}  // namespace

OptionRow KeptRow(const char* name, const char* argument, std::optional<std::string>* value,
                  const char* help) {
    return {name, argument,
            [value](const std::string& text) {
                *value = text;
                return std::string();
            },
            help};
}

OptionRow SwitchRow(const char* name, bool* on, const char* help) {
    return {name, nullptr,
            [on](const std::string&) {
                *on = true;
                return std::string();
            },
            help};
}

ReadStatus ReadCommandLine(const CommandLine& line, int argc, char* argv[],
                           std::vector<std::string>* operands) {
    const Flat flat = Flatten(line);
    optind = 0;  // a fresh scan: each command is read from its start
    opterr = 0;  // the messages are the command's own
    // Where others are ignored, the toolkit's own options (-stylesheet FILE)
    // pass whole, not as clusters of letters one of which might be -h.
    const auto next = line.othersIgnored ? getopt_long_only : getopt_long;
    for (;;) {
        const int at = optind == 0 ? 1 : optind;
        const int code = next(argc, argv, "-:h", flat.options.data(), nullptr);
        if (code == -1) {
            break;
        }
        if (code == 1) {
            if (!TakeOperand(line, operands, optarg)) {
                return kUsageError;
            }
        } else if (code == 'h' &&
                   (std::strcmp(argv[at], "-h") == 0 || WholeName(argv[at], "help"))) {
            return kHelpAsked;
        } else if (code < kFirstRow || !WholeName(argv[at], flat.rows[code - kFirstRow]->name)) {
            if (line.othersIgnored) {
                continue;
            }
            Refused(line, flat, code, argv[at]);
            return kUsageError;
        } else if (const OptionRow& row = *flat.rows[code - kFirstRow]; row.set != nullptr) {
            const std::string value = optarg != nullptr ? optarg : "";
            if (const std::string why = row.set(value); !why.empty()) {
                Complain(line, kUsageError, std::string("--") + row.name + ": " + why);
                return kUsageError;
            }
        }
    }
    for (int i = optind; i < argc && argv[i] != nullptr; ++i) {
        if (!TakeOperand(line, operands, argv[i])) {  // after "--"
            return kUsageError;
        }
    }
    return kReadOk;
}

bool ReadOrHelp(const CommandLine& line, int argc, char* argv[], std::vector<std::string>* operands,
                std::FILE* out, int* status) {
    *status = ReadCommandLine(line, argc, argv, operands);
    if (*status == kHelpAsked) {
        std::fputs(CommandHelp(line).c_str(), out);
        *status = 0;
        return false;
    }
    return *status == 0;
}

std::string CommandHelp(const CommandLine& line) {
    std::string text = line.about;
    for (const OptionGroup& group : line.groups) {
        text += group.heading != nullptr ? group.heading : "";
        for (const OptionRow& row : group.rows) {
            if (row.help == nullptr) {
                continue;
            }
            std::string head = std::string("  --") + row.name;
            head += row.argument != nullptr ? std::string(" ") + row.argument : "";
            text += head + (head.size() < kHelpColumn ? std::string(kHelpColumn - head.size(), ' ')
                                                      : "\n" + std::string(kHelpColumn, ' '));
            for (const char* c = row.help; *c != '\0'; ++c) {
                text += *c;
                text += *c == '\n' ? std::string(kHelpColumn, ' ') : "";
            }
            text += '\n';
        }
        text += group.note != nullptr ? group.note : "";
    }
    return text + (line.examples != nullptr ? line.examples : "");
}

int Complain(const CommandLine& line, int status, const std::string& message) {
    std::fprintf(line.err, "kadrel %s: %s\n", line.name, message.c_str());
    return status;
}

int Misused(const CommandLine& line, const std::string& message) {
    return Complain(line, kUsageError,
                    message + " (see kadrel " + std::string(line.name) + " --help)");
}

int Refuse(const CommandLine& line, const char* option, const std::string& value,
           const char* what) {
    return Complain(line, kUsageError, std::string(option) + ": " + NotA(value, what));
}

std::string NotA(const std::string& value, const char* what) {
    return "\"" + value + "\" is not " + what;
}
