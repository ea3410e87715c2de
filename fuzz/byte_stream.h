// A fuzz input read as a stream of little values: bytes, little-endian words and runs of
// bytes, with zeros once it runs out, so that every input means something.
#ifndef RUVA_FUZZ_BYTE_STREAM_H_
#define RUVA_FUZZ_BYTE_STREAM_H_

#include <cstddef>
#include <cstdint>
#include <string>

class ByteStream {
 public:
  ByteStream(const uint8_t* data, std::size_t size) : data_(data), size_(size) {}

  bool empty() const { return at_ >= size_; }
  uint8_t byte() { return at_ < size_ ? data_[at_++] : 0; }
  int32_t word() {
    uint32_t v = 0;
    for (int i = 0; i < 4; ++i) v |= static_cast<uint32_t>(byte()) << (8 * i);
    return static_cast<int32_t>(v);
  }
  // The next `count` bytes, fewer where the input ends.
  std::string bytes(std::size_t count) {
    const std::size_t take = count < size_ - at_ ? count : size_ - at_;
    std::string out(reinterpret_cast<const char*>(data_ + at_), take);
    at_ += take;
    return out;
  }

 private:
  const uint8_t* data_;
  std::size_t size_;
  std::size_t at_ = 0;
};

#endif  // RUVA_FUZZ_BYTE_STREAM_H_
