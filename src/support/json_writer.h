#pragma once
// A streaming JSON writer for large outputs: values go straight into a buffer
// that is flushed to the stream in blocks, with no document built in memory.
// Texts are written as UTF-8; invalid sequences become U+FFFD.

#include <cstdint>
#include <ostream>
#include <string>
#include <string_view>

namespace ec {

class JsonWriter {
 public:
  explicit JsonWriter(std::ostream& out) : out_(out) {}
  ~JsonWriter() { Flush(); }
  JsonWriter(const JsonWriter&) = delete;
  JsonWriter& operator=(const JsonWriter&) = delete;

  JsonWriter& BeginObject() { return Open('{'); }
  JsonWriter& EndObject() { return Close('}'); }
  JsonWriter& BeginArray() { return Open('['); }
  JsonWriter& EndArray() { return Close(']'); }
  JsonWriter& Key(std::string_view key);
  JsonWriter& String(std::string_view text);
  JsonWriter& Bool(bool value);
  JsonWriter& Int(int64_t value);
  JsonWriter& Double(double value);  // NaN and infinities are written as null

  void Flush();

 private:
  JsonWriter& Open(char bracket);
  JsonWriter& Close(char bracket);
  void Separate();  // a comma before every value but the first of its container
  void Raw(std::string_view text);

  std::ostream& out_;
  std::string buffer_;
  bool needComma_ = false;
};

}  // namespace ec
