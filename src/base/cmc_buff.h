#pragma once
// A growable byte buffer with cheap removal from the front: the serial transmit queue
// and the clone engine's receive, frame and echo buffers.

#include <cstdint>
#include <memory>

namespace orvane {

class cmcBuff {
public:
    cmcBuff() { Clear(); }
    cmcBuff(const cmcBuff& other) : cmcBuff() { Copy(other); }
    cmcBuff& operator=(const cmcBuff& other);

    // Releases the storage: an empty buffer with one byte of storage.
    void Clear();
    // Grows (with a quarter of the held length as headroom) or shrinks the held length;
    // grown space holds the fill byte.
    void SetLength(std::int32_t length);
    void Assign(const std::uint8_t* bytes, std::int32_t count);
    void Append(const std::uint8_t* bytes, std::int32_t count);
    void AppendBuffer(const cmcBuff& other) { Append(other.Data(), other.Length()); }
    void AppendByte(std::uint8_t byte) { Append(&byte, 1); }
    void AppendFill(std::uint8_t byte, std::int32_t count);
    void Copy(const cmcBuff& other);

    // Byte i of the held bytes; i outside them is fatal.
    std::uint8_t& At(std::int32_t i);
    std::uint8_t At(std::int32_t i) const;
    // The first byte, removed; -1 when empty.
    int PopFront();
    // Reallocates to exactly the held bytes.
    void Compact();

    std::int32_t Length() const { return length_; }
    std::int32_t Capacity() const { return capacity_; }
    const std::uint8_t* Data() const { return storage_.get() + readOffset_; }
    std::uint8_t* Data() { return storage_.get() + readOffset_; }

private:
    static constexpr std::int32_t kCompactAfter = 4096;
    static constexpr std::uint8_t kFillByte = 0;

    void Reallocate(std::int32_t capacity);

    std::unique_ptr<std::uint8_t[]> storage_;
    std::int32_t readOffset_ = 0;
    std::int32_t length_ = 0;
    std::int32_t capacity_ = 0;
};

}  // namespace orvane
