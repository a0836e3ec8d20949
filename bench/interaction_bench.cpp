// SPDX-License-Identifier: MIT
// A committed geometry input and a cursor drag step, offscreen: through to
// the panel's new state, and again through to the panel repainted where it
// changed, as the event loop would. One iteration per repetition, so the
// repetitions give the distribution: median and 99th percentile.
#include <benchmark/benchmark.h>

#include <QAbstractSpinBox>
#include <QApplication>
#include <QTest>

#include <algorithm>
#include <cstdlib>

#include "app/kadrel.h"
#include "app/kadrel_uir.h"
#include "widgets/graph/graph_widget.h"

namespace {

constexpr int kRepetitions = 400;

template <typename T>
T* Control(const char* name) {
    for (QWidget* w : QApplication::allWidgets()) {
        if (w->objectName() == name && qobject_cast<T*>(w)) {
            return qobject_cast<T*>(w);
        }
    }
    std::abort();
}

double P99(const std::vector<double>& values) {
    std::vector<double> sorted = values;
    std::sort(sorted.begin(), sorted.end());
    return sorted[static_cast<size_t>(0.99 * static_cast<double>(sorted.size() - 1))];
}

// What the event loop does next: paint the parts that changed, and only those.
// Without painting, the changed parts wait for the next figure that paints.
void PaintChanges(QWidget* window, bool painted) {
    if (painted) {
        QCoreApplication::sendPostedEvents(window, QEvent::UpdateRequest);
    }
}

// A step of the focal length field: commit, Redraw, Cursor, repaint.
void Recompute(benchmark::State& state, bool painted) {
    auto* focal = Control<QAbstractSpinBox>("FOCAL");
    QWidget* window = focal->window();
    int direction = 1;
    for (auto _ : state) {
        QTest::keyClick(focal, direction > 0 ? Qt::Key_Up : Qt::Key_Down);
        PaintChanges(window, painted);
        direction = -direction;
    }
}

// One mouse move during a drag: commit, Cursor, report, repaint. The button
// stays down from one repetition to the next, so that each step moves a pixel
// on from the last, as a hand does, rather than back from where it pressed.
void Drag(benchmark::State& state, bool painted) {
    auto* graph = Control<ui::GraphWidget>("GRAPH");
    QWidget* window = graph->window();
    const QPoint start(graph->width() / 3, graph->height() / 2);
    static bool pressed = false;
    if (!pressed) {
        QTest::mousePress(graph, Qt::LeftButton, {}, start);
        pressed = true;
    }
    static int step = 0;  // a new distance, and so a new report, every time
    for (auto _ : state) {
        QTest::mouseMove(graph, start + QPoint(1 + step++ % 100, 0));
        PaintChanges(window, painted);
    }
}

}  // namespace

#define INTERACTION(function, name, painted)   \
    BENCHMARK_CAPTURE(function, name, painted) \
        ->Iterations(1)                        \
        ->Repetitions(kRepetitions)            \
        ->ReportAggregatesOnly(true)           \
        ->ComputeStatistics("p99", P99)        \
        ->Unit(benchmark::kMicrosecond)
INTERACTION(Recompute, state, false);
INTERACTION(Recompute, painted, true);
INTERACTION(Drag, state, false);
INTERACTION(Drag, painted, true);

int main(int argc, char* argv[]) {
    setenv("QT_QPA_PLATFORM", "offscreen", 1);
    if (InitCVIRTE(nullptr, argv, nullptr) == 0) {
        return 1;
    }
    const RuntimeLifetime lifetime;
    RegisterPanelCallbacks();
    panelHandle = LoadPanel(0, "kadrel.uir", PANEL);
    if (panelHandle < 0) {
        return 1;
    }
    DisplayPanel(panelHandle);
    InitPanel();
    // Until the window is exposed it has no backing store, and nothing would
    // be painted.
    if (!QTest::qWaitForWindowExposed(Control<QWidget>("GRAPH")->window())) {
        return 1;
    }
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    DiscardPanel(panelHandle);
    return 0;
}
