// Random sequences of list commands on random banks, checked after every command
// against a reference model of the 200 records and the ten capacities: a record moves,
// is copied or disappears only where a command's rule says so.

#include <gtest/gtest.h>

#include <algorithm>
#include <numeric>
#include <random>

#include "list_operations_support.h"
#include "radio/channel_clipboard.h"
#include "radio/channel_list_operations.h"
#include "radio_fixture.h"

namespace orvane {
namespace {

using testing::RadioFixture;

constexpr int kCount = memory_map::kChannelCount;
constexpr Hertz kBase = 118'000'000;
constexpr Hertz kStep = 25'000;

// Each record is known by a number: 0 for a blank record, else the record's identity
// (its receive frequency tells it apart).
struct ReferenceModel {
    std::array<int, kCount> records{};
    std::array<int, 10> capacities{};
    std::vector<int> clipboard;
    bool clipboardFilled = false;
    int prompts = 0;

    int First(int bank) const {
        return std::accumulate(capacities.begin(), capacities.begin() + bank, 0);
    }
    int Last(int bank) const { return std::max(0, First(bank) + capacities[bank] - 1); }
    int Total() const { return std::accumulate(capacities.begin(), capacities.end(), 0); }
    bool AnyUsed(int from, int to) const {
        for (int p = std::max(from, 0); p <= to && p < kCount; ++p) {
            if (records[p] != 0) {
                return true;
            }
        }
        return false;
    }

    // Applies `command` on bank `bank` for owner row `row` and the block from..to; `ok` is
    // the answer to any confirmation.
    void Apply(CellId command, int bank, int row, int from, int to, bool ok) {
        const int first = First(bank);
        const int last = Last(bank);
        const bool beyond = row < first || row > last || capacities[bank] == 0;
        const int clippedFrom = std::max(from, first);
        const int clippedTo = std::min(to, last);
        auto confirmed = [&](bool asked) {
            prompts += asked ? 1 : 0;
            return !asked || ok;
        };
        if (command == cell::kPMenuInsert) {
            const int at = std::min(row, from);
            for (int k = 0; k < to - from + 1; ++k) {
                if (Total() >= kCount || capacities[bank] >= 100) {
                    ++prompts;
                    break;
                }
                const int position = std::clamp(at, first, First(bank) + capacities[bank]);
                std::move_backward(records.begin() + position, records.end() - 1, records.end());
                records[position] = 0;
                ++capacities[bank];
            }
            return;
        }
        if (beyond) {
            return;
        }
        switch (command) {
            case cell::kPMenuCopy:
                if (clippedFrom <= clippedTo) {
                    clipboard.assign(records.begin() + clippedFrom,
                                     records.begin() + clippedTo + 1);
                    clipboardFilled = true;
                }
                break;
            case cell::kPMenuPaste: {
                const int count = std::min<int>(last - row + 1, static_cast<int>(clipboard.size()));
                if (clipboardFilled && count > 0 && confirmed(AnyUsed(row, row + count - 1))) {
                    std::copy_n(clipboard.begin(), count, records.begin() + row);
                }
                break;
            }
            case cell::kPMenuCarryUp:
                if (row != first && from >= first && to <= last && from > first) {
                    std::rotate(records.begin() + from - 1, records.begin() + from,
                                records.begin() + to + 1);
                }
                break;
            case cell::kPMenuCarryDown:
                if (row != last && from >= first && to <= last && to < last) {
                    std::rotate(records.begin() + from, records.begin() + to + 1,
                                records.begin() + to + 2);
                }
                break;
            case cell::kPMenuClear:
                if (clippedFrom <= clippedTo && confirmed(true)) {
                    std::fill(records.begin() + clippedFrom, records.begin() + clippedTo + 1, 0);
                }
                break;
            default:  // delete
                if (clippedFrom > clippedTo ||
                    (bank == 0 && clippedTo - clippedFrom + 1 >= capacities[0]) ||
                    !confirmed(AnyUsed(clippedFrom, clippedTo))) {
                    break;
                }
                for (int k = 0; k < clippedTo - clippedFrom + 1; ++k) {
                    const int at = std::min(row, clippedFrom);
                    if (capacities[bank] == 0 || at >= First(bank) + capacities[bank]) {
                        continue;
                    }
                    std::move(records.begin() + at + 1, records.end(), records.begin() + at);
                    records[kCount - 1] = 0;
                    --capacities[bank];
                }
                break;
        }
    }

    void ExchangeBanks(CellId command, int row, int from, int to) {
        const int direction = command == cell::kPMenuCarryUp ? -1 : 1;
        if ((direction < 0 && (row == 0 || from <= 0)) || (direction > 0 && to >= 9)) {
            return;
        }
        for (int k = 0; k < to - from + 1; ++k) {
            const int earlier = direction > 0 ? to - k : from + k - 1;
            if (earlier == 0 && capacities[1] == 0) {
                break;
            }
            const int first = First(earlier);
            std::rotate(records.begin() + first, records.begin() + first + capacities[earlier],
                        records.begin() + first + capacities[earlier] + capacities[earlier + 1]);
            std::swap(capacities[earlier], capacities[earlier + 1]);
        }
    }
};

class ListOperationsModelTest : public RadioFixture {
protected:
    ListOperationsModelTest() { evaluator.SetListOperations(&operations); }

