// Every text key that the program's code asks for must exist in the built-in resource,
// so that a missing key fails here instead of ending a user's session.

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <regex>
#include <set>
#include <sstream>

#include "text/text_store.h"

namespace orvane {
namespace {

std::set<std::string> KeysNamedInSources() {
    // String literals that are whole text keys.
    static const std::regex literal(R"re("((GI_|CellModel_)[A-Za-z0-9_]+)")re");
    std::set<std::string> keys;
    for (const auto& entry :
         std::filesystem::recursive_directory_iterator(ORVANE_SOURCE_DIR "/src")) {
        const auto extension = entry.path().extension();
        if (!entry.is_regular_file() || (extension != ".cpp" && extension != ".h")) {
            continue;
        }
        std::ifstream file(entry.path());
        std::stringstream content;
        content << file.rdbuf();
        const std::string text = content.str();
        for (std::sregex_iterator it(text.begin(), text.end(), literal), end; it != end; ++it) {
            keys.insert((*it)[1].str());
        }
    }
    return keys;
}

TEST(ResourceKeysTest, EveryKeyTheCodeAsksForExists) {
    TextStore store;
    store.SetSource(MainResource());
    const std::set<std::string> keys = KeysNamedInSources();
    ASSERT_FALSE(keys.empty()) << "the scan found no keys at all";
    for (const std::string& key : keys) {
        EXPECT_TRUE(store.HasKey(key)) << key;
    }
}

}  // namespace
}  // namespace orvane
