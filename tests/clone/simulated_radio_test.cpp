// The simulated radio on its own, fed literal bytes as they would cross the wire: its
// codec, what it answers, and every protocol violation it must notice. Nothing here uses
// the program's clone code, so a mistake there cannot be mirrored here.

#include "simulated_radio.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <fstream>

#include "clone_data_file.h"
#include "radio_codec.h"
#include "wire_frames.h"

namespace orvane::sim {
namespace {

using testing::Bytes;
using testing::Join;
using testing::Text;

std::vector<std::uint8_t> Fe(int count) { return std::vector<std::uint8_t>(count, 0xFE); }

// A frame from the program after `wakeUp` extra FE.
std::vector<std::uint8_t> ToRadio(int wakeUp, std::uint8_t command,
                                  const std::vector<std::uint8_t>& payload) {
    return Join({Fe(wakeUp + 2), Bytes({0xEE, 0xEF, command}), payload, Bytes({0xFD})});
}

std::vector<std::uint8_t> Request(std::uint8_t command, int wakeUp = 24) {
    return ToRadio(wakeUp, command, Bytes({0x30, 0x74, 0x00, 0x00}));
}

std::vector<std::uint8_t> Data(const std::string& text, int wakeUp = 0) {
    return ToRadio(wakeUp, 0xE4, Text(text));
}

std::vector<std::uint8_t> End(const std::string& text) { return ToRadio(0, 0xE5, Text(text)); }

const std::vector<std::uint8_t> kAck = Bytes({0xFE, 0xFE, 0xEF, 0xEE, 0xE6, 0x00, 0xFD});
const std::vector<std::uint8_t> kNak = Bytes({0xFE, 0xFE, 0xEF, 0xEE, 0xE6, 0x01, 0xFD});

SimulatedRadio::Memory Pattern() {
    SimulatedRadio::Memory memory(kMemorySize);
    for (std::size_t a = 0; a < memory.size(); ++a) {
        memory[a] = static_cast<std::uint8_t>(a * 7 + 1);
    }
    return memory;
}

class SimulatedRadioTest : public ::testing::Test {
protected:
    SimulatedRadioTest() : radio(RadioSetup{}, Pattern()) {}

    // What the radio answers to `bytes`.
    std::vector<std::uint8_t> Send(const std::vector<std::uint8_t>& bytes) {
        std::vector<std::uint8_t> answer;
        for (std::uint8_t byte : bytes) {
            radio.Receive(byte, answer);
        }
        return answer;
    }

    // The one violation seen so far, or "" when there is none (or more than one).
    std::string OnlyViolation() const {
        return radio.Violations().size() == 1 ? radio.Violations()[0] : std::string();
    }

