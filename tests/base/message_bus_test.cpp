#include "base/message_bus.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

namespace orvane {
namespace {

// A subscriber that logs what it receives and runs an optional reaction.
class Recorder : public BusSubscriber {
public:
    explicit Recorder(std::string name, std::vector<std::string>* log = nullptr)
        : name_(std::move(name)), log_(log) {}
    void OnBusMessage(const BusMessage& message) override {
        received.push_back(message);
        if (log_) log_->push_back(name_ + ":" + std::to_string(message.kind));
        if (react) react(message);
    }
    std::vector<BusMessage> received;
    std::function<void(const BusMessage&)> react;

private:
    std::string name_;
    std::vector<std::string>* log_;
};

TEST(MessageBusTest, NewestSubscriberHearsFirstAndResubscribingMovesToFront) {
    MessageBus bus;
    std::vector<std::string> log;
    Recorder a("a", &log), b("b", &log);
    bus.Subscribe(&a);
    bus.Subscribe(&b);
    bus.Post(4, 0, 0, true);
    bus.Subscribe(&a);
    bus.Post(5, 0, 0, true);
    EXPECT_EQ(log, (std::vector<std::string>{"b:4", "a:4", "a:5", "b:5"}));
    bus.Subscribe(nullptr);  // ignored
}

TEST(MessageBusTest, QueuedMessagesWaitForThePumpInOrder) {
    MessageBus bus;
    Recorder a("a");
    bus.Subscribe(&a);
    bus.Post(15, 1, 2, false);
    bus.Post(16, 3, 4, false);
    EXPECT_TRUE(a.received.empty());
    bus.Pump();
    ASSERT_EQ(a.received.size(), 2u);
    EXPECT_EQ(a.received[0].kind, 15);
    EXPECT_EQ(a.received[0].int1, 1);
    EXPECT_EQ(a.received[1].int2, 4);
    EXPECT_EQ(bus.QueuedCount(), 0u);
}

TEST(MessageBusTest, PostedDuringPumpWaitsForTheNextPump) {
    MessageBus bus;
    Recorder a("a");
    a.react = [&](const BusMessage& m) {
        if (m.kind == 1) bus.Post(2, 0, 0, false);
    };
    bus.Subscribe(&a);
    bus.Post(1, 0, 0, false);
    bus.Pump();
    ASSERT_EQ(a.received.size(), 1u);
    bus.Pump();
    ASSERT_EQ(a.received.size(), 2u);
    EXPECT_EQ(a.received[1].kind, 2);
}

TEST(MessageBusTest, UnsubscribingDuringDeliveryTakesEffectAtOnce) {
    MessageBus bus;
    Recorder self("self"), other("other");
    bus.Subscribe(&other);
    bus.Subscribe(&self);  // called first
    self.react = [&](const BusMessage&) { bus.Unsubscribe(&self); };
    bus.Post(1, 0, 0, false);
    bus.Post(2, 0, 0, false);
    bus.Pump();
    EXPECT_EQ(self.received.size(), 1u);  // not the rest of this pump
    EXPECT_EQ(other.received.size(), 2u);
}

TEST(MessageBusTest, UnsubscribingAnotherDuringDeliverySkipsIt) {
    MessageBus bus;
    Recorder first("first"), later("later");
    bus.Subscribe(&later);
    bus.Subscribe(&first);
    first.react = [&](const BusMessage&) { bus.Unsubscribe(&later); };
    bus.Post(1, 0, 0, true);
    EXPECT_TRUE(later.received.empty());
}

TEST(MessageBusTest, TextPayloadIsCopiedWithItsZero) {
    MessageBus bus;
    Recorder a("a");
    bus.Subscribe(&a);
    {
        std::string text = " Copied";
        bus.PostText(4, 1, 2, text, false);
        text = "changed";
    }
    bus.Pump();
    ASSERT_EQ(a.received.size(), 1u);
    EXPECT_EQ(a.received[0].payload.size(), 8u);
    EXPECT_EQ(a.received[0].payload.back(), 0);
    EXPECT_EQ(a.received[0].PayloadText(), " Copied");
    bus.Post(4, 0, 0, std::vector<std::uint8_t>{}, true);
    EXPECT_TRUE(a.received[1].payload.empty());
}

TEST(MessageBusTest, QueryReturnsTheFirstReplyAndNestedQueriesKeepTheirOwn) {
    MessageBus bus;
    Recorder outer("outer"), inner("inner");
    bus.Subscribe(&inner);
    bus.Subscribe(&outer);  // asked first
    outer.react = [&](const BusMessage& m) {
        if (m.kind == 27) {
            auto nested = bus.Query(42, 0, 0);
            ASSERT_TRUE(nested.has_value());
            EXPECT_EQ(nested->int1, 7);
            bus.Reply(1, 2);
        }
    };
    inner.react = [&](const BusMessage& m) {
        if (m.kind == 42) bus.Reply(7, 8);
        if (m.kind == 27) bus.Reply(std::vector<std::uint8_t>{'x', 0});
    };
    auto reply = bus.Query(27, 0, 0);
    ASSERT_TRUE(reply.has_value());
    EXPECT_EQ(reply->int1, 1);
    EXPECT_EQ(reply->int2, 2);
    EXPECT_FALSE(bus.Query(99, 0, 0).has_value());
}

TEST(MessageBusTest, ReplyOutsideAQueryIsIgnored) {
    MessageBus bus;
    bus.Reply(1, 2);
    EXPECT_FALSE(bus.Query(1, 0, 0).has_value());
}

}  // namespace
}  // namespace orvane
