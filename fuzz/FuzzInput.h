// Reads a fuzzer's bytes as the choices of a run: small numbers, picks from a range, reals. Past the end every
// read answers 0, so any input is a whole run.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstring>

namespace fuzz {

class FuzzInput {
  public:
    FuzzInput(const uint8_t* data, size_t size) : data_(data), size_(size) {}

    bool Empty() const { return pos_ >= size_; }
    uint8_t Byte() { return pos_ < size_ ? data_[pos_++] : 0; }
    uint16_t Word() { return static_cast<uint16_t>(Byte() | (Byte() << 8)); }
    // A number from 0 to count - 1 (count at least 1).
    uint32_t Below(uint32_t count) { return count <= 256 ? Byte() % count : Word() % count; }
    bool Flag() { return (Byte() & 1) != 0; }
    // A float taken bit for bit: any value at all, NaN and infinities included.
    float AnyFloat() {
        uint32_t bits = static_cast<uint32_t>(Word()) | (static_cast<uint32_t>(Word()) << 16);
        float value;
        std::memcpy(&value, &bits, sizeof value);
        return value;
    }

  private:
    const uint8_t* data_;
    size_t size_;
    size_t pos_ = 0;
};

}  // namespace fuzz