    SimulatedRadio radio;
};

TEST(RadioCodecTest, TheProtocolsExampleDataFrame) {
    std::string fault;
    auto block = ReadDataPayload(Text("0010021234A8"), fault);
    ASSERT_TRUE(block.has_value()) << fault;
    EXPECT_EQ(block->address, 0x0010);
    EXPECT_EQ(block->data, Bytes({0x12, 0x34}));

    const std::uint8_t data[] = {0x12, 0x34};
    EXPECT_EQ(RadioDataFrame(0x0010, data),
              Join({Bytes({0xFE, 0xFE, 0xEF, 0xEE, 0xE4}), Text("0010021234A8"), Bytes({0xFD})}));
    EXPECT_EQ(EndFrameText(6), "Zelk Inc.06");
    EXPECT_EQ(EndFrameText(249), "Zelk Inc.F9");
    EXPECT_EQ(EndFrameText(256 + 10), "Zelk Inc.0A");
}

TEST(RadioCodecTest, PayloadsTheRadioRefuses) {
    struct Case {
        const char* text;
        const char* fault;
    };
    for (Case c :
         {Case{"0010021234a8", "lower-case hex digit 'a'"}, Case{"0010021234A", "odd number"},
          Case{"0010021234G8", "'G'"}, Case{"0010021234A9", "checksum A9 where the bytes need A8"},
          Case{"0010031234A7", "count byte says 3"}, Case{"001000", "3 bytes"}}) {
        std::string fault;
        EXPECT_FALSE(ReadDataPayload(Text(c.text), fault).has_value()) << c.text;
        EXPECT_NE(fault.find(c.fault), std::string::npos) << c.text << ": " << fault;
    }
}

TEST(RadioCodecTest, ReceiverCountsTheWakeUpAndNamesBrokenFraming) {
    FrameReceiver receiver;
    std::vector<std::string> faults;
    std::vector<ReceivedFrame> frames;
    auto feed = [&](const std::vector<std::uint8_t>& bytes) {
        for (std::uint8_t byte : bytes) {
            std::string fault;
            if (auto frame = receiver.Feed(byte, fault)) frames.push_back(*frame);
            if (!fault.empty()) faults.push_back(fault);
        }
    };
    feed(Request(0xE0, 24));
    ASSERT_EQ(frames.size(), 1u);
    EXPECT_EQ(frames[0].wakeUp, 24);
    EXPECT_EQ(frames[0].command, 0xE0);
    EXPECT_EQ(frames[0].payload, Bytes({0x30, 0x74, 0x00, 0x00}));
    EXPECT_TRUE(faults.empty());

    feed(Bytes({0x41, 0x42, 0xFD}));                    // bytes outside any frame
    feed(Bytes({0xFE, 0xEE, 0xEF, 0xE0, 0xFD}));        // a single FE
    feed(Bytes({0xFE, 0xFE, 0xEE, 0xEF, 0xE4, 0x30}));  // broken off by the next frame
    feed(Bytes({0xFE, 0xFE, 0xEE, 0xFD}));              // too short
    ASSERT_EQ(faults.size(), 4u);
    EXPECT_NE(faults[0].find("byte 41 outside any frame"), std::string::npos);
    EXPECT_NE(faults[1].find("single FE"), std::string::npos);
    EXPECT_NE(faults[2].find("broken off by FE after 4 bytes"), std::string::npos);
    EXPECT_NE(faults[3].find("too short"), std::string::npos);
    EXPECT_EQ(frames.size(), 1u);
}

TEST_F(SimulatedRadioTest, InformationReplyCarriesTheIdentityLayout) {
    RadioSetup setup;
    setup.comment = "TOWER";
    setup.flagsA = 0x0D;
    setup.flagsB = 0x02;
    setup.flagsC = 0x03;
    setup.firmware = "3.01";
    setup.version = "0.99";
    SimulatedRadio tower(setup, Pattern());
    std::vector<std::uint8_t> answer;
    for (std::uint8_t byte : Request(0xE0)) {
        tower.Receive(byte, answer);
    }
    EXPECT_EQ(answer, Join({Bytes({0xFE, 0xFE, 0xEF, 0xEE, 0xE1, 0x30, 0x74, 0x00, 0x04}),
                            Text("TOWER           "), Bytes({0x0D, 0x02, 0x03}), Text("3.010.99"),
                            Bytes({0xFD})}));
    EXPECT_TRUE(tower.Violations().empty());
}

TEST_F(SimulatedRadioTest, AWriteChangesOnlyWhatItSendsAndALaterReadReturnsIt) {
    EXPECT_EQ(Send(Request(0xE3)), Bytes({}));
    EXPECT_EQ(Send(Data("0010021234A8")), Bytes({}));
    EXPECT_EQ(Send(End("Zelk Inc.01")), kAck);
    EXPECT_TRUE(radio.Violations().empty());

    SimulatedRadio::Memory expected = Pattern();
    expected[0x10] = 0x12;
    expected[0x11] = 0x34;
    EXPECT_EQ(radio.Contents(), expected);

    // The read serves the clone area in 125 frames of 32 bytes, counted 7D.
    std::vector<std::uint8_t> served = Send(Request(0xE2));
    std::string first(served.begin() + 5, served.begin() + 5 + 6 + 64 + 2);
    EXPECT_EQ(first.substr(0, 6), "000020");
    EXPECT_EQ(first.substr(6 + 2 * 0x10, 4), "1234");
    const std::vector<std::uint8_t> end =
        Join({Bytes({0xFE, 0xFE, 0xEF, 0xEE, 0xE5}), Text("Zelk Inc.7D"), Bytes({0xFD})});
    ASSERT_GT(served.size(), end.size());
    EXPECT_TRUE(std::equal(end.rbegin(), end.rend(), served.rbegin()));
    EXPECT_EQ(std::count(served.begin(), served.end(), 0xFD), 126);
    EXPECT_TRUE(radio.Violations().empty());
}

TEST_F(SimulatedRadioTest, RequestsItFindsFaultWithGoUnanswered) {
    struct Case {
        const char* name;
        std::vector<std::uint8_t> bytes;
        const char* violation;
    };
    const Case cases[] = {
        {"no wake-up", Request(0xE0, 0), "information request E0: 0 FE before its FE FE"},
        {"short wake-up", Request(0xE2, 23), "read request E2: 23 FE"},
        {"model version", ToRadio(24, 0xE0, Bytes({0x30, 0x74, 0x00, 0x04})),
         "model version 0004; requests carry 0000"},
        {"model code", ToRadio(24, 0xE3, Bytes({0x30, 0x75, 0x00, 0x00})),
         "model code 3075; the family code is 3074"},
        {"payload length", ToRadio(24, 0xE0, Bytes({0x30, 0x74, 0x00})), "a payload of 3 bytes"},
        {"addresses swapped",
         Join({Fe(26), Bytes({0xEF, 0xEE, 0xE0, 0x30, 0x74, 0x00, 0x00, 0xFD})}),
         "addressed EE from EF"},
        {"unknown command", Request(0xE1), "command E1 is not one the program sends"},
        // Reported once for a run of them: they follow from one refused request.
        {"data outside a write", Join({Data("0010021234A8"), Data("0010021234A8")}),
         "no write request came before it"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        SimulatedRadio fresh(RadioSetup{}, Pattern());
        std::vector<std::uint8_t> answer;
        for (std::uint8_t byte : c.bytes) {
            fresh.Receive(byte, answer);
        }
        EXPECT_TRUE(answer.empty());
        ASSERT_EQ(fresh.Violations().size(), 1u);
        EXPECT_NE(fresh.Violations()[0].find(c.violation), std::string::npos)
            << fresh.Violations()[0];
    }
}

TEST_F(SimulatedRadioTest, AWriteThatBreaksARuleIsRefusedAndKeepsNothing) {
    std::string blockOf33 = "000021";
    unsigned sum = 0x21;
    for (int i = 0; i < 33; ++i) {
        blockOf33 += "01";
        sum += 1;
    }
    char checksum[3];
    std::snprintf(checksum, sizeof checksum, "%02X", (256 - sum % 256) % 256);
    blockOf33 += checksum;
    struct Case {
        const char* name;
        std::vector<std::uint8_t> data;
        std::string end;
        const char* violation;
    };
    const Case cases[] = {
        {"lower-case", Data("0010021234a8"), "Zelk Inc.01", "lower-case hex digit 'a'"},
        {"checksum", Data("0010021234A9"), "Zelk Inc.01", "checksum A9"},
        {"more than 32", Data(blockOf33), "Zelk Inc.01", "33 data bytes; at most 32"},
        // Two bytes at 0x1F straddle 0x20.
        {"across 32", Data("001F02123499"), "Zelk Inc.01", "cross a multiple of 32"},
        {"past the memory", Data("11C0021234E7"), "Zelk Inc.01", "run past the radio's memory"},
        {"maker text", Data("0010021234A8"), "ZELK Inc.01", "begins with the maker text"},
        {"count missing", Data("0010021234A8"), "Zelk Inc.", "counts ''"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        SimulatedRadio fresh(RadioSetup{}, Pattern());
        std::vector<std::uint8_t> answer;
        for (std::uint8_t byte : Join({Request(0xE3), c.data, End(c.end)})) {
            fresh.Receive(byte, answer);
        }
        EXPECT_EQ(answer, kNak);
        EXPECT_EQ(fresh.Contents(), Pattern());
        ASSERT_EQ(fresh.Violations().size(), 1u);
        EXPECT_NE(fresh.Violations()[0].find(c.violation), std::string::npos)
            << fresh.Violations()[0];
    }
}

TEST_F(SimulatedRadioTest, EndFrameCountIsHexAndADecimalCountIsNamed) {
    std::vector<std::uint8_t> frames = Request(0xE3);
    for (int i = 0; i < 10; ++i) {
        char text[16];
        std::snprintf(text, sizeof text, "%04X01AA%02X", i * 32,
                      (256 - (((i * 32) >> 8) + ((i * 32) & 0xFF) + 1 + 0xAA) % 256) % 256);
        frames = Join({frames, Data(text)});
    }
    EXPECT_EQ(Send(Join({frames, End("Zelk Inc.10")})), kNak);
    EXPECT_NE(OnlyViolation().find("counts '10' after 10 data frames; the count is '0A'"),
              std::string::npos)
        << OnlyViolation();
    EXPECT_NE(OnlyViolation().find("in decimal"), std::string::npos);

    SimulatedRadio fresh(RadioSetup{}, Pattern());
    std::vector<std::uint8_t> answer;
    for (std::uint8_t byte : Join({frames, End("Zelk Inc.0A")})) {
        fresh.Receive(byte, answer);
    }
    EXPECT_EQ(answer, kAck);
    EXPECT_TRUE(fresh.Violations().empty());
}

TEST_F(SimulatedRadioTest, HighSpeedNeedsItsLongerWakeUp) {
    const std::vector<std::uint8_t> speedChange = Join(
        {Fe(20), Bytes({0xEE, 0xEF, 0xE8, 0x30, 0x74, 0x00, 0x00, 0x00, 0x00, 0x02, 0x01, 0xFD})});
    EXPECT_TRUE(Send(speedChange).empty());
    EXPECT_EQ(radio.Baud(), kHighBaud);
    EXPECT_TRUE(Send(Request(0xE3, 24)).empty());
    EXPECT_NE(OnlyViolation().find("24 FE before its FE FE at 38400 baud; the radio wakes on 96"),
              std::string::npos)
        << OnlyViolation();

    SimulatedRadio fresh(RadioSetup{}, Pattern());
    std::vector<std::uint8_t> answer;
    for (std::uint8_t byte :
         Join({speedChange, Request(0xE3, 96), Data("0010021234A8", 0), End("Zelk Inc.01")})) {
        fresh.Receive(byte, answer);
    }
    EXPECT_EQ(answer, kNak);
    ASSERT_EQ(fresh.Violations().size(), 1u);
    EXPECT_NE(fresh.Violations()[0].find("0 FE before its FE FE at 38400 baud; the radio needs 48"),
              std::string::npos);
    EXPECT_EQ(fresh.Baud(), kNormalBaud);
}

TEST(RadioCloneDataFileTest, WritesTheFormatAndReadsItBack) {
    namespace fs = std::filesystem;
    const fs::path path =
        fs::temp_directory_path() / ("orvane-sim-file-" + std::to_string(getpid()) + ".zcf");
    SimulatedRadio::Memory memory = Pattern();
    const char comment[] = "CLUB 7          ";
    std::copy(comment, comment + 16, memory.begin() + kCommentAddress);
    ASSERT_EQ(WriteCloneDataFile(path.string(), 4, memory), "");
    std::ifstream in(path);
    std::vector<std::string> lines;
    for (std::string line; std::getline(in, line);) {
        lines.push_back(line);
    }
    ASSERT_EQ(lines.size(), 252u);
    EXPECT_EQ(lines[0], "30740004");
    EXPECT_EQ(lines[1], "#CLUB 7");
    EXPECT_EQ(lines[2], "000010" + HexText(std::span(memory).first(16)));
    EXPECT_EQ(lines[251].substr(0, 6), "0F9010");

    SimulatedRadio::Memory read(kMemorySize, 0xEE);
    ASSERT_EQ(ReadCloneDataFile(path.string(), read), "");
    EXPECT_TRUE(std::equal(read.begin(), read.begin() + kCloneAreaSize, memory.begin()));
    EXPECT_EQ(read[kCloneAreaSize], 0xEE);

    // Files it refuses leave the memory alone.
    auto refuse = [&](const std::string& text, const std::string& reason) {
        std::ofstream(path, std::ios::trunc) << text;
        SimulatedRadio::Memory untouched(kMemorySize, 0xEE);
        EXPECT_NE(ReadCloneDataFile(path.string(), untouched).find(reason), std::string::npos)
            << text.substr(0, 20);
        EXPECT_EQ(untouched, SimulatedRadio::Memory(kMemorySize, 0xEE));
    };
    std::string whole;
    for (const std::string& line : lines) {
        whole += line + "\n";
    }
    refuse("30740002\n#\n", "model version is 2");
    refuse("3074000A\n#\n", "not eight digits");
    refuse(whole.substr(0, whole.size() - 39), "does not hold address 0F90");
    refuse(whole.substr(0, whole.size() - 1), "does not end with a line feed");
    refuse(whole + "0FA00100\n", "run past the clone area");
    fs::remove(path);
}

}  // namespace
}  // namespace orvane::sim
