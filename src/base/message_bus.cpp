#include "base/message_bus.h"

#include <algorithm>

namespace orvane {

std::string_view BusMessage::PayloadText() const {
    std::string_view text(reinterpret_cast<const char*>(payload.data()), payload.size());
    return text.substr(0, text.find('\0'));
}

void MessageBus::Subscribe(BusSubscriber* subscriber) {
    if (subscriber == nullptr) {
        return;
    }
    Unsubscribe(subscriber);
    subscribers_.push_front(Subscription{subscriber, false});
}

void MessageBus::Unsubscribe(BusSubscriber* subscriber) {
    for (Subscription& subscription : subscribers_) {
        if (subscription.subscriber == subscriber) {
            subscription.removed = true;
        }
    }
}

void MessageBus::Deliver(const BusMessage& message) {
    for (Subscription& subscription : subscribers_) {
        if (!subscription.removed) {
            subscription.subscriber->OnBusMessage(message);
        }
    }
}

void MessageBus::Enqueue(BusMessage message) {
    if (message.immediate) {
        Deliver(message);
    } else {
        queue_.push_back(Queued{std::move(message), false, true});
    }
}

void MessageBus::Post(std::int32_t kind, std::intptr_t int1, std::intptr_t int2, bool immediate) {
    Enqueue(BusMessage{kind, immediate, int1, int2, {}});
}

void MessageBus::Post(std::int32_t kind, std::intptr_t int1, std::intptr_t int2,
                      const std::vector<std::uint8_t>& payload, bool immediate) {
    Enqueue(BusMessage{kind, immediate, int1, int2, payload});
}

void MessageBus::PostText(std::int32_t kind, std::intptr_t int1, std::intptr_t int2,
                          std::string_view text, bool immediate) {
    std::vector<std::uint8_t> payload(text.begin(), text.end());
    payload.push_back(0);
    Post(kind, int1, int2, payload, immediate);
}

std::optional<BusReply> MessageBus::Query(std::int32_t kind, std::intptr_t int1,
                                          std::intptr_t int2) {
    replyLevels_.emplace_back();
    Deliver(BusMessage{kind, true, int1, int2, {}});
    std::vector<BusReply> replies = std::move(replyLevels_.back());
    replyLevels_.pop_back();
    if (replies.empty()) {
        return std::nullopt;
    }
    return std::move(replies.front());
}

void MessageBus::Reply(std::intptr_t int1, std::intptr_t int2) {
    if (!replyLevels_.empty()) {
        replyLevels_.back().push_back(BusReply{int1, int2, {}});
    }
}

void MessageBus::Reply(const std::vector<std::uint8_t>& payload) {
    if (!replyLevels_.empty()) {
        replyLevels_.back().push_back(BusReply{0, 0, payload});
    }
}

void MessageBus::Pump() {
    for (Queued& queued : queue_) {
        queued.isNew = false;
    }
    // By index: deliveries may post, which appends (as new) and may reallocate.
    for (std::size_t i = 0; i < queue_.size(); ++i) {
        if (queue_[i].delivered || queue_[i].isNew) {
            continue;
        }
        queue_[i].delivered = true;
        BusMessage message = queue_[i].message;
        Deliver(message);
    }
    std::erase_if(queue_, [](const Queued& queued) { return queued.delivered; });
    subscribers_.remove_if([](const Subscription& s) { return s.removed; });
}

}  // namespace orvane
