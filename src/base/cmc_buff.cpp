#include "base/cmc_buff.h"

#include <algorithm>
#include <cstring>

#include "base/fatal.h"

namespace orvane {

cmcBuff& cmcBuff::operator=(const cmcBuff& other) {
    if (this != &other) {
        Copy(other);
    }
    return *this;
}

void cmcBuff::Clear() {
    storage_ = std::make_unique<std::uint8_t[]>(1);
    readOffset_ = 0;
    length_ = 0;
    capacity_ = 1;
}

void cmcBuff::Reallocate(std::int32_t capacity) {
    capacity = std::max(capacity, 1);
    auto storage = std::make_unique<std::uint8_t[]>(static_cast<std::size_t>(capacity));
    std::int32_t kept = std::min(length_, capacity);
    if (kept > 0) {
        std::memcpy(storage.get(), Data(), static_cast<std::size_t>(kept));
    }
    std::memset(storage.get() + kept, kFillByte, static_cast<std::size_t>(capacity - kept));
    storage_ = std::move(storage);
    readOffset_ = 0;
    capacity_ = capacity;
}

void cmcBuff::SetLength(std::int32_t length) {
    length = std::max(length, 0);
    if (capacity_ < length) {
        Reallocate(length + length_ / 4);
    } else if (length > length_) {
        std::memset(Data() + length_, kFillByte, static_cast<std::size_t>(length - length_));
    }
    length_ = length;
}

void cmcBuff::Assign(const std::uint8_t* bytes, std::int32_t count) {
    SetLength(0);
    Append(bytes, count);
}

void cmcBuff::Append(const std::uint8_t* bytes, std::int32_t count) {
    if (count <= 0) {
        return;
    }
    std::int32_t start = length_;
    SetLength(length_ + count);
    std::memcpy(Data() + start, bytes, static_cast<std::size_t>(count));
}

void cmcBuff::AppendFill(std::uint8_t byte, std::int32_t count) {
    if (count <= 0) {
        return;
    }
    std::int32_t start = length_;
    SetLength(length_ + count);
    std::memset(Data() + start, byte, static_cast<std::size_t>(count));
}

void cmcBuff::Copy(const cmcBuff& other) {
    SetLength(other.length_);
    if (other.length_ > 0) {
        std::memmove(Data(), other.Data(), static_cast<std::size_t>(other.length_));
    }
}

std::uint8_t& cmcBuff::At(std::int32_t i) {
    if (i < 0 || i >= length_) {
        Fatal("Out of cmcBuff element !");
    }
    return Data()[i];
}

std::uint8_t cmcBuff::At(std::int32_t i) const { return const_cast<cmcBuff*>(this)->At(i); }

int cmcBuff::PopFront() {
    if (length_ <= 0) {
        return -1;
    }
    int byte = Data()[0];
    ++readOffset_;
    --capacity_;
    --length_;
    if (readOffset_ > kCompactAfter) {
        Compact();
    }
    return byte;
}

void cmcBuff::Compact() { Reallocate(length_); }

}  // namespace orvane
