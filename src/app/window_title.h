#pragma once
// The main window's title: the document's file name, " - ", the application title.

#include <string>
#include <string_view>

namespace orvane {

inline constexpr std::string_view kUntitledName = "Untitled";

// `path` may be a full path; only its last component is shown.
std::string MainWindowTitle(std::string_view path, std::string_view appTitle);

}  // namespace orvane
