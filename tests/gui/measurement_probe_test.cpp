// The probe the start-up and memory benchmark reads: off without its variable, one line
// at the first grid paint and no other, and a tour that selects every node and sees each
// node's sheet paint.

#include <QFile>
#include <QStringList>
#include <QTreeWidgetItemIterator>
#include <chrono>
#include <ctime>
#include <set>

#include "gui/measurement_probe.h"
#include "gui/sheet_grid.h"
#include "sheet/sheet.h"
#include "window_fixture.h"

namespace orvane::testing {
namespace {

long long MonotonicNs() {
    return std::chrono::duration_cast<std::chrono::nanoseconds>(
               std::chrono::steady_clock::now().time_since_epoch())
        .count();
}

class MeasurementProbeTest : public WindowFixture {
protected:
    QStringList ReportLines() const {
        QFile report(ReportPath());
        if (!report.open(QIODevice::ReadOnly | QIODevice::Text)) {
            return {};
        }
        return QString::fromUtf8(report.readAll()).split('\n', Qt::SkipEmptyParts);
    }
    QString ReportPath() const { return HomePath("probe.txt"); }
    // The window is already up: the grid paints again for the probe to see.
    void RepaintGrid() { window->ShownGrid()->viewport()->repaint(); }
};

TEST_F(MeasurementProbeTest, OnlyANamedReportFileMakesAProbe) {
    Launch();
    const QByteArray was = qgetenv(MeasurementProbe::kReportVariable);
    struct Case {
        const char* value;  // null: unset
        bool probe;
    };
    for (const Case& c : {Case{nullptr, false}, Case{"", false}, Case{"/tmp/report", true}}) {
        if (c.value == nullptr) {
            qunsetenv(MeasurementProbe::kReportVariable);
        } else {
            qputenv(MeasurementProbe::kReportVariable, c.value);
        }
        EXPECT_EQ(MeasurementProbe::FromEnvironment(*window) != nullptr, c.probe)
            << (c.value ? c.value : "unset");
    }
    qputenv(MeasurementProbe::kReportVariable, was);
}

TEST_F(MeasurementProbeTest, ReportsTheFirstGridPaintOnceWithTheMonotonicTime) {
    Launch();
    QTest::qWait(50);  // the paints the start-up asked for are done before the probe
    MeasurementProbe probe(*window, ReportPath(), false);
    window->TreeView()->viewport()->repaint();
    QTest::qWait(20);
    EXPECT_TRUE(ReportLines().isEmpty()) << "the tree is not a sheet grid";

    const long long before = MonotonicNs();
    RepaintGrid();
    ASSERT_TRUE(WaitUntil([&] { return !ReportLines().isEmpty(); }));
    const long long after = MonotonicNs();
    RepaintGrid();
    QTest::qWait(20);

    const QStringList lines = ReportLines();
    ASSERT_EQ(lines.size(), 1) << lines.join('|').toStdString();
    const QStringList words = lines.front().split(' ');
    ASSERT_EQ(words.size(), 3);
    EXPECT_EQ(words[0], "painted");
    const long long stamp = words[1].toLongLong();
    EXPECT_GE(stamp, before);
    EXPECT_LE(stamp, after);
    const long long cpuUs = words[2].toLongLong();
    EXPECT_GT(cpuUs, 0) << "the test process has worked before";
    EXPECT_LE(cpuUs, static_cast<long long>(std::clock()) * 1'000'000 / CLOCKS_PER_SEC);
}

TEST_F(MeasurementProbeTest, TourSelectsEveryNodeAndSeesEachSheetPaint) {
    Launch();
    window->TreeView()->SetChangeDelay(0);
    MeasurementProbe probe(*window, ReportPath(), true);
    RepaintGrid();
    ASSERT_TRUE(WaitUntil([&] { return ReportLines().size() == 2; }, 20000));

    std::set<std::string> sheets;
    std::string lastSheet;
    int nodes = 0;
    QTreeWidgetItemIterator it(window->TreeView());
    for (; *it != nullptr; ++it, ++nodes) {
        QTreeWidgetItem& item = **it;
        EXPECT_TRUE(item.childCount() == 0 || item.isExpanded()) << item.text(0).toStdString();
        lastSheet = std::string(SheetTreeView::NodeOf(&item)->cell.LinkText());
        sheets.insert(lastSheet);
    }
    ASSERT_GT(sheets.size(), 5u) << "the default tree has banks and settings";
    const QStringList words = ReportLines()[1].split(' ');
    ASSERT_GE(words.size(), 4);
    EXPECT_EQ(words[0], "toured");
    EXPECT_EQ(words[1].toInt(), nodes);
    EXPECT_EQ(words[2].toULongLong(), sheets.size()) << "every node's sheet painted";
    EXPECT_EQ(words.mid(3).join(' '), window->windowTitle());
    EXPECT_EQ(window->ShownSheet()->CallText(), lastSheet);
    EXPECT_EQ(window->TreeView()->currentItem(),
              window->TreeView()->ItemOf(controller->Tree()->SelectedNode()));
}

}  // namespace
}  // namespace orvane::testing
