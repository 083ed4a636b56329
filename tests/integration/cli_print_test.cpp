// "orvane-cli print" as a real process writing real PDF files, read back with the
// poppler tools: the pages of one bank and of every sheet, the font size and paper
// options, and the failures that must leave the output file as it was.

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "clone_data_file.h"
#include "image/default_images.h"
#include "image/eeprom_image.h"
#include "image/image_layout.h"
#include "image/scratch_directory.h"
#include "radio/bank_table.h"
#include "radio/channel_store.h"
#include "support/process_runner.h"

namespace orvane::testing {
namespace {

constexpr int kLongBank = 110;

class CliPrintTest : public ::testing::Test {
protected:
    CliPrintTest() {
        // Bank 0 holds 110 channels, the first TOWER and the last LAST; the other banks
        // ten each.
        EepromImage image;
        image.Resize(kImageCapacity);
        PrepareDefaultImage(image, 3);
        BankTable banks(image);
        banks.SetBankCapacity(0, kLongBank);
        for (int bank = 1; bank < 10; ++bank) {
            banks.SetBankCapacity(bank, 10);
        }
        ChannelStore channels(image, 3);
        Put(channels, 0, "TOWER");
        Put(channels, kLongBank - 1, "LAST");
        Put(channels, kLongBank, "BANKONE");
        const std::vector<std::uint8_t> memory(image.Bytes().begin(), image.Bytes().end());
        EXPECT_EQ(sim::WriteCloneDataFile(file_, 4, memory), "");
    }

    static void Put(ChannelStore& channels, int position, const std::string& name) {
        MemoryChannel channel = channels.Load(MemoryChannel::kMemory, position);
        channel.used = true;
        channel.rxHz = 121'500'000;
        channel.txHz = 121'500'000;
        channel.wx = MemoryChannel::kWxOff;
        channel.name = name + std::string(8 - name.size(), ' ');
        channel.dotMask = 0;
        channels.Store(channel);
    }

    ProcessResult Print(std::vector<std::string> arguments) const {
        arguments.insert(arguments.begin(), "print");
        // No display: the tool has to find its way to the offscreen platform itself.
        return RunProcess(
            ORVANE_CLI_PATH, arguments,
            {"HOME=" + directory_.Path().string(), "XDG_CONFIG_HOME=" + directory_.File("config"),
             "DISPLAY=", "WAYLAND_DISPLAY=", "QT_QPA_PLATFORM="});
    }

    static int PageCount(const std::string& pdf) {
        const ProcessResult info = RunProcess("/usr/bin/pdfinfo", {pdf});
        const std::size_t at = info.out.find("Pages:");
        return at == std::string::npos ? -1 : std::stoi(info.out.substr(at + 6));
    }
    static std::string PageSize(const std::string& pdf) {
        const ProcessResult info = RunProcess("/usr/bin/pdfinfo", {pdf});
        const std::size_t at = info.out.find("Page size:");
        return at == std::string::npos ? "" : info.out.substr(at, info.out.find('\n', at) - at);
    }
    static std::string PageText(const std::string& pdf, int page) {
        const std::string n = std::to_string(page);
        return RunProcess("/usr/bin/pdftotext", {"-f", n, "-l", n, "-layout", pdf, "-"}).out;
    }
    static bool Has(const std::string& text, const std::string& part) {
        return text.find(part) != std::string::npos;
    }

