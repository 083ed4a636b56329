// The channel exchange verbs as real processes: export, import, airports and diff on
// files that "new" makes, with their own settings directory.

#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

#include "image/scratch_directory.h"
#include "support/process_runner.h"

namespace orvane::testing {
namespace {

class CliExchangeTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_EQ(Run({"new", "--model", "HT-Lk1", "-o", File("new.zcf")}).exitCode, 0);
    }

    ProcessResult Run(const std::vector<std::string>& arguments) const {
        return RunProcess(
            ORVANE_CLI_PATH, arguments,
            {"HOME=" + directory_.Path().string(), "XDG_CONFIG_HOME=" + directory_.File("config")});
    }
    std::string File(const std::string& name) const { return directory_.File(name); }
    std::string Write(const std::string& name, const std::string& contents) const {
        WriteWholeFile(File(name), contents);
        return File(name);
    }

    ScratchDirectory directory_;
};

// The clone data file's text with the byte at `address` set to `value` (each line holds
// an address, a length and sixteen bytes in hex).
std::string WithByte(std::string text, int address, int value) {
    char head[8];
    std::snprintf(head, sizeof head, "\n%04X10", address & ~0xF);
    const std::size_t line = text.find(head);
    char hex[3];
    std::snprintf(hex, sizeof hex, "%02X", value);
    text.replace(line + 7 + static_cast<std::size_t>(address % 16) * 2, 2, hex);
    return text;
}

TEST_F(CliExchangeTest, ExportedChannelsImportIntoANewFileAsTheyWere) {
    const std::string source = Write("source.csv",
                                     "Name,Frequency,Duplex,Offset,Mode,Comment\r\n"
                                     "TWR,119.9,,,AM,Bank 2\r\n"
                                     "REPEATER,145.5,,,FM,Bank 2\r\n"
                                     "\"VOR, FFM\",114.2,split,118.1,,Bank 3\r\n");
    const ProcessResult imported = Run({"import", File("new.zcf"), source, "-o", File("a.zcf")});
    EXPECT_EQ(imported.exitCode, 0) << imported.err;
    EXPECT_EQ(imported.err,
              "2 channels imported, 1 row refused\nline 3: mode FM: the radio receives AM only\n");

    ASSERT_EQ(Run({"export", File("a.zcf"), "-o", File("a.csv")}).exitCode, 0);
    const std::string table = ReadWholeFile(File("a.csv"));
    EXPECT_NE(table.find("\r\n42,TWR,119.900000,,0.000000,"), std::string::npos) << table;
    EXPECT_NE(table.find("\r\n62,VOR  FFM,114.200000,split,118.100000,"), std::string::npos);

    const ProcessResult again =
        Run({"import", File("new.zcf"), File("a.csv"), "-o", File("b.zcf")});
    EXPECT_EQ(again.exitCode, 0) << again.err;
    const ProcessResult same = Run({"diff", File("a.zcf"), File("b.zcf")});
    EXPECT_EQ(same.exitCode, 0) << same.out << same.err;
    EXPECT_EQ(same.out, "");
}

TEST_F(CliExchangeTest, ARefusedImportWritesNothing) {
    const std::string kept = Write("kept.zcf", "unchanged");
    struct Case {
        std::vector<std::string> arguments;
        int exitCode;
    };
    const Case cases[] = {
        {{"import", File("new.zcf"), Write("nofreq.csv", "Name,Freq\nA,120.0\n")}, 1},
        {{"import", File("new.zcf"), Write("fm.csv", "Frequency,Mode\n145.5,FM\n")}, 1},
        {{"import", File("new.zcf"), File("missing.csv")}, 1},
        {{"import", File("new.zcf"), File("fm.csv"), "--bank", "12"}, 2},
        {{"airports", File("new.zcf"), "--from", File("fm.csv"), "--icao", "EDDF"}, 1},
        {{"airports", File("new.zcf"), "--from", File("fm.csv"), "--icao", " , "}, 2},
    };
    for (const Case& c : cases) {
        std::vector<std::string> arguments = c.arguments;
        arguments.insert(arguments.end(), {"-o", kept});
        const ProcessResult result = Run(arguments);
        EXPECT_EQ(result.exitCode, c.exitCode) << arguments[2] << result.err;
        EXPECT_FALSE(result.err.empty());
        EXPECT_EQ(ReadWholeFile(kept), "unchanged");
    }
}

TEST_F(CliExchangeTest, AirportsComeFromTheDownloadedTable) {
    const std::string table = Write(
        "airport-frequencies.csv",
        "\"id\",\"airport_ref\",\"airport_ident\",\"type\",\"description\",\"frequency_mhz\"\n"
        "1,10,\"EDDF\",\"TWR\",\"TOWER\",\"119.9\"\n"
        "2,10,\"EDDF\",\"VOLMET\",\"HF\",\"3.485\"\n"
        "3,11,\"EDFE\",\"TWR\",\"TOWER\",\"119.15\"\n"
        "4,11,\"EDFE\",\"INFO\",\"INFO\",\"119.150\"\n");
    const ProcessResult result = Run({"airports", File("new.zcf"), "--from", table, "--icao",
                                      "edfe,KXYZ,EDDF", "--bank", "4", "-o", File("route.zcf")});
    EXPECT_EQ(result.exitCode, 0) << result.err;
    EXPECT_EQ(result.err,
              "2 channels imported, 3 rows refused\n"
              "added: EDFE TWR 119.150\n"
              "added: EDDF TWR 119.900\n"
              "EDFE INFO 119.150: duplicate of EDFE TWR\n"
              "KXYZ: unknown ICAO code\n"
              "EDDF VOLMET 3.485: 3.475 MHz is outside the band the radio receives\n");
    const ProcessResult shown = Run({"show", File("route.zcf"), "Bank 4"});
    EXPECT_NE(shown.out.find("\t4- 2\t\t\t119.150\t<-\t\t\tEDFE TWR\t"), std::string::npos)
        << shown.out;
    EXPECT_NE(Run({"show", File("route.zcf")}).out.find("\n    4: EDFE"), std::string::npos);
}

TEST_F(CliExchangeTest, DiffNamesEachCellThatDiffers) {
    const std::string source = Write("source.csv", "Name,Frequency,Comment\nTWR,119.9,Bank 2\n");
    ASSERT_EQ(Run({"import", File("new.zcf"), source, "-o", File("a.zcf")}).exitCode, 0);
    // Channel 2-2 (position 42) renamed to ZWR and the clone comment begun with an A.
    const std::string a = ReadWholeFile(File("a.zcf"));
    const std::string b = Write("b.zcf", WithByte(WithByte(a, 42 * 16 + 6, 'Z'), 0xF80, 'A'));

    const ProcessResult result = Run({"diff", File("a.zcf"), b});
    EXPECT_EQ(result.exitCode, 1) << result.err;
    EXPECT_EQ(result.out,
              "2:\t2- 2\tName\tTWR\tZWR\n"
              "Clone Comment\tClone Comment\t\t\tA\n");
    EXPECT_EQ(Run({"diff", File("a.zcf"), File("missing.zcf")}).exitCode, 2);
}

}  // namespace
}  // namespace orvane::testing
