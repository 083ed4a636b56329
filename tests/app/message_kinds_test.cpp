// The message bus kinds every layer posts, taken together: the application's one bus
// carries them all, so no two may share a number.

#include <gtest/gtest.h>

#include <cstdint>
#include <map>
#include <span>
#include <string>

#include "app/app_messages.h"
#include "clone/clone_messages.h"
#include "radio/radio_messages.h"
#include "sheet/sheet_messages.h"

namespace orvane {
namespace {

TEST(MessageKindsTest, NoTwoKindsShareANumber) {
    struct Layer {
        std::string name;
        std::span<const std::int32_t> kinds;
    };
    const Layer layers[] = {
        {"sheet", message::kSheetKinds},
        {"clone", message::kCloneKinds},
        {"radio", message::kRadioKinds},
        {"app", message::kAppKinds},
    };
    std::map<std::int32_t, std::string> owners;
    for (const Layer& layer : layers) {
        EXPECT_FALSE(layer.kinds.empty()) << layer.name;
        for (std::int32_t kind : layer.kinds) {
            // 0 is no kind: a bus message always has one.
            EXPECT_GT(kind, 0) << layer.name;
            const auto [owner, added] = owners.emplace(kind, layer.name);
            EXPECT_TRUE(added) << "kind " << kind << " is both " << owner->second << "'s and "
                               << layer.name << "'s";
        }
    }
}

}  // namespace
}  // namespace orvane
