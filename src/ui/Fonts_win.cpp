// Font choice. Asking by name alone is not enough: for a missing face the font mapper picks
// some font that may lack Chinese glyphs (empty boxes). So the installed families that cover
// the GB2312 character set are listed first, and a face is chosen from that list.
#include "ui/Fonts_win.h"

#include <algorithm>
#include <initializer_list>
#include <vector>

namespace tesserin::ui {
namespace {

// Names a family may be installed under (localised and English), then fallbacks in order of
// likeness: serif (宋体-like) faces for 宋体, sans faces for 微软雅黑.
constexpr std::initializer_list<const wchar_t*> kSongNames = {L"宋体", L"SimSun", L"新宋体", L"NSimSun"};
constexpr std::initializer_list<const wchar_t*> kYaHeiNames = {L"微软雅黑", L"Microsoft YaHei"};
constexpr std::initializer_list<const wchar_t*> kFallbacks = {
    L"WenQuanYi Zen Hei Sharp", L"WenQuanYi Zen Hei", L"Noto Sans CJK SC", L"Source Han Sans SC",
    L"黑体", L"SimHei", L"等线", L"DengXian", L"WenQuanYi Micro Hei", L"AR PL UMing CN",
    L"Noto Serif CJK SC"};

int CALLBACK Collect(const LOGFONTW* font, const TEXTMETRICW*, DWORD, LPARAM param) {
  auto* names = reinterpret_cast<std::vector<std::wstring>*>(param);
  if (font->lfFaceName[0] != L'@') names->emplace_back(font->lfFaceName);  // '@': vertical
  return 1;
}

// The installed families that cover GB2312.
std::vector<std::wstring> ChineseFamilies() {
  std::vector<std::wstring> names;
  LOGFONTW query{};
  query.lfCharSet = GB2312_CHARSET;
  HDC dc = GetDC(nullptr);
  EnumFontFamiliesExW(dc, &query, Collect, reinterpret_cast<LPARAM>(&names), 0);
  ReleaseDC(nullptr, dc);
  return names;
}

}  // namespace

std::wstring ResolveFamily(Family family) {
  static const std::vector<std::wstring> installed = ChineseFamilies();
  auto has = [](const wchar_t* name) {
    return std::find(installed.begin(), installed.end(), name) != installed.end();
  };
  const auto& own = family == Family::SongTi ? kSongNames : kYaHeiNames;
  const auto& other = family == Family::SongTi ? kYaHeiNames : kSongNames;
  for (const auto* names : {&own, &kFallbacks, &other})
    for (const wchar_t* name : *names)
      if (has(name)) return name;
  if (!installed.empty()) return installed.front();
  return *own.begin();  // nothing covers Chinese: let the font mapper try
}

FontSet::FontSet(UINT dpi) {
  const std::wstring faces[] = {ResolveFamily(Family::SongTi), ResolveFamily(Family::YaHei)};
  for (int i = 0; i < static_cast<int>(FontRole::Count); ++i) {
    const FontSpec& wanted = kFonts[i];
    fonts_[i].reset(CreateFontW(-MulDiv(wanted.pixels, dpi, kBaseDpi), 0, 0, 0,
                                wanted.bold ? FW_BOLD : FW_NORMAL, FALSE, FALSE, FALSE,
                                GB2312_CHARSET, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS,
                                DEFAULT_QUALITY, DEFAULT_PITCH | FF_DONTCARE,
                                faces[static_cast<int>(wanted.family)].c_str()));
  }
}

}  // namespace tesserin::ui
