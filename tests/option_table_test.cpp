// SPDX-License-Identifier: MIT
#include "cli/options/option_table.h"

#include <gtest/gtest.h>

#include <cstdlib>

#include "core/text/units.h"

namespace {

// A small command: a number, a text kept as typed, a switch, a long name.
struct Try {
    double count = 0;
    std::optional<std::string> name;
    bool fast = false;
    std::optional<std::string> magnification;
};

struct Outcome {
    ReadStatus status;
    std::string err;
};

Outcome Read(std::vector<std::string> args, Try* t, std::string* help = nullptr) {
    args.insert(args.begin(), "try");
    std::vector<char*> argv;
    for (std::string& a : args) {
        argv.push_back(a.data());
    }
    argv.push_back(nullptr);
    char* text = nullptr;
    std::size_t size = 0;
    std::FILE* err = open_memstream(&text, &size);
    const OptionRow count{"count", "N",
                          [t](const std::string& v) {
                              return ParsePlainNumber(v, &t->count) ? std::string()
                                                                    : NotA(v, "a number");
                          },
                          "how many"};
    const CommandLine line{
        "try",
        "Usage: kadrel try [options]\n\n",
        {{nullptr, {count, KeptRow("name", "S", &t->name, "a name\nas typed")}, nullptr},
         {"Options:\n",
          {SwitchRow("fast", &t->fast, "no waiting"),
           KeptRow("magnification", "M", &t->magnification, "how much"),
           {"help", nullptr, nullptr, "this help"}},
          "A note.\n"}},
        "Example: kadrel try --count 3\n",
        err};
    const ReadStatus status =
        ReadCommandLine(line, static_cast<int>(args.size()), argv.data(), nullptr);
    if (help != nullptr) {
        *help = CommandHelp(line);
    }
    std::fclose(err);
    Outcome outcome{status, std::string(text, size)};
    std::free(text);
    return outcome;
}

TEST(OptionTable, ReadsRowsAndRefusesInOneForm) {
    const char* see = " (see kadrel try --help)\n";
    const struct {
        std::vector<std::string> args;
        ReadStatus status;
        std::string err;
    } cases[] = {
        {{"--count", "3", "--name=a b", "--fast"}, kReadOk, ""},
        {{"--count=3", "--name", "-a b"}, kReadOk, ""},
        {{"--bogus"}, kUsageError, std::string("kadrel try: unknown option \"--bogus\"") + see},
        {{"--cou", "3"}, kUsageError, std::string("kadrel try: unknown option \"--cou\"") + see},
        {{"-x"}, kUsageError, std::string("kadrel try: unknown option \"-x\"") + see},
        {{"word"}, kUsageError, std::string("kadrel try: unknown argument \"word\"") + see},
        {{"--", "--fast"},
         kUsageError,
         std::string("kadrel try: unknown argument \"--fast\"") + see},
        {{"--fast=yes"}, kUsageError, std::string("kadrel try: --fast takes no value") + see},
        {{"--name"}, kUsageError, "kadrel try: --name needs a value\n"},
        {{"--count", "x"}, kUsageError, "kadrel try: --count: \"x\" is not a number\n"},
        {{"--count="}, kUsageError, "kadrel try: --count: \"\" is not a number\n"},
        {{"-h", "--bogus"}, kHelpAsked, ""},
        {{"--count", "3", "--help"}, kHelpAsked, ""},
    };
    for (const auto& c : cases) {
        Try t;
        const Outcome outcome = Read(c.args, &t);
        EXPECT_EQ(outcome.status, c.status) << c.args[0];
        EXPECT_EQ(outcome.err, c.err) << c.args[0];
    }
    Try t;
    Read({"--count", "2.5", "--name", "-a b", "--fast"}, &t);
    EXPECT_EQ(t.count, 2.5);
    EXPECT_EQ(t.name, "-a b");
    EXPECT_TRUE(t.fast);
}

// Every listed row in its group, a long name on a line of its own, the
// further lines of a help under the first.
TEST(OptionTable, HelpListsEveryRow) {
    Try t;
    std::string help;
    Read({}, &t, &help);
    EXPECT_EQ(help,
              "Usage: kadrel try [options]\n"
              "\n"
              "  --count N        how many\n"
              "  --name S         a name\n"
              "                   as typed\n"
              "Options:\n"
              "  --fast           no waiting\n"
              "  --magnification M\n"
              "                   how much\n"
              "  --help           this help\n"
              "A note.\n"
              "Example: kadrel try --count 3\n");
}

}  // namespace
