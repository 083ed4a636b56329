#pragma once
// The result codes of clone data file operations and the message each one shows.

#include <string>

namespace orvane {

class Prompter;
class TextStore;

enum class FileError : int {
    None = 0,
    FileOpen = 1,
    FileAccess = 2,
    Model = 3,
    Extra = 4,
    MapRev = 5,
    Format = 6,
    Coverage = 7,
    Data = 8,
    Newer = 9,
};

// The code's own text ("Illegal data."); empty for None and for codes outside 1..9.
std::string FileErrorText(FileError code, TextStore& texts);

// How a program reports on stderr that `path` failed: "PATH: file error N: TEXT".
std::string FileErrorLine(const std::string& path, FileError code, TextStore& texts);

// A warning box: "File error.", a blank line, the code's text. Nothing for None and for
// codes outside 1..9.
void ShowFileError(FileError code, TextStore& texts, Prompter& prompter);

}  // namespace orvane
