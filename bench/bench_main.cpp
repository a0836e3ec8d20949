// SPDX-License-Identifier: MIT
// `make bench`: start-up to the first frame and to the exit after it, and peak
// memory, of kadrel against three references in alternating runs (the same
// panel made of stock Qt widgets, whose ratio carries the start-up budget; a
// window of the panel's size showing one line of text, whose ratio is shown
// without a budget; and a bare one); the interaction benchmark's figures; in
// one table with each budget and its verdict; the resident set's growth over
// 1000 openings of the Preferences dialog.
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QByteArray>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "monotonic_ms.h"

namespace {

constexpr int kRuns = 21;

struct Run {
    double firstFrame;  // milliseconds from the start
    double exit;
    double peakMegabytes;
};

std::string Beside(const char* self, const char* name) {
    std::string dir = self;
    dir = dir.substr(0, dir.rfind('/') + 1);
    return dir + name;
}

[[noreturn]] void Fail(const std::string& program, const char* what) {
    std::fprintf(stderr, "%s: %s\n", program.c_str(), what);
    std::exit(1);
}

// Runs a program to its end: when its first frame was done, when it ended,
// and its peak resident set size.
Run Measure(const std::string& program, bool offscreen) {
    int frame[2];
    if (pipe(frame) != 0) {
        Fail(program, "no pipe");
    }
    const double start = MonotonicMilliseconds();
    const pid_t pid = fork();
    if (pid == 0) {
        close(frame[0]);
        setenv("KADREL_FIRST_FRAME_FD", std::to_string(frame[1]).c_str(), 1);
        if (offscreen) {
            setenv("QT_QPA_PLATFORM", "offscreen", 1);
        } else {
            unsetenv("QT_QPA_PLATFORM");
        }
        execl(program.c_str(), program.c_str(), static_cast<char*>(nullptr));
        _exit(127);
    }
    close(frame[1]);
    int status = 0;
    rusage usage{};
    wait4(pid, &status, 0, &usage);
    const double end = MonotonicMilliseconds();
    char line[64] = "";
    const ssize_t length = read(frame[0], line, sizeof line - 1);
    close(frame[0]);
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) {
        Fail(program, "failed");
    }
    if (length <= 0) {
        Fail(program, "told no first frame");
    }
    return {std::atof(line) - start, end - start, usage.ru_maxrss / 1024.0};
}

double Median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

// A figure against the stock-Qt panel, the text window and the bare one
// (0 for a figure without references).
struct References {
    double stock, text, bare;
};

void Row(const char* figure, double value, References r, const char* budget, bool within) {
    if (r.text > 0) {
        std::printf("%-31s %8.2f %8.2f %8.2f %8.2f %7.2f %6.2f   %-17s %s\n", figure, value,
                    r.stock, r.text, r.bare, value / r.stock, value / r.text, budget,
                    within ? "within" : "OVER");
    } else {
        std::printf("%-31s %8.2f %8s %8s %8s %7s %6s   %-17s %s\n", figure, value, "-", "-", "-",
                    "-", "-", budget, within ? "within" : "OVER");
    }
}

// Medians of alternating runs of kadrel, the two references, and the panel
// made of stock Qt widgets: how near kadrel comes to what Qt itself needs.
void StartUp(const char* self, bool offscreen, const char* where) {
    const std::string programs[] = {Beside(self, "startup_kadrel"), Beside(self, "startup_text"),
                                    Beside(self, "startup_bare"), Beside(self, "startup_widgets")};
    constexpr int kPrograms = 4;
    std::vector<double> frame[kPrograms], exit[kPrograms], memory[kPrograms];
    for (const std::string& program : programs) {
        Measure(program, offscreen);  // warm the file cache
    }
    for (int i = 0; i < kRuns; ++i) {
        for (int p = 0; p < kPrograms; ++p) {
            const Run run = Measure(programs[p], offscreen);
            frame[p].push_back(run.firstFrame);
            exit[p].push_back(run.exit);
            memory[p].push_back(run.peakMegabytes);
        }
    }
    const auto references = [](const std::vector<double>* figures) {
        return References{Median(figures[3]), Median(figures[1]), Median(figures[2])};
    };
    const double kf = Median(frame[0]), ke = Median(exit[0]), km = Median(memory[0]);
    const References rf = references(frame), re = references(exit), rm = references(memory);
    std::string figure = std::string("first frame ms, ") + where;
    Row(figure.c_str(), kf, rf, "<= 1.10 x stock", kf <= 1.10 * rf.stock);
    figure = std::string("to exit after it ms, ") + where;
    Row(figure.c_str(), ke, re, "(no budget)", true);
    figure = std::string("peak RSS MB, ") + where;
    Row(figure.c_str(), km, rm, "<= text + 5 MB", km <= rm.text + 5);
}

