#pragma once
// What the sheet tests share: a text store over the built-in resource or over blocks a
// test writes, a link vocabulary (the test vocabulary, or the data model's where a test
// checks the shipped definitions against it), fixed font metrics, a bus, and settable
// conditions and bank layout.

#include <array>
#include <string>
#include <utility>
#include <vector>

#include "base/message_bus.h"
#include "sheet/bank_directory.h"
#include "sheet/sheet_conditions.h"
#include "sheet/sheet_environment.h"
#include "support/fake_font_metrics.h"
#include "test_vocabulary.h"
#include "text/text_resource.h"
#include "text/text_store.h"

namespace orvane::testing {

class FakeConditions final : public SheetConditionSource {
public:
    RadioConfiguration CurrentSheetConditions() const override { return value; }
    RadioConfiguration value;
};

class FakeBanks final : public BankDirectory {
public:
    int BankFirst(int bank) const override {
        int first = 0;
        for (int b = 0; b < bank && b < kBankCount; ++b) {
            first += capacities[static_cast<std::size_t>(b)];
        }
        return first;
    }
    int BankCapacity(int bank) const override {
        return bank >= 0 && bank < kBankCount ? capacities[static_cast<std::size_t>(bank)] : 0;
    }
    std::string BankName(int bank) const override {
        return bank >= 0 && bank < kBankCount ? names[static_cast<std::size_t>(bank)] : "";
    }
    std::array<int, kBankCount> capacities{};
    std::array<std::string, kBankCount> names{};
};

// A text resource made of the given blocks, each a key and its body lines.
class DefinitionResource {
public:
    explicit DefinitionResource(const std::vector<std::pair<std::string, std::string>>& blocks)
        : text_(Compose(blocks)), resource_(text_) {}
    DefinitionResource(const DefinitionResource&) = delete;
    DefinitionResource& operator=(const DefinitionResource&) = delete;
    const TextResource& Resource() const { return resource_; }

private:
    static std::string Compose(const std::vector<std::pair<std::string, std::string>>& blocks) {
        std::string text;
        for (const auto& [key, body] : blocks) {
            text += "#" + key + "\n";
            if (!body.empty()) {
                text += body + "\n";
            }
            text += "#\n";
        }
        return text + "#End_Of_Ovl\n";
    }
    std::string text_;
    TextResource resource_;
};

template <class Vocabulary>
struct BasicSheetTestEnvironment {
    explicit BasicSheetTestEnvironment(const TextResource& resource) { store.SetSource(resource); }
    BasicSheetTestEnvironment() : BasicSheetTestEnvironment(MainResource()) {}
    BasicSheetTestEnvironment(const BasicSheetTestEnvironment&) = delete;
    BasicSheetTestEnvironment& operator=(const BasicSheetTestEnvironment&) = delete;

    SheetEnvironment Get() {
        return SheetEnvironment{store, vocabulary, metrics, bus, conditions, banks};
    }

    TextStore store;
    Vocabulary vocabulary;
    FakeFontMetrics metrics;
    MessageBus bus;
    FakeConditions conditions;
    FakeBanks banks;
};

using SheetTestEnvironment = BasicSheetTestEnvironment<TestVocabulary>;

}  // namespace orvane::testing
