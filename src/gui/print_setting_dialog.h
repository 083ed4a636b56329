#pragma once
// The preview's "Setting" dialog: the printed font size as "1" to "5", which stand for
// 8 to 12 points.

#include <optional>

class QWidget;

namespace orvane {

class TextStore;

inline constexpr int kSmallestPrintedPoints = 8;
inline constexpr int kLargestPrintedPoints = 12;

// Asks for the font size, opening on `points`; the chosen points, or nothing when the
// user cancelled.
std::optional<int> AskPrintedFontSize(QWidget* owner, TextStore& texts, int points);

}  // namespace orvane
