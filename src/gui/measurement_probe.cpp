#include "gui/measurement_probe.h"

#include <QCoreApplication>
#include <QEvent>
#include <QTreeWidgetItem>
#include <chrono>
#include <ctime>
#include <vector>

#include "gui/main_window.h"
#include "gui/sheet_grid.h"
#include "gui/sheet_tree_view.h"
#include "sheet/sheet.h"

namespace orvane {
namespace {

// Long enough for the tree's change delay and the slowest sheet to build and paint.
constexpr int kStepTimeoutMs = 3000;

void CollectItems(QTreeWidgetItem& parent, std::vector<QTreeWidgetItem*>& items) {
    for (int i = 0; i < parent.childCount(); ++i) {
        items.push_back(parent.child(i));
        CollectItems(*parent.child(i), items);
    }
}

// The view's items in tree order, collapsed branches included. Gathered afresh at every
// step, as a sheet may rename or rebuild the nodes.
std::vector<QTreeWidgetItem*> TreeItems(SheetTreeView& view) {
    std::vector<QTreeWidgetItem*> items;
    CollectItems(*view.invisibleRootItem(), items);
    return items;
}

}  // namespace

std::unique_ptr<MeasurementProbe> MeasurementProbe::FromEnvironment(MainWindow& window) {
    const QString reportPath = qEnvironmentVariable(kReportVariable);
    if (reportPath.isEmpty()) {
        return nullptr;
    }
    return std::make_unique<MeasurementProbe>(window, reportPath,
                                              !qEnvironmentVariableIsEmpty(kTourVariable));
}

MeasurementProbe::MeasurementProbe(MainWindow& window, const QString& reportPath, bool tour)
    : window_(window), report_(reportPath), tour_(tour) {
    if (!report_.open(QIODevice::WriteOnly | QIODevice::Append | QIODevice::Text)) {
        qWarning("%s: cannot write %s", kReportVariable, qPrintable(reportPath));
    }
    stepTimeout_.setSingleShot(true);
    stepTimeout_.setInterval(kStepTimeoutMs);
    connect(&stepTimeout_, &QTimer::timeout, this, [this] { VisitNextNode(); });
    // The grids come and go with the sheets; the application sees the paint events of
    // every one of them.
    QCoreApplication::instance()->installEventFilter(this);
}

MeasurementProbe::~MeasurementProbe() { QCoreApplication::instance()->removeEventFilter(this); }

bool MeasurementProbe::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::Paint) {
        auto* grid = qobject_cast<SheetGrid*>(watched->parent());
        if (grid != nullptr && watched == grid->viewport()) {
            SheetPainting(grid->ShownSheet().CallText());
        }
    }
    return false;
}

void MeasurementProbe::SheetPainting(const std::string& callText) {
    paintedSheets_.insert(callText);
    // The filter sees the paint event before the grid handles it: what follows waits
    // for the event loop, by which time the frame has been drawn and flushed.
    if (!firstPaintSeen_) {
        firstPaintSeen_ = true;
        QTimer::singleShot(0, this, [this] { FirstSheetPainted(); });
    }
    if (!awaitedSheet_.empty() && callText == awaitedSheet_) {
        awaitedSheet_.clear();
        QTimer::singleShot(0, this, [this] { VisitNextNode(); });
    }
}

void MeasurementProbe::FirstSheetPainted() {
    const auto now = std::chrono::steady_clock::now().time_since_epoch();
    // The processor time says how much of the wait was the program's own work, whatever
    // else the machine was busy with.
    const long long cpuUs = static_cast<long long>(std::clock()) * 1'000'000 / CLOCKS_PER_SEC;
    WriteLine(QString("painted %1 %2")
                  .arg(std::chrono::duration_cast<std::chrono::nanoseconds>(now).count())
                  .arg(cpuUs));
    if (tour_) {
        VisitNextNode();
    }
}

void MeasurementProbe::VisitNextNode() {
    stepTimeout_.stop();
    SheetTreeView& view = *window_.TreeView();
    const std::vector<QTreeWidgetItem*> items = TreeItems(view);
    if (static_cast<std::size_t>(visitedNodes_) >= items.size()) {
        tour_ = false;
        WriteLine(QString("toured %1 %2 %3")
                      .arg(visitedNodes_)
                      .arg(paintedSheets_.size())
                      .arg(window_.windowTitle()));
        return;
    }
    QTreeWidgetItem* item = items[static_cast<std::size_t>(visitedNodes_++)];
    // A user opens a branch to reach the nodes below it.
    item->setExpanded(true);
    const TreeNode* node = SheetTreeView::NodeOf(item);
    awaitedSheet_ = node != nullptr ? std::string(node->cell.LinkText()) : std::string();
    const Sheet* shown = window_.ShownSheet();
    if (shown != nullptr && shown->CallText() == awaitedSheet_) {
        // Already open and painted: selecting it again opens nothing.
        awaitedSheet_.clear();
        view.setCurrentItem(item);
        QTimer::singleShot(0, this, [this] { VisitNextNode(); });
        return;
    }
    view.setCurrentItem(item);
    stepTimeout_.start();
}

void MeasurementProbe::WriteLine(const QString& line) {
    report_.write((line + '\n').toUtf8());
    report_.flush();
}

}  // namespace orvane
