// The clone engine under virtual time against the fake device: the bytes it sends, the
// frames it accepts, every error it raises, and its drain and timeout rules.

#include "clone/clone_engine.h"

#include <gtest/gtest.h>

#include <optional>

#include "clone/clone_frames.h"
#include "clone/clone_script.h"
#include "image/default_images.h"
#include "image/image_layout.h"
#include "image/range_tables.h"
#include "transport_fixture.h"
#include "wire_frames.h"

namespace orvane {
namespace {

using sim::DefaultFlagsA;
using sim::RadioSetup;
using sim::SimulatedRadio;
using testing::Bytes;
using testing::Join;
using testing::SplitFrames;
using testing::Text;

EepromImage DefaultImage(int modelType) {
    EepromImage image;
    image.Resize(kImageCapacity);
    PrepareDefaultImage(image, modelType);
    return image;
}

// A frame from the radio, as it travels.
std::vector<std::uint8_t> FromRadio(std::uint8_t command,
                                    const std::vector<std::uint8_t>& payload) {
    return Join({Bytes({0xFE, 0xFE, 0xEF, 0xEE, command}), payload, Bytes({0xFD})});
}

// The test's own hexadecimal text, so that the program's codec is not checked against
// itself.
std::string Hex(const std::vector<std::uint8_t>& bytes) {
    std::string text;
    for (std::uint8_t byte : bytes) {
        char digits[3];
        std::snprintf(digits, sizeof digits, "%02X", static_cast<unsigned>(byte));
        text += digits;
    }
    return text;
}

std::vector<std::uint8_t> DataFrame(std::uint16_t address, const std::vector<std::uint8_t>& data) {
    std::vector<std::uint8_t> block{static_cast<std::uint8_t>(address >> 8),
                                    static_cast<std::uint8_t>(address),
                                    static_cast<std::uint8_t>(data.size())};
    block.insert(block.end(), data.begin(), data.end());
    unsigned sum = 0;
    for (std::uint8_t byte : block) {
        sum += byte;
    }
    block.push_back(static_cast<std::uint8_t>((256 - sum % 256) % 256));
    return FromRadio(0xE4, Text(Hex(block)));
}

// Upper-case hexadecimal text back to bytes; nothing for anything else.
std::optional<std::vector<std::uint8_t>> Unhex(std::span<const std::uint8_t> text) {
    static const std::string kDigits = "0123456789ABCDEF";
    if (text.size() % 2 != 0) {
        return std::nullopt;
    }
    std::vector<std::uint8_t> bytes;
    for (std::size_t i = 0; i < text.size(); i += 2) {
        auto high = kDigits.find(static_cast<char>(text[i]));
        auto low = kDigits.find(static_cast<char>(text[i + 1]));
        if (high == std::string::npos || low == std::string::npos) {
            return std::nullopt;
        }
        bytes.push_back(static_cast<std::uint8_t>(high << 4 | low));
    }
    return bytes;
}

std::vector<std::uint8_t> EndFrame(const std::string& text) { return FromRadio(0xE5, Text(text)); }

class CloneEngineTest : public ::testing::Test, public testing::TransportFixture {
protected:
    CloneEngineTest() : engine(Environment()) {
        engine.Config().modelCode = 0x3074;
        engine.Config().imageSize = kImageCapacity;
        engine.Config().echoCheck = true;
        engine.Config().dataSize = 32;
        // The wake-up a radio needs at 9600 baud, as the manager sets it.
        engine.Config().requestPreamble = 24;
    }

    CloneEngine::Completion Capture() {
        return [this](CloneResult& result) {
            finished = result;
            ++completions;
        };
    }

    // Runs until the operation ends; the limit only keeps a broken engine from hanging.
    void RunToEnd(std::uint32_t limitMs = 120000) {
        for (std::uint32_t spent = 0; !engine.IsIdle() && spent < limitMs; spent += 10) {
            time.Advance(10);
        }
        ASSERT_TRUE(engine.IsIdle());
        ASSERT_EQ(completions, 1);
    }

    int Error() const { return finished ? finished->error : -1; }

