// orvane-man-pages DIRECTORY: writes orvane-cli.1 and orvane.1 into DIRECTORY, at build
// time, from the tables the programs' help comes from.

#include <fstream>
#include <iostream>

#include "cli/man_page.h"

int main(int argc, char* argv[]) {
    if (argc != 2) {
        std::cerr << "Usage: orvane-man-pages DIRECTORY\n";
        return 2;
    }
    const std::string directory = argv[1];
    std::ofstream cli(directory + "/orvane-cli.1");
    orvane::cli::WriteCliManPage(cli);
    std::ofstream desktop(directory + "/orvane.1");
    orvane::cli::WriteDesktopManPage(desktop);
    cli.close();
    desktop.close();
    if (!cli || !desktop) {
        std::cerr << "orvane-man-pages: cannot write the pages into " << directory << '\n';
        return 1;
    }
    return 0;
}
