#pragma once
// A small JSON writer: objects, arrays, strings, shortest round-trip numbers.

#include <string>
#include <string_view>
#include <vector>

namespace wattora {

class JsonWriter {
 public:
  void BeginObject();
  void EndObject();
  void BeginArray();
  void EndArray();
  void Key(std::string_view key);
  void String(std::string_view value);
  void Number(double value);  // non-finite values are written as null
  void Integer(long long value);
  void Bool(bool value);
  void Null();

  const std::string& Text() const { return out_; }

 private:
  void BeforeValue();
  std::string out_;
  std::vector<bool> firstInScope_;
  bool afterKey_ = false;
};

// The JSON string literal of UTF-8 text, with quotes.
std::string JsonQuoted(std::string_view text);

}  // namespace wattora
