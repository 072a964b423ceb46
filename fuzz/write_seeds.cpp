// Writes the seed inputs of the capture targets into DIR/<target>/: the profile blocks the
// scanner tests read (digit and 12-pixel layouts, colours, marker rows), as block recipes and as
// whole pictures, and the glyph templates as glyph strings. Usage: write_seeds DIR
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "PictureFormats.h"

namespace {

using namespace tesserin;
using fuzz::BlockSeed;

std::vector<std::pair<std::string, BlockSeed>> Blocks() {
  auto digits = [](std::string age, std::string month, std::string day, int markerRow = 40) {
    BlockSeed s;
    s.age = std::move(age);
    s.month = std::move(month);
    s.day = {std::move(day)};
    s.markerRow = markerRow;
    return s;
  };
  auto wide = [](std::string age, std::string month, std::vector<std::string> day) {
    BlockSeed s;
    s.wide = true;
    s.age = std::move(age);
    s.month = std::move(month);
    s.day = std::move(day);
    return s;
  };
  std::vector<std::pair<std::string, BlockSeed>> blocks = {
      {"digits-25-3-14", digits("25", "3", "14")},
      {"digits-31-12-28", digits("31", "12", "28")},
      {"digits-19-10-7", digits("19", "10", "7")},
      {"marker-near-bottom", digits("88", "1", "30", 280)},
      {"marker-at-top", digits("25", "3", "14", 0)},
      {"marker-at-row-300", digits("25", "3", "14", 300)},
      {"wide-11-10-5", wide("25", "11", {"10", "5"})},
      {"wide-3-2-10", wide("27", "3", {"2", "10"})},
      {"wide-12-20-3", wide("33", "12", {"20", "3"})},
      {"wide-day-in-second-cell", wide("22", "5", {"", "5"})},
      {"wide-four-day-characters", wide("22", "5", {"10", "10"})},
  };
  BlockSeed s = digits("25", "3", "14");
  s.markerRow = -1;
  blocks.push_back({"no-marker", s});
  s = digits("25", "3", "14");
  s.blankCells = true;
  blocks.push_back({"blank-cells", s});
  s = digits("25", "3", "14");
  s.ink = 0x00FF0000;  // blue ink reads as paper
  blocks.push_back({"blue-ink", s});
  s = digits("25", "3", "14");
  s.paper = 0x00A0A0A0;  // paper starting "10" reads as ink
  blocks.push_back({"grey-paper", s});
  s = digits("25", "3", "14");
  s.rememberedIndex = 20;  // a 12-pixel template remembered from an earlier scan
  s.edits = {{3, 45, kWhite}, {57, 41, kBlack}, {100, 50, kOutside}};
  blocks.push_back({"changed-pixels", s});
  return blocks;
}

void Write(const std::filesystem::path& file, const std::string& bytes) {
  std::ofstream(file, std::ios::binary).write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: write_seeds DIR\n");
    return 64;
  }
  std::filesystem::path root = argv[1];
  for (const char* target : {"capture_block", "capture_picture", "glyph_matcher"}) {
    std::filesystem::create_directories(root / target);
  }
  for (const auto& [name, seed] : Blocks()) {
    std::string recipe = fuzz::EncodeBlockRecipe(seed);
    Write(root / "capture_block" / name, recipe);
    fuzz::ByteReader reader(reinterpret_cast<const std::uint8_t*>(recipe.data()), recipe.size());
    fuzz::BlockRecipe decoded = fuzz::DecodeBlockRecipe(reader);
    PixelImage picture(0, 0);
    decoded.PaintUnchanged(picture);
    decoded.ApplyEdits(picture);
    Write(root / "capture_picture" / name, fuzz::EncodePalettePicture(picture, seed.rememberedIndex));
  }
  Write(root / "capture_picture" / "empty", fuzz::EncodePalettePicture(PixelImage(0, 0), 0));
  Write(root / "capture_picture" / "small-black", fuzz::EncodePalettePicture(PixelImage(7, 9, kBlack), 0));
  for (std::size_t i = 0; i < kGlyphCount; ++i) {
    for (char either : {'0', '1'}) {
      std::string glyph(GlyphTemplates[i]);
      for (char& c : glyph) c = c == 'x' ? either : c;
      Write(root / "glyph_matcher" / ("template-" + std::to_string(i) + "-" + either), std::string(1, '\0') + glyph);
    }
  }
  Write(root / "glyph_matcher" / "short", std::string(1, '\5') + "0101");
  return 0;
}