// Runs the interaction benchmark and reads its medians and 99th percentiles.
void Interaction(const char* self) {
    const std::string command = Beside(self, "interaction_bench") + " --benchmark_format=json";
    FILE* pipe = popen(command.c_str(), "r");
    QByteArray json;
    char buffer[4096];
    size_t n;
    while ((n = std::fread(buffer, 1, sizeof buffer, pipe)) > 0) {
        json.append(buffer, static_cast<qsizetype>(n));
    }
    if (pclose(pipe) != 0) {
        std::fprintf(stderr, "interaction_bench failed\n");
        std::exit(1);
    }
    for (const QJsonValue& entry : QJsonDocument::fromJson(json)["benchmarks"].toArray()) {
        const QJsonObject b = entry.toObject();
        const QString name = b["run_name"].toString().section('/', 0, 1);
        const std::string statistic = b["aggregate_name"].toString().toStdString();
        if (statistic != "median" && statistic != "p99") {
            continue;
        }
        const double us = b["real_time"].toDouble();
        const std::string figure = name.toStdString() + " " + statistic + " us";
        // The new state within a tenth of a millisecond; painted, within a
        // millisecond, a sixteenth of a frame at 60 Hz.
        const bool painted = name.endsWith("painted");
        const double budget = painted ? 1000 : 100;
        const bool budgeted = statistic == "median";
        Row(figure.c_str(), us, {},
            !budgeted ? "(no budget)"
            : painted ? "<= 1000 us"
                      : "<= 100 us",
            !budgeted || us <= budget);
    }
}

// Creates a panel of 10,000 controls and loads it back from its file.
void ManyControls(const char* self) {
    FILE* pipe = popen((Beside(self, "many_controls") + " 10000").c_str(), "r");
    int count = 0;
    double created = 0, loaded = 0;
    const bool read = std::fscanf(pipe, "%d %lf %lf", &count, &created, &loaded) == 3;
    if (pclose(pipe) != 0 || !read) {
        std::fprintf(stderr, "many_controls failed\n");
        std::exit(1);
    }
    Row("10,000 controls created ms", created, {}, "<= 5000 ms", created <= 5000);
    Row("10,000 controls loaded ms", loaded, {}, "<= 5000 ms", loaded <= 5000);
}

// Opens and leaves the Preferences dialog 1000 times: how much the resident
// set grew. Each dialog once left 3.8 KB behind in Qt's pixmap cache.
void PreferencesMemory(const char* self) {
    FILE* pipe = popen((Beside(self, "preferences_memory") + " 1000").c_str(), "r");
    long before = 0, after = 0;
    const bool read = std::fscanf(pipe, "%ld %ld", &before, &after) == 2;
    if (pclose(pipe) != 0 || !read) {
        std::fprintf(stderr, "preferences_memory failed\n");
        std::exit(1);
    }
    const double growth = static_cast<double>(after - before);
    Row("preferences x1000 RSS growth KB", growth, {}, "<= 256 KB", growth <= 256);
}

}  // namespace

// With --start-up, only the start-up figures.
int main(int argc, char* argv[]) {
    std::printf("%-31s %8s %8s %8s %8s %7s %6s   %-17s %s\n", "figure (median of 21 runs)",
                "kadrel", "stock Qt", "text Qt", "bare Qt", "x stock", "x text", "budget",
                "verdict");
    StartUp(argv[0], true, "offscreen");
    if (std::getenv("DISPLAY") != nullptr) {
        StartUp(argv[0], false, "Xvfb");
    }
    if (argc > 1 && std::string(argv[1]) == "--start-up") {
        return 0;
    }
    Interaction(argv[0]);
    ManyControls(argv[0]);
    PreferencesMemory(argv[0]);
    return 0;
}
