#pragma once
// Little-endian byte building for module files made by tests and tools.

#include <cstdint>
#include <cstring>
#include <string>
#include <string_view>

namespace ec::writer {

class ByteWriter {
 public:
  ByteWriter& Byte(uint8_t v) { return Raw(&v, 1); }
  ByteWriter& Int16(int16_t v) { return Raw(&v, 2); }
  ByteWriter& Int32(int32_t v) { return Raw(&v, 4); }
  ByteWriter& Double(double v) { return Raw(&v, 8); }
  ByteWriter& Bytes(std::string_view bytes) {
    out_.append(bytes);
    return *this;
  }
  // int32 length, then the bytes.
  ByteWriter& Counted(std::string_view bytes) {
    Int32(static_cast<int32_t>(bytes.size()));
    return Bytes(bytes);
  }
  // The bytes and a closing zero byte.
  ByteWriter& ZeroText(std::string_view text) {
    Bytes(text);
    return Byte(0);
  }
  // An int32 count and the counted page block.
  ByteWriter& Page(int32_t count, std::string_view block) {
    Int32(count);
    return Counted(block);
  }
  const std::string& str() const { return out_; }
  size_t size() const { return out_.size(); }

 private:
  ByteWriter& Raw(const void* data, size_t size) {
    out_.append(static_cast<const char*>(data), size);
    return *this;
  }
  std::string out_;
};

}  // namespace ec::writer
