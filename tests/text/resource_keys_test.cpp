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

// A literal is either a key, or the name of a definition whose blocks carry a suffix:
// a sheet ("GI_Sheet_Home" -> "GI_Sheet_Home_Cells") or a menu body ("GI_PMenu_Edit" ->
// "GI_PMenu_Edit_Body").
bool NamesResourceText(TextStore& store, const std::string& literal) {
    if (store.HasKey(literal)) {
        return true;
    }
    if (literal.rfind("GI_Sheet_", 0) == 0) {
        return store.HasKey(literal + "_Cells");
    }
    for (const char* prefix : {"GI_PMenu_", "GI_Menu_", "GI_ToolBar_", "GI_Tree_"}) {
        if (literal.rfind(prefix, 0) == 0) {
            return store.HasKey(literal + "_Body");
        }
    }
    return false;
}

TEST(ResourceKeysTest, EveryKeyTheCodeAsksForExists) {
    TextStore store;
    store.SetSource(MainResource());
    // The help topic tables live in the second resource.
    TextStore helpStore;
    helpStore.SetSource(HelpTopicResource());
    const std::set<std::string> keys = KeysNamedInSources();
    ASSERT_FALSE(keys.empty()) << "the scan found no keys at all";
    for (const std::string& key : keys) {
        EXPECT_TRUE(NamesResourceText(store, key) || helpStore.HasKey(key)) << key;
    }
}

TEST(ResourceKeysTest, DefinitionNamesNeedTheirBlocks) {
    TextStore store;
    store.SetSource(MainResource());
    EXPECT_TRUE(NamesResourceText(store, "GI_Sheet_Home"));
    EXPECT_TRUE(NamesResourceText(store, "GI_PMenu_Edit"));
    EXPECT_FALSE(NamesResourceText(store, "GI_Sheet_Nowhere"));
    EXPECT_FALSE(NamesResourceText(store, "GI_PMenu_Nowhere"));
    EXPECT_FALSE(NamesResourceText(store, "GI_Mess_Nowhere"));
}

}  // namespace
}  // namespace orvane
