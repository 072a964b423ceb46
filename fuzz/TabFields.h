// Splits a fuzz input into a fixed number of TAB-separated texts; the last takes the rest,
// TABs included, and missing ones are empty.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string_view>

namespace tesserin::fuzz {

template <std::size_t N>
std::array<std::string_view, N> TabFields(const std::uint8_t* data, std::size_t size) {
  std::string_view rest(reinterpret_cast<const char*>(data), size);
  std::array<std::string_view, N> fields{};
  for (std::size_t i = 0; i + 1 < N; ++i) {
    std::size_t tab = rest.find('\t');
    if (tab == std::string_view::npos) {
      fields[i] = rest;
      return fields;
    }
    fields[i] = rest.substr(0, tab);
    rest.remove_prefix(tab + 1);
  }
  fields[N - 1] = rest;
  return fields;
}

}  // namespace tesserin::fuzz
