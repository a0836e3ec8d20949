// SPDX-License-Identifier: MIT
// kadrel's sub-commands (`kadrel dof …`): one row each in
// one table, answered on the command line without a display. Results go to
// out in the C locale, a one-line diagnostic starting "kadrel: " to err.
// Status 0 on success, 1 for a failure (a failed write to out included), 2
// for a usage error.
#pragma once

#include <cstddef>
#include <cstdio>
#include <string>

struct Subcommand {
    const char* name;
    const char* summary;  // one line for `kadrel --help`
    // argv[0] is the sub-command's own name; its options follow.
    int (*run)(int argc, char* argv[], std::FILE* out, std::FILE* err);
};

// When argv[1] names a sub-command, runs it: true, *status its exit status.
// A word there that is meant as one and is none (followed by options) is
// refused, naming the sub-command it is nearest to: true, *status 2.
bool RunSubcommand(int argc, char* argv[], std::FILE* out, std::FILE* err, int* status);

// "  dof     summary" lines, one per sub-command, for `kadrel --help`.
std::string SubcommandList();

// Answers --version or --help, the first of them on the command line, on
// out; true when one was answered. Needs no display; other arguments are
// ignored.
bool AnswerCommandLine(int argc, char* argv[], std::FILE* out);

// The photo named as the one argument, if any.
char* PhotoOnCommandLine(int argc, char* argv[]);
