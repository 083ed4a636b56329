#pragma once
// The application-wide message channel between the main controller, the sheets, menus,
// tree, data model and clone transport. Direct calls go only downwards; everything that
// reports upwards posts a numbered message here. Delivery is immediate or queued for
// the next pump; queries collect replies from the subscribers.

#include <cstdint>
#include <list>
#include <optional>
#include <string_view>
#include <vector>

namespace orvane {

struct BusMessage {
    std::int32_t kind = 0;
    bool immediate = false;
    // Wide enough to carry an object's address, which some kinds do.
    std::intptr_t int1 = 0;
    std::intptr_t int2 = 0;
    std::vector<std::uint8_t> payload;  // empty when none was given

    // The payload as text, without its terminating zero.
    std::string_view PayloadText() const;
};

struct BusReply {
    std::intptr_t int1 = 0;
    std::intptr_t int2 = 0;
    std::vector<std::uint8_t> payload;
};

class BusSubscriber {
public:
    virtual ~BusSubscriber() = default;
    virtual void OnBusMessage(const BusMessage& message) = 0;
};

class MessageBus {
public:
    MessageBus() = default;
    MessageBus(const MessageBus&) = delete;
    MessageBus& operator=(const MessageBus&) = delete;

    // The newest subscriber is called first. Subscribing again moves it to the front.
    // A null subscriber is ignored.
    void Subscribe(BusSubscriber* subscriber);
    // Takes effect at once, even in the middle of a delivery; the entry is freed at the
    // next pump.
    void Unsubscribe(BusSubscriber* subscriber);

    void Post(std::int32_t kind, std::intptr_t int1, std::intptr_t int2, bool immediate);
    void Post(std::int32_t kind, std::intptr_t int1, std::intptr_t int2,
              const std::vector<std::uint8_t>& payload, bool immediate);
    // Text payloads carry their terminating zero.
    void PostText(std::int32_t kind, std::intptr_t int1, std::intptr_t int2, std::string_view text,
                  bool immediate);

    // Delivers at once and returns the first reply, if any subscriber replied.
    std::optional<BusReply> Query(std::int32_t kind, std::intptr_t int1, std::intptr_t int2);
    // Called by a subscriber while it handles a query.
    void Reply(std::intptr_t int1, std::intptr_t int2);
    void Reply(const std::vector<std::uint8_t>& payload);

    // Delivers the queued messages that were posted before this pump began, then frees
    // delivered messages and removed subscribers. Run every 10 ms by a periodic task.
    void Pump();

    std::size_t QueuedCount() const { return queue_.size(); }

private:
    struct Subscription {
        BusSubscriber* subscriber;
        bool removed;
    };
    struct Queued {
        BusMessage message;
        bool delivered;
        bool isNew;
    };

    void Deliver(const BusMessage& message);
    void Enqueue(BusMessage message);

    std::list<Subscription> subscribers_;  // stable while callbacks subscribe
    std::vector<Queued> queue_;
    std::vector<std::vector<BusReply>> replyLevels_;  // one per open query
};

}  // namespace orvane
