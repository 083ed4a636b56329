#pragma once
// Column widths of a built sheet beyond its layout: the limits the user's sizing is kept
// within, fitting a column to what it shows, and the widths each user keeps for the
// sheets listed in GI_CellWidthRegList.
//
// Only "sizable" columns take part: those whose cell in the first row below the fixed
// rows is selectable. Labels, spacers and the columns a model cuts keep their layout.
//
// The remembered widths are restored by whoever creates a sheet for the screen, right
// after Build (every fill happens inside Build, so this is "after every fill"), and
// saved by the same owner before it destroys the sheet; dialog and choice sheets skip
// both, and printing loads them scaled after its own Build. Keeping the calls with the
// owner leaves the loading steps of the sheet variants untouched.

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace orvane {

class CellEvaluator;
class FontMetrics;
class Sheet;
class TextStore;

inline constexpr int kMinimumColumnWidth = 10;
inline constexpr int kMaximumColumnWidth = 650;

// Where the remembered widths live: the per-user settings, by the listed sheet's sub
// key (the part after ':' in GI_CellWidthRegList) and the column index.
class ColumnWidthStore {
public:
    virtual ~ColumnWidthStore() = default;
    virtual std::optional<std::int32_t> ReadWidth(const std::string& subKey, int column) const = 0;
    virtual void WriteWidth(const std::string& subKey, int column, std::int32_t width) = 0;
    // Forgets every width kept under `subKey`.
    virtual void ForgetWidths(const std::string& subKey) = 0;
};

bool IsSizableColumn(const Sheet& sheet, int column);

// With ColSizing, after any width change (the user's drag or AutoFitColumn): the sizable
// columns are kept between 10 and min(650, client width - the fixed columns' widths).
// The lower limit wins in a window too narrow for both.
void KeepColumnWidthsWithinLimits(Sheet& sheet, int clientWidth);

// Widens or narrows `column` to its widest text plus the margins: in the fixed rows the
// cells' own texts (except a cell whose right neighbour is covered, as its text spans),
// below them the texts the data model shows. Returns the new width.
int AutoFitColumn(Sheet& sheet, int column, CellEvaluator& evaluator, const FontMetrics& metrics);

// The factor from a remembered screen width to printer pixels: printer font points x
// (printer dpi / screen dpi) x 16 / (p x 16 div 100) / 10, with p the screen font
// percentage; the screen font at 100 % counts as a 10-point font.
double PrintedWidthFactor(int printerFontPoints, double printerDpi, double screenDpi,
                          int fontPercent);

class ColumnWidthMemory {
public:
    ColumnWidthMemory(TextStore& texts, ColumnWidthStore& store);

    // A sheet on screen, just built: sets each remembered width of its sizable columns
    // (raised to 10, cut at 650), then saves them all. Nothing for unlisted sheets.
    void Restore(Sheet& sheet);
    // The reset request: forgets the widths of every listed sheet, then saves this
    // sheet's current widths.
    void Reset(const Sheet& sheet);
    // Stores the widths of the sheet's sizable columns.
    void Save(const Sheet& sheet);
    // Printing: each sizable column gets the larger of its laid-out width and its
    // remembered width times `factor` (PrintedWidthFactor), rounded.
    void RestoreScaled(Sheet& sheet, double factor) const;

private:
    // The listed sheets: definition name and sub key.
    std::vector<std::pair<std::string, std::string>> ListedSheets() const;
    std::optional<std::string> SubKeyOf(const Sheet& sheet) const;
    // Sets each sizable column with a remembered width to what `choose` makes of its
    // laid-out and its remembered width.
    void ApplyRemembered(Sheet& sheet, const std::string& subKey,
                         const std::function<int(int, int)>& choose) const;

    TextStore& texts_;
    ColumnWidthStore& store_;
};

}  // namespace orvane
