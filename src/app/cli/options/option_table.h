// SPDX-License-Identifier: MIT
// A sub-command's command line as a table: one row per option with what it
// takes, what it sets and its help line, so that an option cannot be read
// without being documented. getopt_long reads the arguments; --help and every
// message are made from the same rows, in one form:
//   kadrel stack: --near: "x" is not a distance
#pragma once

#include <cstdio>
#include <functional>
#include <optional>
#include <string>
#include <vector>

struct OptionRow {
    const char* name;      // without its dashes: "near" for --near
    const char* argument;  // as --help names the value ("D"); null for a switch
    // Takes the value ("" for a switch): "" when it is good, else why not,
    // as the message goes on after "--near: ".
    std::function<std::string(const std::string& value)> set;
    const char* help;  // its lines, each after the first indented under it; null: not listed
};

// A row that keeps its value as typed, to be read once the others are known.
OptionRow KeptRow(const char* name, const char* argument, std::optional<std::string>* value,
                  const char* help);
// A row that turns *on true.
OptionRow SwitchRow(const char* name, bool* on, const char* help);

// Rows under an optional heading, with an optional note after them.
struct OptionGroup {
    const char* heading;
    std::vector<OptionRow> rows;
    const char* note;
};

struct CommandLine {
    const char* name;   // "stack"
    const char* about;  // the usage lines and what the command does, before the options
    std::vector<OptionGroup> groups;
    const char* examples;  // after the options
    std::FILE* err;
    bool othersIgnored = false;  // an unknown option is passed over, not refused
};

// The status of reading one, or of a command that stopped early.
enum ReadStatus : int { kReadOk = 0, kUsageError = 2, kHelpAsked = -1 };

// Reads argv[1..] (argv[0] is the command's name) through the rows in the
// order given, the words that are no option into *operands (refused when
// operands is null). kHelpAsked at
// --help or -h; kUsageError after a message on err at the first unknown
// option, missing value, value or word refused.
ReadStatus ReadCommandLine(const CommandLine& line, int argc, char* argv[],
                           std::vector<std::string>* operands);

// ReadCommandLine, with --help printed on out: true to go on; false to end
// with *status (0 after the help, 2 after a message).
bool ReadOrHelp(const CommandLine& line, int argc, char* argv[], std::vector<std::string>* operands,
                std::FILE* out, int* status);

// The text --help prints: about, each group's heading, rows and note, examples.
std::string CommandHelp(const CommandLine& line);

// "kadrel NAME: " and message on err, then "\n"; status back.
int Complain(const CommandLine& line, int status, const std::string& message);
// The same, then " (see kadrel NAME --help)"; status 2 back.
int Misused(const CommandLine& line, const std::string& message);
// The same for a value refused: "--near: "x" is not a distance".
int Refuse(const CommandLine& line, const char* option, const std::string& value, const char* what);
// What a row's set returns for a value refused: "\"x\" is not a distance".
std::string NotA(const std::string& value, const char* what);
