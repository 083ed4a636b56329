#include "text/text_store.h"

#include <gtest/gtest.h>

#include "support/fatal_trap.h"

namespace orvane {
namespace {

const TextResource& Sample() {
    static const TextResource resource(
        "// comment\n"
        "#Alpha\n"
        "a0\n"
        "a1\n"
        "\n"
        "a3\n"
        "#\n"
        "#Twice\n"
        "first\n"
        "#Twice\n"
        "second\n"
        "#\n"
        "# \n"
        "space key\n"
        "#Runs\n"
        "r0\n"
        "#Next\n"
        "n0\n"
        "#Message\n"
        "Line one.\n"
        "\n"
        "Line three.\n"
        "#\n"
        "#End_Of_Ovl\n"
        "#After\n"
        "hidden\n");
    return resource;
}

class TextStoreTest : public ::testing::Test {
protected:
    TextStoreTest() { store.SetSource(Sample()); }
    TextStore store;
};

TEST_F(TextStoreTest, SourceIsSetOnlyOnce) { EXPECT_FALSE(store.SetSource(Sample())); }

TEST_F(TextStoreTest, ServesBodyLinesAndLinesPastTheBody) {
    EXPECT_EQ(store.GetText("Alpha", 0), "a0");
    EXPECT_EQ(store.GetText("Alpha", 2), "");
    EXPECT_EQ(store.GetText("Alpha", 3), "a3");
    EXPECT_EQ(store.GetText("Alpha", 4), "#");
    EXPECT_EQ(store.GetText("Alpha", 5), "#Twice");
}

TEST_F(TextStoreTest, GoingBackRestartsFromTheBodyStart) {
    EXPECT_EQ(store.GetText("Alpha", 3), "a3");
    EXPECT_EQ(store.GetText("Alpha", 1), "a1");
    EXPECT_EQ(store.GetText("Alpha", 2), "");
    EXPECT_EQ(store.GetText("Alpha", 0), "a0");
}

TEST_F(TextStoreTest, FirstOccurrenceOfADuplicateKeyWins) {
    EXPECT_EQ(store.GetText("Twice", 0), "first");
}

TEST_F(TextStoreTest, HashAloneIsNoKeyButHashSpaceIs) {
    EXPECT_EQ(store.GetText(" ", 0), "space key");
    EXPECT_FALSE(store.HasKey(""));
}

TEST_F(TextStoreTest, MultiLineTextStopsAtTheNextHashLine) {
    EXPECT_EQ(store.GetMultiLineText("Message"), "Line one.\n\nLine three.");
    EXPECT_EQ(store.GetMultiLineText("Runs"), "r0");  // runs into "#Next"
}

TEST_F(TextStoreTest, KeysAfterTheEndMarkDoNotExist) {
    EXPECT_FALSE(store.HasKey("After"));
    EXPECT_FATAL(store.GetText("After", 0), "Lumo Error !\nThe index 'After' was not found.");
    EXPECT_TRUE(store.HasKey("Message"));  // still found after the scan ended
}

TEST(TextStoreWithoutSourceTest, EveryLookupIsFatal) {
    TextStore store;
    EXPECT_FATAL(store.GetText("Alpha", 0), "Lumo Error !\nThe index 'Alpha' was not found.");
}

TEST(TextStoreMoveToFrontTest, DeepKeysStayFindableAfterPromotion) {
    std::string text;
    for (int i = 0; i < 30; ++i) {
        text += "#K" + std::to_string(i) + "\nbody" + std::to_string(i) + "\n";
    }
    text += "#End_Of_Ovl\n";
    TextResource resource(text);
    TextStore store;
    store.SetSource(resource);
    for (int round = 0; round < 3; ++round) {
        for (int i = 29; i >= 0; --i) {
            ASSERT_EQ(store.GetText("K" + std::to_string(i), 0), "body" + std::to_string(i));
        }
    }
}

TEST(TextResourceTest, CarriageReturnsAreNotPartOfLines) {
    TextResource resource("#Key\r\nvalue\r\n#End_Of_Ovl\r\n");
    TextStore store;
    store.SetSource(resource);
    EXPECT_EQ(store.GetText("Key", 0), "value");
    EXPECT_EQ(resource.LineCount(), 3u);
}

TEST(TextResourceTest, OverlongLinesAreCut) {
    const std::string text = "#Key\n" + std::string(9000, 'x') + "\n#End_Of_Ovl\n";
    TextResource resource(text);
    TextStore store;
    store.SetSource(resource);
    EXPECT_EQ(store.GetText("Key", 0).size(), TextStore::kMaxLineLength);
}

}  // namespace
}  // namespace orvane