    void Fill(std::mt19937& random) {
        std::array<int, 10> capacities{};
        int left = kCount - std::uniform_int_distribution<int>(0, 30)(random);
        for (int b = 0; b < 10; ++b) {
            const bool empty = b > 0 && random() % 4 == 0;
            capacities[b] =
                empty ? 0 : std::uniform_int_distribution<int>(1, std::min(left, 40))(random);
            left -= capacities[b];
            if (left == 0) {
                break;
            }
        }
        SetCapacities(capacities);
        model.capacities = capacities;
        for (int p = 0; p < kCount; ++p) {
            const bool used = random() % 3 != 0;
            PutChannel(p, kBase + kStep * p, kBase + kStep * p, used);
            model.records[p] = used ? p + 1 : 0;
        }
    }
    int Identity(int position) {
        const MemoryChannel channel = ChannelAt(position);
        return channel.used ? static_cast<int>((channel.rxHz - kBase) / kStep) + 1 : 0;
    }

    ChannelClipboard clipboard;
    testing::KeptTextClipboard desktop;
    ChannelListOperations operations{clipboard, &desktop, texts, prompter, bus};
    testing::BankRequestHandler bankRequests{bus, image, options};
    ReferenceModel model;
};

TEST_F(ListOperationsModelTest, RandomCommandSequencesKeepEveryRecordWhereTheRulesPutIt) {
    constexpr CellId kCommands[] = {cell::kPMenuCopy,      cell::kPMenuPaste, cell::kPMenuCarryUp,
                                    cell::kPMenuCarryDown, cell::kPMenuClear, cell::kPMenuDelete,
                                    cell::kPMenuInsert};
    for (unsigned seed = 1; seed <= 40; ++seed) {
        std::mt19937 random(seed);
        Fill(random);
        model.clipboard.clear();
        model.clipboardFilled = false;
        clipboard.Clear();
        prompter.shown.clear();
        model.prompts = 0;
        for (int step = 0; step < 60; ++step) {
            const CellId command = kCommands[random() % std::size(kCommands)];
            const bool onBankTable =
                (command == cell::kPMenuCarryUp || command == cell::kPMenuCarryDown) &&
                random() % 4 == 0;
            const bool ok = random() % 5 != 0;
            prompter.answers = {ok ? PromptAnswer::Ok : PromptAnswer::Cancel};
            const bool withBlock = random() % 2 == 0;
            int bank = static_cast<int>(random() % 10);
            int row = 0;
            int from = 0;
            int to = 0;
            if (onBankTable) {
                row = bank;
                from = withBlock ? std::uniform_int_distribution<int>(0, 9)(random) : row;
                to = withBlock ? std::min(9, from + static_cast<int>(random() % 3)) : row;
            } else {
                const int first = model.First(bank);
                row = std::clamp(
                    first + std::uniform_int_distribution<int>(-1, model.capacities[bank])(random),
                    0, kCount - 1);
                from = withBlock
                           ? std::clamp(row + static_cast<int>(random() % 3) - 1, 0, kCount - 1)
                           : row;
                to = withBlock ? std::min(kCount - 1, from + static_cast<int>(random() % 4)) : row;
            }
            OpenBank(bank);
            auto sent = Prepare(onBankTable ? cell::kMchBank : cell::kMchName, row,
                                onBankTable ? category::kBankOp : category::kConv);
            sent->request.commandId = command;
            if (withBlock) {
                sent->request.selectionFlags = CellRequest::kRangeActive;
                sent->request.rangeFrom = from;
                sent->request.rangeTo = to;
            }
            Evaluate(*sent, CellEvaluator::kOperate);
            prompter.answers.clear();
            if (onBankTable) {
                model.ExchangeBanks(command, row, from, to);
            } else {
                model.Apply(command, bank, row, from, to, ok);
            }

            const std::string where = "seed " + std::to_string(seed) + " step " +
                                      std::to_string(step) + " command " + std::to_string(command) +
                                      " bank " + std::to_string(bank) + " row " +
                                      std::to_string(row);
            ASSERT_LE(banks.TotalCapacity(), kCount) << where;
            for (int b = 0; b < 10; ++b) {
                ASSERT_EQ(banks.BankCapacity(b), model.capacities[b]) << where << " capacity " << b;
            }
            for (int p = 0; p < kCount; ++p) {
                ASSERT_EQ(Identity(p), model.records[p]) << where << " position " << p;
            }
            ASSERT_EQ(static_cast<int>(prompter.shown.size()), model.prompts) << where;
        }
    }
}

}  // namespace
}  // namespace orvane
