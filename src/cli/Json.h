// A minimal JSON object writer for the batch reader: string and integer members, one nested
// object, output always valid UTF-8.
#pragma once

#include <string>
#include <string_view>

namespace tesserin {

class JsonObject {
 public:
  explicit JsonObject(std::string& out) : out_(out) { out_ += '{'; }
  // `utf8` may hold invalid bytes; each becomes U+FFFD.
  JsonObject& Add(std::string_view key, std::string_view utf8);
  JsonObject& Add(std::string_view key, int value);
  JsonObject& Open(std::string_view key);   // a nested object
  JsonObject& Close();                      // ends the innermost object

 private:
  void Key(std::string_view key);
  std::string& out_;
  bool first_ = true;
};

void AppendJsonString(std::string& out, std::string_view utf8);

}  // namespace tesserin
