// Test helper: another process that reads the clipboard. Writes the clipboard's text to the
// file named by its argument as UTF-16 (no terminator, no byte-order mark).
// Exit code 0 with text, 1 when the clipboard holds no text, 2 on a usage or file error.
#include <windows.h>

#include "ClipboardReading_win.h"

int wmain(int argc, wchar_t** argv) {
  if (argc != 2) return 2;
  const auto text = tesserin::testing::ClipboardText();
  if (!text) return 1;
  HANDLE file = CreateFileW(argv[1], GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return 2;
  DWORD written = 0;
  const DWORD bytes = static_cast<DWORD>(text->size() * sizeof(wchar_t));
  const bool ok = WriteFile(file, text->data(), bytes, &written, nullptr) && written == bytes;
  CloseHandle(file);
  return ok ? 0 : 2;
}
