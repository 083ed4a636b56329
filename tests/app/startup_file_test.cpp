// The desktop program's command line: the file a start-up names is the first argument
// after the program name that is no switch, whether or not it exists.

#include "app/startup_file.h"

#include <gtest/gtest.h>

namespace orvane {
namespace {

TEST(StartupFileTest, TheFirstArgumentThatIsNoSwitchNamesTheFile) {
    struct Case {
        std::vector<std::string> arguments;
        std::optional<std::string> expected;
    };
    const Case cases[] = {
        {{"club.zcf"}, std::nullopt},  // the program name itself is never the file
        {{"orvane"}, std::nullopt},
        {{"orvane", "/prolix", "/PROLIX", "RQ-6190TrimGoAhead"}, std::nullopt},
        // A file that is not there is still the file: opening it says what is wrong.
        {{"orvane", "/nosuch/missing.zcf"}, "/nosuch/missing.zcf"},
        {{"orvane", "/prolix", "club.zcf", "spare.zcf"}, "club.zcf"},
        {{"orvane", "rq-6190trimgoahead"}, "rq-6190trimgoahead"},  // the adjust switch has one case
        {{"orvane", " club.zcf\nx"}, " club.zcf\nx"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(FileToOpenAtStart(c.arguments), c.expected) << c.arguments.back();
    }
}

}  // namespace
}  // namespace orvane
