#include "app/documents_directory.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <optional>
#include <string>

#include "image/scratch_directory.h"

namespace orvane {
namespace {

// Points $HOME somewhere else for one test and puts it back afterwards.
class HomeOverride {
public:
    explicit HomeOverride(const char* home) {
        if (const char* old = std::getenv("HOME")) {
            old_ = old;
        }
        if (home != nullptr) {
            ::setenv("HOME", home, 1);
        } else {
            ::unsetenv("HOME");
        }
    }
    ~HomeOverride() {
        if (old_) {
            ::setenv("HOME", old_->c_str(), 1);
        } else {
            ::unsetenv("HOME");
        }
    }
    HomeOverride(const HomeOverride&) = delete;
    HomeOverride& operator=(const HomeOverride&) = delete;

private:
    std::optional<std::string> old_;
};

TEST(DocumentsDirectoryTest, TheDialogsStartWhereTheUserLastWasElseInTheDocuments) {
    testing::ScratchDirectory home;
    const std::string homePath = home.Path().string();
    HomeOverride override(homePath.c_str());

    EXPECT_EQ(DocumentsDirectory(), homePath) << "no Documents folder: the home directory";
    std::filesystem::create_directory(home.Path() / "Documents");
    EXPECT_EQ(DocumentsDirectory(), home.File("Documents"));
    EXPECT_EQ(StartDirectory(""), home.File("Documents"));
    EXPECT_EQ(StartDirectory("/srv/radio"), "/srv/radio");
}

TEST(DocumentsDirectoryTest, WithoutAHomeTheWorkingDirectoryServes) {
    HomeOverride override(nullptr);
    EXPECT_EQ(DocumentsDirectory(), "");
    EXPECT_EQ(StartDirectory(""), std::filesystem::current_path().string());
}

}  // namespace
}  // namespace orvane
