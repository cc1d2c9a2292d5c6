// The walk's pictures of the screen.
#include "disc/walker/screen_shot.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>

#include "lib/text/codepage.h"

namespace walker {

namespace {

int shot_number = 0;

}  // namespace

std::wstring environment(const wchar_t* name) {
  wchar_t value[1024] = {};
  DWORD length = GetEnvironmentVariableW(name, value, 1024);
  return length > 0 && length < 1024 ? std::wstring(value) : std::wstring();
}

std::wstring shoot(const std::wstring& folder, const std::string& name) {
  const int width = GetSystemMetrics(SM_CXSCREEN);
  const int height = GetSystemMetrics(SM_CYSCREEN);
  HDC screen = GetDC(nullptr);
  HDC memory = CreateCompatibleDC(screen);
  BITMAPINFO info = {};
  info.bmiHeader.biSize = sizeof(info.bmiHeader);
  info.bmiHeader.biWidth = width;
  info.bmiHeader.biHeight = height;
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 24;
  void* bits = nullptr;
  HBITMAP bitmap = CreateDIBSection(screen, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
  HGDIOBJ old = SelectObject(memory, bitmap);
  BitBlt(memory, 0, 0, width, height, screen, 0, 0, SRCCOPY);
  GdiFlush();
  const DWORD row = ((width * 3 + 3) / 4) * 4;
  BITMAPFILEHEADER file_header = {};
  file_header.bfType = 0x4D42;
  file_header.bfOffBits = sizeof(BITMAPFILEHEADER) + sizeof(BITMAPINFOHEADER);
  file_header.bfSize = file_header.bfOffBits + row * height;
  char number[8];
  snprintf(number, sizeof number, "%02d-", ++shot_number);
  const std::wstring file_name = ZOR::from_multibyte(number + name) + L".bmp";
  const std::wstring path = folder + L"\\" + file_name;
  std::ofstream out(path.c_str(), std::ios::binary);
  out.write(reinterpret_cast<const char*>(&file_header), sizeof file_header);
  out.write(reinterpret_cast<const char*>(&info.bmiHeader), sizeof info.bmiHeader);
  out.write(static_cast<const char*>(bits), static_cast<std::streamsize>(row) * height);
  EXPECT_TRUE(out.good()) << "cannot write " << testing::PrintToString(path);
  SelectObject(memory, old);
  DeleteObject(bitmap);
  DeleteDC(memory);
  ReleaseDC(nullptr, screen);
  printf("  screenshot %02d-%s\n", shot_number, name.c_str());
  return out.good() ? file_name : std::wstring();
}

std::wstring settle_and_shoot(const std::wstring& folder, const std::string& name) {
  Sleep(400);
  return shoot(folder, name);
}

}  // namespace walker
