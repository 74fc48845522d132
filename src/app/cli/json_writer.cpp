#include "app/cli/json_writer.h"

#include <charconv>
#include <cmath>

namespace wattora {

std::string JsonQuoted(std::string_view text) {
  std::string out = "\"";
  for (char c : text) {
    const unsigned char u = static_cast<unsigned char>(c);
    switch (c) {
      case '"': out += "\\\""; break;
      case '\\': out += "\\\\"; break;
      case '\n': out += "\\n"; break;
      case '\r': out += "\\r"; break;
      case '\t': out += "\\t"; break;
      default:
        if (u < 0x20) {
          static const char kHex[] = "0123456789abcdef";
          out += "\\u00";
          out += kHex[u >> 4];
          out += kHex[u & 15];
        } else {
          out += c;
        }
    }
  }
  out += '"';
  return out;
}

void JsonWriter::BeforeValue() {
  if (afterKey_) {
    afterKey_ = false;
    return;
  }
  if (!firstInScope_.empty()) {
    if (!firstInScope_.back()) out_ += ',';
    firstInScope_.back() = false;
  }
}

void JsonWriter::BeginObject() {
  BeforeValue();
  out_ += '{';
  firstInScope_.push_back(true);
}

void JsonWriter::EndObject() {
  out_ += '}';
  firstInScope_.pop_back();
}

void JsonWriter::BeginArray() {
  BeforeValue();
  out_ += '[';
  firstInScope_.push_back(true);
}

void JsonWriter::EndArray() {
  out_ += ']';
  firstInScope_.pop_back();
}

void JsonWriter::Key(std::string_view key) {
  BeforeValue();
  out_ += JsonQuoted(key);
  out_ += ':';
  afterKey_ = true;
}

void JsonWriter::String(std::string_view value) {
  BeforeValue();
  out_ += JsonQuoted(value);
}

void JsonWriter::Number(double value) {
  BeforeValue();
  if (!std::isfinite(value)) {
    out_ += "null";
    return;
  }
  if (value == 0) value = 0;  // no "-0"
  char buffer[64];
  auto [end, ec] = std::to_chars(buffer, buffer + sizeof buffer, value);
  out_.append(buffer, ec == std::errc() ? end : buffer);
}

void JsonWriter::Integer(long long value) {
  BeforeValue();
  out_ += std::to_string(value);
}

void JsonWriter::Bool(bool value) {
  BeforeValue();
  out_ += value ? "true" : "false";
}

void JsonWriter::Null() {
  BeforeValue();
  out_ += "null";
}

}  // namespace wattora
