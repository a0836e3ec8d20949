// SPDX-License-Identifier: MIT
// A committed geometry input and a cursor drag step, offscreen: through to
// the panel's new state, and again through to the panel repainted where it
// changed, as the event loop would; the drag again with the details window
// and its side view following, the side view's painting alone, and a plan
// picture crowded with shots. One
// iteration per repetition, so the repetitions give the distribution: median
// and 99th percentile.
#include <benchmark/benchmark.h>

#include <QAbstractSpinBox>
#include <QApplication>
#include <QImage>
#include <QTest>

#include <algorithm>
#include <cstdlib>

#include "program/kadrel.h"
#include "program/kadrel_uir.h"
#include "services/camera/tables.h"
#include "widgets/bands/band_chart_widget.h"
#include "widgets/graph/graph_widget.h"
#include "windows/details/details.h"
#include "windows/plan/plan.h"

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

// The details window open with two pins, so that the side view has three rows.
void OpenDetailsWithPins() {
    if (pins.empty()) {
        const double width = Metres(22.5);
        const double coc = Metres(22.5 / 3504);
        pins = {{"50 f/1.8", {width, {Metres(50), 1.8, coc}, 3.0}},
                {"24 f/8", {width, {Metres(24), 8, coc}, 3.0}}};
        OpenDetails();
    }
}

// One mouse move during a drag: commit, Cursor, report, repaint. The button
// stays down from one repetition to the next, so that each step moves a pixel
// on from the last, as a hand does, rather than back from where it pressed.
void Drag(benchmark::State& state, bool painted, bool besideDetails = false) {
    QWidget* details = nullptr;
    if (besideDetails) {
        OpenDetailsWithPins();
        details = Control<ui::BandChartWidget>("SIDE_VIEW")->window();
    }
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
        if (details != nullptr) {
            PaintChanges(details, painted);
        }
    }
}

// The side view painted whole, at ratio device pixels per unit.
void SideViewPaint(benchmark::State& state, qreal ratio) {
    OpenDetailsWithPins();
    auto* view = Control<ui::BandChartWidget>("SIDE_VIEW");
    QImage image(view->size() * ratio, QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(ratio);
    for (auto _ : state) {
        view->render(&image);
    }
}

// A plan picture crowded: the wanted zone and that many shots in two rows,
// each row's label seeking a gap among them, painted whole at 1×.
void CrowdedPlanPaint(benchmark::State& state, int shots) {
    BandChart crowded;
    crowded.bands.push_back({0.1, 1, 0, 0x909090, VAL_BAND_FADED, "Wanted zone", "", 0});
    for (int i = 0; i < shots; ++i) {
        const double at = 0.1 + 0.9 * i / shots;
        crowded.bands.push_back({at, at + 0.9 / shots * 1.5, 1 + i % 2, 0x3C8DDC, VAL_BAND_SOLID,
                                 i == 0 ? "Focus stack" : "", "", 0});
    }
    ui::BandChartWidget view(nullptr);
    view.resize(736, kPlanPictureHeight);
    view.setChart(crowded);
    QImage image(view.size(), QImage::Format_ARGB32_Premultiplied);
    for (auto _ : state) {
        view.render(&image);
    }
}

}  // namespace

#define INTERACTION(function, name, ...)           \
    BENCHMARK_CAPTURE(function, name, __VA_ARGS__) \
        ->Iterations(1)                            \
        ->Repetitions(kRepetitions)                \
        ->ReportAggregatesOnly(true)               \
        ->ComputeStatistics("p99", P99)            \
        ->Unit(benchmark::kMicrosecond)
INTERACTION(Recompute, state, false);
INTERACTION(Recompute, painted, true);
INTERACTION(Drag, state, false);
INTERACTION(Drag, painted, true);
INTERACTION(Drag, beside_details_painted, true, true);
INTERACTION(SideViewPaint, one_to_one, 1.0);
INTERACTION(SideViewPaint, two_to_one, 2.0);
INTERACTION(CrowdedPlanPaint, shots_1000_painted, 1000);

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
