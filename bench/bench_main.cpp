// `make bench`: start-up and peak memory of kadrel against a bare Qt window,
// alternating runs, and the interaction benchmark's figures, in one table
// with each budget and its verdict.
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

void Row(const char* figure, double value, double reference, const char* budget, bool within) {
    if (reference > 0) {
        std::printf("%-34s %10.2f %10.2f %7.2f   %-18s %s\n", figure, value, reference,
                    value / reference, budget, within ? "within" : "OVER");
    } else {
        std::printf("%-34s %10.2f %10s %7s   %-18s %s\n", figure, value, "-", "-", budget,
                    within ? "within" : "OVER");
    }
}

void StartUp(const char* self, bool offscreen, const char* where) {
    const std::string kadrel = Beside(self, "startup_kadrel");
    const std::string bare = Beside(self, "startup_bare");
    Measure(kadrel, offscreen);  // warm the file cache
    Measure(bare, offscreen);
    std::vector<double> kTime, bTime, kMemory, bMemory;
    for (int i = 0; i < kRuns; ++i) {
        const Run k = Measure(kadrel, offscreen);
        const Run b = Measure(bare, offscreen);
        kTime.push_back(k.milliseconds);
        bTime.push_back(b.milliseconds);
        kMemory.push_back(k.peakMegabytes);
        bMemory.push_back(b.peakMegabytes);
    }
    const double kt = Median(kTime), bt = Median(bTime);
    const double km = Median(kMemory), bm = Median(bMemory);
    std::string figure = std::string("start-up ms, ") + where;
    Row(figure.c_str(), kt, bt, "<= 1.5 x bare", kt <= 1.5 * bt);
    figure = std::string("peak RSS MB, ") + where;
    Row(figure.c_str(), km, bm, "<= bare + 8 MB", km <= bm + 8);
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
        const std::string name = b["run_name"].toString().section('/', 0, 0).toStdString();
        const std::string statistic = b["aggregate_name"].toString().toStdString();
        if (statistic != "median" && statistic != "p99") {
            continue;
        }
        const double us = b["real_time"].toDouble();
        const std::string figure = name + " " + statistic + " us";
        const bool budgeted = statistic == "median";
        Row(figure.c_str(), us, 0, budgeted ? "<= 2000 us" : "(no budget)",
            !budgeted || us <= 2000);
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
    Row("10,000 controls created ms", created, 0, "<= 5000 ms", created <= 5000);
    Row("10,000 controls loaded ms", loaded, 0, "<= 5000 ms", loaded <= 5000);
}

}  // namespace

int main(int, char* argv[]) {
    std::printf("%-34s %10s %10s %7s   %-18s %s\n", "figure (median of 21 runs)", "kadrel",
                "bare Qt", "ratio", "budget", "verdict");
    StartUp(argv[0], true, "offscreen");
    if (std::getenv("DISPLAY") != nullptr) {
        StartUp(argv[0], false, "Xvfb");
    }
    Interaction(argv[0]);
    ManyControls(argv[0]);
    return 0;
}
