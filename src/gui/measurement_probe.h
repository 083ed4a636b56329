#pragma once
// Reports to bench/startup_memory.sh what only the program itself can tell: when the
// grid of its first sheet has painted, and, on request, when it has shown every sheet of
// the tree. Inert unless the environment names a report file in ORVANE_PROBE.
//
// Lines written to the report file, each flushed at once:
//   painted <ns> <cpu>    the first sheet grid has painted; <ns> is the monotonic clock
//                         (CLOCK_MONOTONIC, as steady_clock) in nanoseconds, <cpu> the
//                         processor time the process has used so far, in microseconds
//   toured <n> <m> <title>  with ORVANE_PROBE_TOUR set: every one of the tree's <n>
//                         nodes was selected as a click selects it, and <m> distinct
//                         sheets painted; <title> is the window's title then
//
// Why this and not a script pressing keys: an X client outside the program sees the
// window mapped but not the cells drawn, and keys typed into the tree would need an extra
// package and still could not say when each sheet has painted. The probe only watches
// paint events and makes the tree's ordinary selection, so the program takes its own
// paths; without the variable nothing is installed at all.

#include <QFile>
#include <QObject>
#include <QTimer>
#include <memory>
#include <set>
#include <string>

namespace orvane {

class MainWindow;

class MeasurementProbe final : public QObject {
public:
    static constexpr const char* kReportVariable = "ORVANE_PROBE";
    static constexpr const char* kTourVariable = "ORVANE_PROBE_TOUR";

    // The probe the environment asks for, null when it asks for none.
    static std::unique_ptr<MeasurementProbe> FromEnvironment(MainWindow& window);

    MeasurementProbe(MainWindow& window, const QString& reportPath, bool tour);
    ~MeasurementProbe() override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // A sheet grid is about to paint the sheet called `callText`.
    void SheetPainting(const std::string& callText);
    void FirstSheetPainted();
    // Selects the next node of the tree, or ends the tour after the last.
    void VisitNextNode();
    void WriteLine(const QString& line);

    MainWindow& window_;
    QFile report_;
    bool tour_;
    bool firstPaintSeen_ = false;
    std::set<std::string> paintedSheets_;
    // The sheet the tour waits for, empty while it waits for none.
    std::string awaitedSheet_;
    int visitedNodes_ = 0;
    // Moves on when a node's sheet never paints, so that the tour ends and says so.
    QTimer stepTimeout_;
};

}  // namespace orvane
