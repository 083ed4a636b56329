#include "cli/man_page.h"

#include <ostream>
#include <string_view>

#include "app/startup_file.h"
#include "cli/cli_command.h"
#include "cli/cli_help.h"
#include "orvane_version.h"

namespace orvane::cli {
namespace {

struct Entry {
    std::string_view term;
    std::string_view text;
};

// Text as roff reads it: a backslash printed as such, "-" as the minus of an option.
std::string Escaped(std::string_view text) {
    std::string escaped;
    for (const char c : text) {
        escaped += c == '\\' ? "\\e" : c == '-' ? "\\-" : std::string(1, c);
    }
    return escaped;
}

// Lines of prose; a blank line starts a paragraph, and a line that would read as a
// request is guarded.
void WriteProse(std::ostream& out, std::string_view text) {
    while (!text.empty()) {
        const std::size_t end = std::min(text.find('\n'), text.size());
        const std::string_view line = text.substr(0, end);
        if (line.empty()) {
            out << ".PP\n";
        } else {
            out << (line.front() == '.' || line.front() == '\'' ? "\\&" : "") << Escaped(line)
                << '\n';
        }
        text.remove_prefix(std::min(end + 1, text.size()));
    }
}

// "\fB--port\fR \fIPORT\fR": the typed part bold, the placeholders in italics.
std::string Marked(const CliParameter& parameter) {
    const std::string text = ParameterText(parameter);
    if (parameter.positional) {
        return "\\fI" + Escaped(text) + "\\fR";
    }
    const std::size_t blank = text.find(' ');
    std::string marked = "\\fB" + Escaped(text.substr(0, blank)) + "\\fR";
    if (blank != std::string::npos) {
        marked += " \\fI" + Escaped(text.substr(blank + 1)) + "\\fR";
    }
    return marked;
}

void WriteParameters(std::ostream& out, std::span<const CliParameter> parameters) {
    for (const CliParameter& parameter : parameters) {
        out << ".TP\n" << Marked(parameter) << '\n' << Escaped(parameter.help) << '\n';
    }
}

void WriteEntries(std::ostream& out, std::span<const Entry> entries) {
    for (const Entry& entry : entries) {
        out << ".TP\n" << Escaped(entry.term) << '\n';
        WriteProse(out, entry.text);
    }
}

void WriteExitStatuses(std::ostream& out, std::span<const ExitStatus> statuses) {
    out << ".SH EXIT STATUS\n";
    for (const ExitStatus& status : statuses) {
        out << ".TP\n" << status.code << '\n' << Escaped(status.meaning) << '\n';
    }
}

void WriteHeading(std::ostream& out, std::string_view title, std::string_view name,
                  std::string_view summary) {
    out << ".TH " << title << " 1 \"" << kOrvaneReleaseDate << "\" \"Orvane " << kOrvaneVersion
        << "\" \"User Commands\"\n.SH NAME\n"
        << name << " \\- " << Escaped(summary) << '\n';
}

// What both programs read from the desktop program's settings.
constexpr Entry kSettingsFile = {
    "~/.config/Zelk/Orvane.ini",
    "The settings, an INI file; under $XDG_CONFIG_HOME when that is set. A missing or\n"
    "damaged file is no error: the defaults apply."};

constexpr std::array kCliFiles = {
    kSettingsFile,
    Entry{"/dev/ttyUSB*, /dev/ttyACM*, /dev/ttyS*",
          "The serial devices that port numbers map to, in that order, unless the [Ports]\n"
          "group of the settings file names a device for COM<n>."},
};

constexpr std::array kCliExamples = {
    Entry{"orvane-cli check club.zcf spare.zcf", "Is each file a clone data file Orvane can open?"},
    Entry{"orvane-cli new --model HT-Lk2 -o blank.zcf", "The data of a new document, saved."},
    Entry{"orvane-cli info --port /dev/ttyUSB0", "Ask the connected radio for its identity."},
    Entry{"orvane-cli read --port /dev/ttyUSB0 -o radio.zcf", "Read the radio into a file."},
    Entry{"orvane-cli write club.zcf --port COM2 --yes",
          "Write a file into the radio on port 2 without asking."},
    Entry{"orvane-cli show club.zcf \"Bank 0\"", "One sheet, a line per row, cells tab-separated."},
};

constexpr std::array kDesktopFiles = {
    kSettingsFile,
    Entry{"$XDG_RUNTIME_DIR/Zelk_Orvane_APP_Exclusive_Mutex.lock",
          "The single-instance lock, beside the socket (the same name ending in .socket)\n"
          "through which a later start hands its file to the running copy. Without\n"
          "XDG_RUNTIME_DIR both are in $TMPDIR/runtime-USER (/tmp/runtime-USER), made with\n"
          "mode 0700. A directory, lock or socket of another user, or one others may write\n"
          "into, is refused; Orvane then starts without the single-instance check."},
};

constexpr std::array kDesktopExitStatuses = {
    ExitStatus{0, "success"},
    ExitStatus{1, "the file was not handed to the running copy, or an error ended Orvane"},
    ExitStatus{kFatalExitCode, "internal fault"},
};

constexpr std::array kDesktopEnvironment = {
    Entry{"XDG_CONFIG_HOME", "Where the settings file is, instead of ~/.config."},
    Entry{"XDG_RUNTIME_DIR", "The directory of the single-instance lock and socket."},
    Entry{"TMPDIR", "The base of the runtime directory when XDG_RUNTIME_DIR is not set."},
};

}  // namespace

void WriteCliManPage(std::ostream& out) {
    WriteHeading(out, "ORVANE-CLI", "orvane-cli",
                 "command-line tool for the HT-Lk1, HT-Lk2 and HT-Lk1S/Lk2S clone data");
    out << ".SH SYNOPSIS\n";
    for (const CliParameter& option : kGlobalOptions) {
        out << ".B orvane-cli\n" << Marked(option) << "\n.br\n";
    }
    for (const CliCommand& command : CommandTable()) {
        out << ".B orvane-cli " << command.name << '\n' << Escaped(Synopsis(command)) << "\n.br\n";
    }
    out << ".SH DESCRIPTION\n";
    WriteProse(out,
               "orvane-cli does without a display what the desktop program orvane does with one.\n"
               "Its commands run on the desktop program's own main controller and read its\n"
               "settings file without ever writing it. Messages go to stderr, data to stdout.");
    out << ".SH OPTIONS\n";
    WriteParameters(out, kGlobalOptions);
    out << ".SH COMMANDS\n";
    for (const CliCommand& command : CommandTable()) {
        out << ".SS\n"
            << command.name << ' ' << Escaped(Synopsis(command)) << '\n'
            << Escaped(command.summary) << ".\n";
        WriteParameters(out, command.parameters);
        if (!command.description.empty()) {
            out << ".PP\n";
            WriteProse(out, command.description);
        }
    }
    WriteExitStatuses(out, kExitStatuses);
    out << ".SH FILES\n";
    WriteEntries(out, kCliFiles);
    out << ".SH EXAMPLES\n";
    WriteEntries(out, kCliExamples);
    out << ".SH SEE ALSO\n.BR orvane (1)\n";
}

void WriteDesktopManPage(std::ostream& out) {
    WriteHeading(out, "ORVANE", "orvane", kProgramSummary);
    out << ".SH SYNOPSIS\n";
    for (const std::string_view line : kStartupSynopsis) {
        out << ".B orvane\n" << Escaped(line) << "\n.br\n";
    }
    out << ".SH DESCRIPTION\n";
    WriteProse(out,
               "Orvane reads a radio's memory over a serial cloning cable, edits its memory\n"
               "channels, WX channels and settings in sheets, keeps the data in clone data files\n"
               "(.zcf) and writes it back to the radio. It runs as a single instance: started\n"
               "again with a file, the new copy hands the file to the running one and ends.");
    out << ".SH OPTIONS\n";
    for (const StartupSwitch& entry : kStartupSwitches) {
        out << ".TP\n" << Escaped(entry.name) << '\n' << Escaped(entry.help) << '\n';
    }
    WriteExitStatuses(out, kDesktopExitStatuses);
    out << ".SH FILES\n";
    WriteEntries(out, kDesktopFiles);
    out << ".SH ENVIRONMENT\n";
    WriteEntries(out, kDesktopEnvironment);
    out << ".SH SEE ALSO\n.BR orvane\\-cli (1)\n";
}

}  // namespace orvane::cli
