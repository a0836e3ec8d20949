// `make bench`: start-up and peak memory of kadrel against two references in
// alternating runs (a window of the panel's size showing one line of text,
// whose ratio carries the budget, and a bare one), and the interaction
// benchmark's figures, in one table with each budget and its verdict.
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QByteArray>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

namespace {

constexpr int kRuns = 21;

struct Run {
    double milliseconds;
    double peakMegabytes;
};

std::string Beside(const char* self, const char* name) {
    std::string dir = self;
    dir = dir.substr(0, dir.rfind('/') + 1);
    return dir + name;
}

// Runs a program to its end; its wall time and peak resident set size.
Run Measure(const std::string& program, bool offscreen) {
    const auto start = std::chrono::steady_clock::now();
    const pid_t pid = fork();
    if (pid == 0) {
        if (offscreen) {
            setenv("QT_QPA_PLATFORM", "offscreen", 1);
        } else {
            unsetenv("QT_QPA_PLATFORM");
        }
        execl(program.c_str(), program.c_str(), static_cast<char*>(nullptr));
        _exit(127);
    }
    int status = 0;
    rusage usage{};
    wait4(pid, &status, 0, &usage);
    const std::chrono::duration<double, std::milli> elapsed =
        std::chrono::steady_clock::now() - start;
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) {
        std::fprintf(stderr, "%s failed (status %d)\n", program.c_str(), status);
        std::exit(1);
    }
    return {elapsed.count(), usage.ru_maxrss / 1024.0};
}

double Median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

void Row(const char* figure, double value, double text, double bare, const char* budget,
         bool within) {
    if (text > 0) {
        std::printf("%-28s %8.2f %8.2f %8.2f %6.2f %6.2f   %-16s %s\n", figure, value, text, bare,
                    value / text, value / bare, budget, within ? "within" : "OVER");
    } else {
        std::printf("%-28s %8.2f %8s %8s %6s %6s   %-16s %s\n", figure, value, "-", "-", "-", "-",
                    budget, within ? "within" : "OVER");
    }
}

// Medians of alternating runs of kadrel and the two references.
void StartUp(const char* self, bool offscreen, const char* where) {
    const std::string programs[] = {Beside(self, "startup_kadrel"), Beside(self, "startup_text"),
                                    Beside(self, "startup_bare")};
    std::vector<double> time[3], memory[3];
    for (const std::string& program : programs) {
        Measure(program, offscreen);  // warm the file cache
    }
    for (int i = 0; i < kRuns; ++i) {
        for (int p = 0; p < 3; ++p) {
            const Run run = Measure(programs[p], offscreen);
            time[p].push_back(run.milliseconds);
            memory[p].push_back(run.peakMegabytes);
        }
    }
    const double kt = Median(time[0]), tt = Median(time[1]), bt = Median(time[2]);
    const double km = Median(memory[0]), tm = Median(memory[1]), bm = Median(memory[2]);
    std::string figure = std::string("start-up ms, ") + where;
    Row(figure.c_str(), kt, tt, bt, "<= 1.25 x text", kt <= 1.25 * tt);
    figure = std::string("peak RSS MB, ") + where;
    Row(figure.c_str(), km, tm, bm, "<= text + 5 MB", km <= tm + 5);
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
        Row(figure.c_str(), us, 0, 0,
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
    Row("10,000 controls created ms", created, 0, 0, "<= 5000 ms", created <= 5000);
    Row("10,000 controls loaded ms", loaded, 0, 0, "<= 5000 ms", loaded <= 5000);
}

}  // namespace

int main(int, char* argv[]) {
    std::printf("%-28s %8s %8s %8s %6s %6s   %-16s %s\n", "figure (median of 21 runs)", "kadrel",
                "text Qt", "bare Qt", "x text", "x bare", "budget", "verdict");
    StartUp(argv[0], true, "offscreen");
    if (std::getenv("DISPLAY") != nullptr) {
        StartUp(argv[0], false, "Xvfb");
    }
    Interaction(argv[0]);
    ManyControls(argv[0]);
    return 0;
}