    ScratchDirectory directory_;
    std::string file_ = directory_.File("club.zcf");
    std::string pdf_ = directory_.File("out.pdf");
};

TEST_F(CliPrintTest, ALongBankRunsOverPagesThatEachCarryTheFrameAndTheHeadings) {
    const ProcessResult result = Print({file_, "--sheet", "bank 0", "-o", pdf_, "--paper", "a4"});
    ASSERT_EQ(result.exitCode, 0) << result.err;
    const int pages = PageCount(pdf_);
    ASSERT_GE(pages, 2);
    EXPECT_TRUE(Has(PageSize(pdf_), "(A4)")) << PageSize(pdf_);
    for (int page = 1; page <= pages; ++page) {
        const std::string text = PageText(pdf_, page);
        EXPECT_TRUE(Has(text, "Orvane Revision 1.0")) << page;
        EXPECT_TRUE(Has(text, "Orvane Project")) << page;
        EXPECT_TRUE(Has(text, "(Remain")) << "the bank's title on page " << page;
        EXPECT_TRUE(Has(text, "RX")) << "the headings on page " << page;
        EXPECT_EQ(Has(text, "TOWER"), page == 1) << page;
        EXPECT_EQ(Has(text, "LAST"), page == pages) << page;
        EXPECT_FALSE(Has(text, "BANKONE")) << page;
    }
}

TEST_F(CliPrintTest, TheFontSizeChangesHowManyRowsAPageHolds) {
    ASSERT_EQ(Print({file_, "--sheet", "Bank 0", "-o", pdf_, "--font-size", "8"}).exitCode, 0);
    const int small = PageCount(pdf_);
    const ProcessResult large =
        Print({file_, "--sheet", "Bank 0", "-o", pdf_, "--font-size", "12", "--paper", "letter"});
    ASSERT_EQ(large.exitCode, 0) << large.err;
    EXPECT_GT(PageCount(pdf_), small);
    EXPECT_TRUE(Has(PageSize(pdf_), "612 x 792 pts")) << PageSize(pdf_);
}

TEST_F(CliPrintTest, AllSheetsComeInTreeOrderEachOnItsOwnPages) {
    const ProcessResult result = Print({file_, "--all", "-o", pdf_});
    ASSERT_EQ(result.exitCode, 0) << result.err;
    const int pages = PageCount(pdf_);
    std::vector<std::string> firstLines;
    for (int page = 1; page <= pages; ++page) {
        const std::string text = PageText(pdf_, page);
        firstLines.push_back(text.substr(0, text.find('\n')));
    }
    ASSERT_GE(pages, 14);
    EXPECT_TRUE(Has(firstLines.front(), "Bank Operation"));
    EXPECT_TRUE(Has(PageText(pdf_, 2), "TOWER"));
    int bankOnePage = 0;
    for (int page = 1; page <= pages && bankOnePage == 0; ++page) {
        bankOnePage = Has(PageText(pdf_, page), "BANKONE") ? page : 0;
    }
    EXPECT_TRUE(Has(firstLines[static_cast<std::size_t>(bankOnePage - 1)], "1:"));
    EXPECT_TRUE(Has(firstLines[static_cast<std::size_t>(pages - 3)], "WX"));
    EXPECT_TRUE(Has(firstLines[static_cast<std::size_t>(pages - 1)], "Clone Comment"));
    // Bank Operation, bank 0 over several pages, nine more banks, WX, the common
    // settings and the clone comment.
    EXPECT_EQ(pages, 1 + (bankOnePage - 2) + 9 + 3);
}

TEST_F(CliPrintTest, FailuresSayWhyAndLeaveTheOutputAsItWas) {
    struct Case {
        const char* name;
        std::vector<std::string> arguments;
        int exitCode;
        std::string message;
    };
    const std::string missing = directory_.File("missing.zcf");
    const std::string noDirectory = directory_.File("none/out.pdf");
    const std::vector<Case> cases = {
        {"unknown sheet", {file_, "--sheet", "Bank 12", "-o", pdf_}, 1, "no sheet 'Bank 12'"},
        {"sheet never printed", {file_, "--sheet", "HT-Lk1", "-o", pdf_}, 1, "is not printed"},
        {"file that does not open", {missing, "--all", "-o", pdf_}, 1, "missing.zcf did not open"},
        {"unwritable output", {file_, "--all", "-o", noDirectory}, 1, "cannot write"},
        {"no output", {file_, "--all"}, 2, "(-o OUT.pdf)"},
        {"sheet and all", {file_, "--all", "--sheet", "WX CH", "-o", pdf_}, 2, "either"},
        {"font too large", {file_, "--all", "-o", pdf_, "--font-size", "13"}, 2, "8 to 12"},
        {"unknown paper", {file_, "--all", "-o", pdf_, "--paper", "a3"}, 2, "unknown paper"},
    };
    for (const Case& c : cases) {
        WriteWholeFile(pdf_, "earlier");
        const ProcessResult result = Print(c.arguments);
        EXPECT_EQ(result.exitCode, c.exitCode) << c.name << ": " << result.err;
        EXPECT_TRUE(Has(result.err, c.message)) << c.name << ": " << result.err;
        EXPECT_EQ(ReadWholeFile(pdf_), "earlier") << c.name;
    }
    EXPECT_FALSE(std::filesystem::exists(noDirectory));
    for (const auto& entry : std::filesystem::directory_iterator(directory_.Path())) {
        EXPECT_EQ(entry.path().extension() != ".pdf" || entry.path() == pdf_, true)
            << "left behind: " << entry.path();
    }
}

}  // namespace
}  // namespace orvane::testing
