// A minimal JSON object writer for the batch reader: string members under the program's own
// plain ASCII keys, output always valid UTF-8. A completed reading appends its members as
// ready pieces instead.
#pragma once

#include <string>
#include <string_view>

namespace tesserin {

class JsonObject {
 public:
  explicit JsonObject(std::string& out) : out_(out) { out_ += '{'; }
  // `utf8` may hold invalid bytes; each becomes U+FFFD.
  JsonObject& Add(std::string_view key, std::string_view utf8);
  JsonObject& Close();

 private:
  void Key(std::string_view key);
  std::string& out_;
  bool first_ = true;
};

// `utf8` between quotes, escaped; invalid bytes become U+FFFD.
void AppendJsonString(std::string& out, std::string_view utf8);

}  // namespace tesserin
