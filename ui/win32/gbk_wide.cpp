#include "ui/win32/gbk_wide.h"

#include <windows.h>

namespace vq {
namespace {
constexpr UINT kGbkCodePage = 936;
}  // namespace

std::wstring WideFromGbk(const Text& text) {
  if (text.Empty()) return {};
  const int byte_count = static_cast<int>(text.Size());
  const int length = MultiByteToWideChar(kGbkCodePage, 0, text.CStr(), byte_count, nullptr, 0);
  if (length <= 0) return {};
  std::wstring wide(static_cast<std::size_t>(length), L'\0');
  MultiByteToWideChar(kGbkCodePage, 0, text.CStr(), byte_count, wide.data(), length);
  return wide;
}

Text GbkFromWide(std::wstring_view wide) {
  if (wide.empty()) return {};
  const int char_count = static_cast<int>(wide.size());
  const int length =
      WideCharToMultiByte(kGbkCodePage, 0, wide.data(), char_count, nullptr, 0, "?", nullptr);
  if (length <= 0) return {};
  std::string bytes(static_cast<std::size_t>(length), '\0');
  WideCharToMultiByte(kGbkCodePage, 0, wide.data(), char_count, bytes.data(), length, "?", nullptr);
  return Text(std::string_view(bytes));
}

}  // namespace vq