    // Answers the first block written that holds `command` with `reply`.
    void AnswerOnce(std::uint8_t command, std::vector<std::uint8_t> reply) {
        device.onWrite = [this, command, reply,
                          done = false](std::span<const std::uint8_t> bytes) mutable {
            if (!done && std::find(bytes.begin(), bytes.end(), command) != bytes.end()) {
                done = true;
                device.Feed(reply);
            }
        };
    }

    CloneEngine engine;
    std::optional<CloneResult> finished;
    int completions = 0;
};

TEST_F(CloneEngineTest, RequestFramesCarryPreambleModelCodeAndVersion) {
    struct Case {
        CloneOperation operation;
        int preamble;
        std::uint8_t command;
    };
    for (Case c :
         {Case{CloneOperation::Information, 0, 0xE0}, Case{CloneOperation::Read, 24, 0xE2},
          Case{CloneOperation::Write, 96, 0xE3}, Case{CloneOperation::Information, 24, 0xE0}}) {
        SCOPED_TRACE(c.preamble);
        device.written.clear();
        completions = 0;
        engine.Config().requestPreamble = c.preamble;
        engine.Config().modelVersion = 4;
        EepromImage image = DefaultImage(3);
        if (c.operation == CloneOperation::Information) {
            ASSERT_TRUE(engine.StartInformation(Capture()));
        } else if (c.operation == CloneOperation::Read) {
            ASSERT_TRUE(engine.StartRead(ReadRanges(), Capture()));
        } else {
            ASSERT_TRUE(engine.StartWrite(image, WriteRanges(), Capture()));
        }
        RunToEnd();
        std::vector<std::uint8_t> expected(static_cast<std::size_t>(c.preamble), 0xFE);
        expected = Join(
            {expected, Bytes({0xFE, 0xFE, 0xEE, 0xEF, c.command, 0x30, 0x74, 0x00, 0x04, 0xFD})});
        if (c.operation == CloneOperation::Write) {
            ASSERT_GE(device.written.size(), expected.size());
            device.written.resize(expected.size());
        }
        EXPECT_EQ(device.written, expected);
    }
}

TEST_F(CloneEngineTest, InformationReplyGivesCodeVersionAndIdentity) {
    RadioSetup setup;
    setup.flagsA = DefaultFlagsA(3);
    SimulatedRadio& radio = AttachRadio(setup, DefaultImage(3));
    ASSERT_TRUE(engine.StartInformation(Capture()));
    RunToEnd();
    EXPECT_EQ(Error(), 0);
    EXPECT_EQ(finished->operation, CloneOperation::Information);
    EXPECT_EQ(finished->modelCode, 0x3074);
    EXPECT_EQ(finished->modelVersion, 4);
    EXPECT_EQ(finished->identity, radio.Identity());
    // The request after its 24 FE, its echo and the 37-byte reply.
    EXPECT_EQ(engine.RawBytes(), 34 + 34 + 37);
    ASSERT_EQ(device.lines.size(), 1u);
    EXPECT_EQ(device.lines[0].baud, 9600u);
    EXPECT_EQ(device.openedPaths, std::vector<std::string>{"/dev/fake0"});
    EXPECT_FALSE(device.IsOpen());
    // Every open settles for 100 ms before the input is thrown away.
    EXPECT_EQ(clock.waits, std::vector<std::uint32_t>{100});
}

TEST_F(CloneEngineTest, SpeedChangeScriptRunsAtNormalSpeedThenTheLinkOpensFast) {
    AttachRadio(RadioSetup{}, DefaultImage(3));
    engine.Config().script = SpeedChangeScript(0x3074);
    engine.Config().linkSettings = "38400,N,8,1";
    engine.Config().requestPreamble = 96;
    engine.Config().scriptDelayMs = 200;
    ASSERT_TRUE(engine.StartInformation(Capture()));
    RunToEnd();
    EXPECT_EQ(Error(), 0);
    ASSERT_EQ(device.lines.size(), 2u);
    EXPECT_EQ(device.lines[0].baud, 9600u);
    EXPECT_EQ(device.lines[1].baud, 38400u);
    std::vector<std::uint8_t> script =
        Join({std::vector<std::uint8_t>(20, 0xFE),
              Bytes({0xEE, 0xEF, 0xE8, 0x30, 0x74, 0x00, 0x00, 0x00, 0x00, 0x02, 0x01, 0xFD})});
    ASSERT_GT(device.written.size(), script.size());
    EXPECT_TRUE(std::equal(script.begin(), script.end(), device.written.begin()));
    EXPECT_TRUE(engine.Config().script.empty());
    EXPECT_EQ(engine.Config().scriptDelayMs, 0u);
}

TEST_F(CloneEngineTest, ScriptDelayHoldsTheLinkBack) {
    // The link opens no earlier than the delay after the script ended.
    engine.Config().script = "(9600,N,8,1)00";
    engine.Config().scriptDelayMs = 300;
    std::uint32_t scriptSentAt = 0;
    std::uint32_t linkOpenedAt = 0;
    device.onWrite = [&](std::span<const std::uint8_t> bytes) {
        if (bytes.size() == 1) scriptSentAt = time.TickCount();
        if (bytes.size() > 1 && linkOpenedAt == 0) linkOpenedAt = time.TickCount();
    };
    ASSERT_TRUE(engine.StartInformation(Capture()));
    RunToEnd();
    EXPECT_GE(linkOpenedAt - scriptSentAt, 300u);
    EXPECT_LT(linkOpenedAt - scriptSentAt, 360u);
}

TEST_F(CloneEngineTest, AdjustModeScriptCarriesTheVersionAndAccessText) {
    std::string script = AdjustModeScript(0x3074, 4);
    ScriptGroup settings = TakeScriptGroup(script);
    EXPECT_EQ(settings.settings, "9600,N,8,1");
    ScriptGroup bytes = TakeScriptGroup(script);
    EXPECT_TRUE(script.empty());
    std::vector<std::uint8_t> access = AdjustModeAccessText();
    ASSERT_EQ(access.size(), 14u);
    for (std::uint8_t c : access) {
        EXPECT_TRUE(c >= 0x20 && c <= 0x7E);
    }
    EXPECT_EQ(bytes.bytes,
              Join({std::vector<std::uint8_t>(20, 0xFE),
                    Bytes({0xEE, 0xEF, 0xE8, 0x30, 0x74, 0x00, 0x04, 0x00, 0x00, 0x00}), access,
                    Bytes({0xFD})}));
}

TEST_F(CloneEngineTest, WriteSendsAlignedDataFramesOverEveryWriteList) {
    struct Case {
        const char* name;
        std::span<const AddressRange> ranges;
        int dataPreamble;
    };
    const Case cases[] = {{"write", WriteRanges(), 0},
                          {"expert", ExpertWriteRanges(), 48},
                          {"extended", ExtendedWriteRanges(), 0},
                          {"extended expert", ExtendedExpertWriteRanges(), 48}};
    EepromImage image = DefaultImage(3);
    for (std::int32_t a = 0; a < image.Size(); ++a) {
        image.SetByte(a, static_cast<std::uint8_t>(a * 7 + 3));
    }
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        device.written.clear();
        completions = 0;
        AttachRadio(RadioSetup{}, DefaultImage(3));
        engine.Config().dataPreamble = c.dataPreamble;
        ASSERT_TRUE(engine.StartWrite(image, c.ranges, Capture()));
        RunToEnd();
        EXPECT_EQ(Error(), 0);

        auto frames = SplitFrames(device.written);
        ASSERT_GE(frames.size(), 3u);
        EXPECT_EQ(frames.front().body[2], 0xE3);
        // The data frames walk the ranges in order, 32 bytes at most, never across a
        // multiple of 32.
        std::vector<std::int32_t> sentAddresses;
        std::size_t dataFrames = 0;
        for (std::size_t i = 1; i + 1 < frames.size(); ++i) {
            const auto& body = frames[i].body;
            ASSERT_EQ(body[2], 0xE4);
            EXPECT_EQ(frames[i].preamble, c.dataPreamble);
            auto decoded = Unhex(std::span(body).subspan(3));
            ASSERT_TRUE(decoded.has_value());
            std::int32_t address = (*decoded)[0] << 8 | (*decoded)[1];
            std::int32_t count = (*decoded)[2];
            ASSERT_EQ(decoded->size(), static_cast<std::size_t>(count) + 4);
            EXPECT_LE(address % 32 + count, 32);
            unsigned sum = 0;
            for (std::uint8_t b : *decoded)
                sum += b;
            EXPECT_EQ(sum % 256, 0u);
            for (std::int32_t k = 0; k < count; ++k) {
                EXPECT_EQ((*decoded)[3 + k], image.GetByte(address + k));
                sentAddresses.push_back(address + k);
            }
            ++dataFrames;
        }
        std::vector<std::int32_t> expectedAddresses;
        for (const AddressRange& range : ActiveRanges(c.ranges)) {
            for (std::int32_t a = range.start; a <= range.end; ++a)
                expectedAddresses.push_back(a);
        }
        EXPECT_EQ(sentAddresses, expectedAddresses);
        EXPECT_EQ(engine.DataBytes(), static_cast<std::int64_t>(expectedAddresses.size()));

        char count[3];
        std::snprintf(count, sizeof count, "%02X", static_cast<unsigned>(dataFrames % 256));
        EXPECT_EQ(frames.back().preamble, 0);
        EXPECT_EQ(frames.back().body,
                  Join({Bytes({0xEE, 0xEF, 0xE5}), Text(std::string("Zelk Inc.") + count)}));
        for (std::int32_t a : expectedAddresses) {
            ASSERT_EQ(stored.GetByte(a), image.GetByte(a)) << a;
        }
    }
}

TEST_F(CloneEngineTest, FirstAndLastFramesOfTheWriteList) {
    AttachRadio(RadioSetup{}, DefaultImage(3));
    ASSERT_TRUE(engine.StartWrite(DefaultImage(3), WriteRanges(), Capture()));
    RunToEnd();
    auto frames = SplitFrames(device.written);
    auto header = [](const testing::WireFrame& frame) {
        return std::string(frame.body.begin() + 3, frame.body.begin() + 9);
    };
    EXPECT_EQ(header(frames[1]), "000020");
    // The first range ends at 0xD6B: its last frame holds the 12 bytes from 0xD60.
    auto last = std::find_if(frames.begin(), frames.end(), [&](const auto& f) {
        return f.body.size() > 9 && header(f) == "0D600C";
    });
    EXPECT_NE(last, frames.end());
}

TEST_F(CloneEngineTest, ReadStoresTheRadiosImage) {
    EepromImage image = DefaultImage(4);
    AttachRadio(RadioSetup{}, image);
    ASSERT_TRUE(engine.StartRead(ReadRanges(), Capture()));
    RunToEnd();
    EXPECT_EQ(Error(), 0);
    EXPECT_EQ(engine.DataBytes(), kCloneAreaSize);
    EXPECT_EQ(engine.FrameCount(), kCloneAreaSize / 32);
    for (std::int32_t a = 0; a < kCloneAreaSize; ++a) {
        ASSERT_EQ(finished->image.GetByte(a), image.GetByte(a)) << a;
    }
    EXPECT_EQ(finished->image.GetByte(kCloneAreaSize), 0);
}

// Read replies and the code they end with.
TEST_F(CloneEngineTest, ReadRepliesAndTheirCodes) {
    auto twelveThirtyFour = FromRadio(0xE4, Text("0010021234A8"));
    std::vector<std::uint8_t> sixFrames;
    for (int i = 0; i < 6; ++i) {
        sixFrames = Join({sixFrames, DataFrame(static_cast<std::uint16_t>(i * 2), {1, 2})});
    }
    std::vector<std::uint8_t> shortOfTheEnd;
    for (std::uint16_t a = 0; a < 0xF90; a += 16) {
        shortOfTheEnd = Join({shortOfTheEnd, DataFrame(a, std::vector<std::uint8_t>(16, 0x55))});
    }
    const AddressRange small[] = {{0x0010, 0x0011}, kEndOfRanges};
    const AddressRange both[] = {{0x0010, 0x0013}, kEndOfRanges};
    struct Case {
        const char* name;
        std::vector<std::uint8_t> reply;
        std::span<const AddressRange> ranges;
        int code;
    };
    auto lowerCase = FromRadio(0xE4, Text("0010021234a8"));
    std::vector<std::uint8_t> endless = Bytes({0xFE, 0xFE, 0xEF, 0xEE, 0xE4});
    endless.resize(600, '0');
    const Case cases[] = {
        {"one frame", Join({twelveThirtyFour, EndFrame("Zelk Inc.01")}), small, 0},
        {"noise before and a restart inside",
         Join({Bytes({0x12, 0x34, 0xFD}), Bytes({0xFE, 0x01, 0x02}), twelveThirtyFour,
               EndFrame("Zelk Inc.01")}),
         small, 0},
        {"lower-case digits", Join({lowerCase, EndFrame("Zelk Inc.01")}), small, 6},
        {"odd digit count", Join({FromRadio(0xE4, Text("0010021234A")), EndFrame("Zelk Inc.01")}),
         small, 6},
        {"bad checksum", Join({FromRadio(0xE4, Text("0010021234A9")), EndFrame("Zelk Inc.01")}),
         small, 6},
        {"count byte disagrees",
         Join({FromRadio(0xE4, Text("0010031234A7")), EndFrame("Zelk Inc.01")}), small, 6},
        {"too short", FromRadio(0xE4, Text("001000")), small, 6},
        {"wrong sender",
         Join({Bytes({0xFE, 0xFE, 0xEE, 0xEF, 0xE4}), Text("0010021234A8"), Bytes({0xFD})}), small,
         6},
        {"unknown command", FromRadio(0xE7, Text("0010021234A8")), small, 6},
        {"endless frame", endless, small, 6},
        {"other maker text", Join({twelveThirtyFour, EndFrame("Zelk Ink.01")}), small, 6},
        {"end frame without count", Join({twelveThirtyFour, EndFrame("Zelk Inc.")}), small, 6},
        {"count 05 after six frames", Join({sixFrames, EndFrame("Zelk Inc.05")}), small, 7},
        {"data missing", Join({twelveThirtyFour, EndFrame("Zelk Inc.01")}), both, 8},
        {"read area short of its end", Join({shortOfTheEnd, EndFrame("Zelk Inc.F9")}), ReadRanges(),
         8},
        {"beyond the image", DataFrame(0x2010, {0x01}), small, 9},
        {"last byte beyond the image", DataFrame(0x200F, {0x01, 0x02}), small, 9},
        {"outside the list", Join({DataFrame(0x0010, {1, 2, 3}), EndFrame("Zelk Inc.01")}), small,
         9},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        completions = 0;
        AnswerOnce(0xE2, c.reply);
        ASSERT_TRUE(engine.StartRead(c.ranges, Capture()));
        RunToEnd();
        EXPECT_EQ(Error(), c.code);
        if (c.code == 0) {
            EXPECT_EQ(finished->image.GetByte(0x10), 0x12);
            EXPECT_EQ(finished->image.GetByte(0x11), 0x34);
            EXPECT_EQ(engine.FrameCount(), 1);
        }
    }
}

TEST_F(CloneEngineTest, InformationRepliesAndTheirCodes) {
    struct Case {
        const char* name;
        std::vector<std::uint8_t> reply;
        int code;
    };
    const Case cases[] = {
        {"identity", FromRadio(0xE1, Bytes({0x30, 0x74, 0x00, 0x04, 'A', 'B'})), 0},
        {"code and version only", FromRadio(0xE1, Bytes({0x30, 0x74, 0x00, 0x04})), 0},
        {"not BCD", FromRadio(0xE1, Bytes({0x3A, 0x74, 0x00, 0x04, 'A'})), 6},
        {"low nibble not BCD", FromRadio(0xE1, Bytes({0x30, 0x74, 0x00, 0x0F})), 6},
        {"too short", FromRadio(0xE1, Bytes({0x30, 0x74, 0x00})), 6},
        {"wrong command", FromRadio(0xE6, Bytes({0x30, 0x74, 0x00, 0x04})), 6},
        // Only the last complete frame counts.
        {"junk, then a good frame",
         Join({FromRadio(0xE6, Bytes({0x00})), FromRadio(0xE1, Bytes({0x30, 0x74, 0x00, 0x01}))}),
         0},
        {"endless frame",
         Join({Bytes({0xFE, 0xFE, 0xEF, 0xEE, 0xE1}), std::vector<std::uint8_t>(530, 0x30)}), 6},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        completions = 0;
        AnswerOnce(0xE0, c.reply);
        ASSERT_TRUE(engine.StartInformation(Capture()));
        RunToEnd();
        EXPECT_EQ(Error(), c.code);
    }
    EXPECT_EQ(finished->identity.size(), 0u);
}

TEST_F(CloneEngineTest, AcknowledgementDecidesTheWrite) {
    const AddressRange one[] = {{0, 3}, kEndOfRanges};
    struct Case {
        std::vector<std::uint8_t> reply;
        int code;
    };
    for (const Case& c :
         {Case{FromRadio(0xE6, Bytes({0x00})), 0}, Case{FromRadio(0xE6, Bytes({0x01})), 10},
          Case{FromRadio(0xE6, Bytes({0x00, 0x00})), 10},
          Case{FromRadio(0xE1, Bytes({0x00})), 10}}) {
        completions = 0;
        AnswerOnce(0xE5, c.reply);
        ASSERT_TRUE(engine.StartWrite(DefaultImage(0), one, Capture()));
        RunToEnd();
        EXPECT_EQ(Error(), c.code);
    }
}

// A write whose acknowledgement never comes may or may not have reached the radio: it
// ends with 10 once the final timeout has passed, not as if nothing had been sent.
TEST_F(CloneEngineTest, WriteWithoutAcknowledgementIsInDoubt) {
    const AddressRange one[] = {{0, 3}, kEndOfRanges};
    engine.Config().finalTimeoutMs = 2000;
    std::optional<std::uint32_t> endSentAt;
    device.onWrite = [&](std::span<const std::uint8_t> bytes) {
        if (std::find(bytes.begin(), bytes.end(), 0xE5) != bytes.end()) {
            endSentAt = time.TickCount();
        }
    };
    ASSERT_TRUE(engine.StartWrite(DefaultImage(0), one, Capture()));
    RunToEnd();
    EXPECT_EQ(Error(), 10);
    ASSERT_TRUE(endSentAt.has_value());
    EXPECT_GE(time.TickCount() - *endSentAt, 2000u);
    EXPECT_LT(time.TickCount() - *endSentAt, 2100u);
}

// The frames of a write as they go on the wire, written out byte for byte rather than
// read back through any decoder: the protocol's example data frame (12 34 at 0x0010,
// checksum A8), and an end frame whose count differs in hex and in decimal.
TEST_F(CloneEngineTest, WriteFramesOnTheWireAreLiteral) {
    cmcBuff built;
    const std::uint8_t twelveThirtyFour[] = {0x12, 0x34};
    AppendDataFrame(built, FrameRoute::ToRadio, 0x0010, twelveThirtyFour, 0);
    EXPECT_EQ(std::vector<std::uint8_t>(built.Data(), built.Data() + built.Length()),
              Join({Bytes({0xFE, 0xFE, 0xEE, 0xEF, 0xE4}), Text("0010021234A8"), Bytes({0xFD})}));

    EepromImage image = DefaultImage(3);
    image.SetByte(0x10, 0x12);
    image.SetByte(0x11, 0x34);
    const AddressRange two[] = {{0x0010, 0x0011}, kEndOfRanges};
    AnswerOnce(0xE5, FromRadio(0xE6, Bytes({0x00})));
    ASSERT_TRUE(engine.StartWrite(image, two, Capture()));
    RunToEnd();
    EXPECT_EQ(Error(), 0);
    EXPECT_EQ(device.written,
              Join({std::vector<std::uint8_t>(26, 0xFE),
                    Bytes({0xEE, 0xEF, 0xE3, 0x30, 0x74, 0x00, 0x00, 0xFD}),
                    Bytes({0xFE, 0xFE, 0xEE, 0xEF, 0xE4}), Text("0010021234A8"), Bytes({0xFD}),
                    Bytes({0xFE, 0xFE, 0xEE, 0xEF, 0xE5}), Text("Zelk Inc.01"), Bytes({0xFD})}));

    // At high speed 48 FE go before each data frame, none before the end frame. Eleven
    // frames count as 0B.
    completions = 0;
    device.written.clear();
    engine.Config().requestPreamble = 96;
    engine.Config().dataPreamble = 48;
    for (std::int32_t a = 0; a < 0x160; ++a) {
        image.SetByte(a, 0x5A);
    }
    const AddressRange eleven[] = {{0x000, 0x15F}, kEndOfRanges};
    AnswerOnce(0xE5, FromRadio(0xE6, Bytes({0x00})));
    ASSERT_TRUE(engine.StartWrite(image, eleven, Capture()));
    RunToEnd();
    EXPECT_EQ(Error(), 0);
    const std::vector<std::uint8_t> request =
        Join({std::vector<std::uint8_t>(98, 0xFE),
              Bytes({0xEE, 0xEF, 0xE3, 0x30, 0x74, 0x00, 0x00, 0xFD})});
    std::string allFiveA;
    for (int i = 0; i < 32; ++i) {
        allFiveA += "5A";
    }
    // 32 bytes of 5A from 0x0140: 01 + 40 + 20 + 32 x 5A = 0xBA1, checksum 5F.
    const std::vector<std::uint8_t> eleventh =
        Join({std::vector<std::uint8_t>(50, 0xFE), Bytes({0xEE, 0xEF, 0xE4}),
              Text("014020" + allFiveA + "5F"), Bytes({0xFD})});
    const std::vector<std::uint8_t> end =
        Join({Bytes({0xFE, 0xFE, 0xEE, 0xEF, 0xE5}), Text("Zelk Inc.0B"), Bytes({0xFD})});
    ASSERT_GT(device.written.size(), request.size() + eleventh.size() + end.size());
    EXPECT_TRUE(std::equal(request.begin(), request.end(), device.written.begin()));
    EXPECT_TRUE(std::equal(end.rbegin(), end.rend(), device.written.rbegin()));
    EXPECT_TRUE(std::equal(eleventh.rbegin(), eleventh.rend(),
                           device.written.rbegin() + static_cast<std::ptrdiff_t>(end.size())));
}

TEST_F(CloneEngineTest, PortFailuresAndEchoFaults) {
    // A port that cannot be opened ends with 2 and says why.
    device.failOpen = true;
    device.failureReason = "Permission denied";
    device.failureIsPermission = true;
    ASSERT_TRUE(engine.StartInformation(Capture()));
    RunToEnd();
    EXPECT_EQ(Error(), 2);
    EXPECT_EQ(finished->portFailure, "/dev/fake0: Permission denied");
    EXPECT_TRUE(finished->portFailureIsPermission);
    device.failOpen = false;

    // A script whose settings group cannot be set up ends with 2 as well.
    completions = 0;
    device.failConfigure = true;
    engine.Config().script = "(9600,N,8,1)FE";
    ASSERT_TRUE(engine.StartInformation(Capture()));
    RunToEnd();
    EXPECT_EQ(Error(), 2);
    EXPECT_TRUE(engine.Config().script.empty());
    device.failConfigure = false;

    // An echo byte that comes back altered: 4 at once.
    completions = 0;
    device.echo = false;
    device.onWrite = [this](std::span<const std::uint8_t> bytes) {
        std::vector<std::uint8_t> echo(bytes.begin(), bytes.end());
        echo[echo.size() / 2] ^= 0x40;
        device.Feed(echo);
    };
    std::uint32_t started = time.TickCount();
    ASSERT_TRUE(engine.StartInformation(Capture()));
    RunToEnd();
    EXPECT_EQ(Error(), 4);
    EXPECT_LT(time.TickCount() - started, 200u);

    // The driver taking fewer bytes than asked: 17.
    completions = 0;
    device.onWrite = nullptr;
    device.echo = true;
    device.acceptLimit = 4;
    ASSERT_TRUE(engine.StartInformation(Capture()));
    RunToEnd();
    EXPECT_EQ(Error(), 17);
}

TEST_F(CloneEngineTest, SilenceEndsWithFourWhileEchoIsOutstandingElseFive) {
    struct Case {
        bool echo;
        int code;
    };
    for (Case c : {Case{false, 4}, Case{true, 5}}) {
        completions = 0;
        device.echo = c.echo;
        std::uint32_t started = time.TickCount();
        ASSERT_TRUE(engine.StartInformation(Capture()));
        RunToEnd();
        EXPECT_EQ(Error(), c.code);
        // The reply timeout, counted from the last progress.
        EXPECT_GE(time.TickCount() - started, 1000u);
        EXPECT_LT(time.TickCount() - started, 1100u);
    }
}

TEST_F(CloneEngineTest, TimeoutsAreInactivityLimits) {
    struct Case {
        std::uint32_t replyAfterMs;
        int code;
    };
    for (Case c : {Case{900, 0}, Case{1100, 5}}) {
        completions = 0;
        std::optional<std::uint32_t> dueAt;
        device.onWrite = [&](std::span<const std::uint8_t>) {
            dueAt = time.TickCount() + c.replyAfterMs;
        };
        ASSERT_TRUE(engine.StartInformation(Capture()));
        while (!engine.IsIdle()) {
            time.Advance(10);
            if (dueAt && time.TickCount() >= *dueAt) {
                device.Feed(FromRadio(0xE1, Bytes({0x30, 0x74, 0x00, 0x04})));
                dueAt.reset();
            }
        }
        EXPECT_EQ(Error(), c.code);
    }
}

TEST_F(CloneEngineTest, DrainWaitsForPendingOutputAndSilenceOverwritesTheCode) {
    device.onWrite = [this](std::span<const std::uint8_t>) {
        device.Feed(FromRadio(0xE1, Bytes({0x30, 0x74, 0x00, 0x04})));
        device.outputWaiting = 3;
    };
    ASSERT_TRUE(engine.StartInformation(Capture()));
    time.Advance(500);
    EXPECT_FALSE(engine.IsIdle());
    time.Advance(1000);
    EXPECT_FALSE(engine.IsIdle());
    device.outputWaiting = 0;
    RunToEnd();
    EXPECT_EQ(Error(), 5);
}

TEST_F(CloneEngineTest, OneOperationAtATime) {
    AttachRadio(RadioSetup{}, DefaultImage(3));
    ASSERT_TRUE(engine.StartInformation(Capture()));
    EXPECT_FALSE(engine.StartRead(ReadRanges(), Capture()));
    EXPECT_FALSE(engine.StartWrite(DefaultImage(3), WriteRanges(), Capture()));
    EXPECT_FALSE(engine.StartInformation(Capture()));
    RunToEnd();
    EXPECT_EQ(Error(), 0);
    EXPECT_EQ(finished->operation, CloneOperation::Information);
}

TEST_F(CloneEngineTest, CompletionMayStartTheNextOperation) {
    AttachRadio(RadioSetup{}, DefaultImage(3));
    std::vector<int> errors;
    ASSERT_TRUE(engine.StartInformation([&](CloneResult& result) {
        errors.push_back(result.error);
        EXPECT_TRUE(engine.StartRead(ReadRanges(),
                                     [&](CloneResult& read) { errors.push_back(read.error); }));
    }));
    for (int i = 0; i < 2000 && errors.size() < 2; ++i) {
        time.Advance(10);
    }
    EXPECT_EQ(errors, (std::vector<int>{0, 0}));
    EXPECT_TRUE(engine.IsIdle());
}

TEST_F(CloneEngineTest, DestroyingARunningEngineClosesThePortWithoutCompletion) {
    {
        testing::TransportFixture local;
        auto running = std::make_unique<CloneEngine>(local.Environment());
        bool called = false;
        ASSERT_TRUE(running->StartInformation([&](CloneResult&) { called = true; }));
        local.time.Advance(50);
        EXPECT_TRUE(local.device.IsOpen());
        running.reset();
        local.time.Advance(100);
        EXPECT_FALSE(local.device.IsOpen());
        EXPECT_FALSE(called);
    }
}

}  // namespace
}  // namespace orvane
