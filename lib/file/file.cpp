// Stream files over the C runtime with uniform failure records, and the Cfile owner.
#include "lib/file/file.h"

#include "lib/error/error.h"
#include "lib/text/codepage.h"

#include <cerrno>
#include <cstdio>

namespace ZOR {

namespace {

const wchar_t* const not_open_message = L"ファイルが開かれていません。";

}  // namespace

bool file_open(FILE*& handle, const std::wstring& path, const wchar_t* mode) {
  handle = nullptr;
  if (!mode) {
    set_invalid_argument_error(L"file_open");
    return false;
  }
  FILE* opened = _wfopen(path.c_str(), mode);
  if (!opened) {
    const int code = errno;
    Cerror_info info;
    info.kind = Cerror_info::kind_errno;
    info.code = code;
    info.operation = std::wstring(L"fopen(\"") + mode + L"\")";
    set_last_error(info);
    return false;
  }
  handle = opened;
  return true;
}

bool file_close(FILE*& handle) {
  if (!handle) return true;
  // fclose releases the stream even when it fails, so the handle is gone either way.
  FILE* closing = handle;
  handle = nullptr;
  // The buffered bytes are written first and that write is checked on its own: the C
  // runtime under Wine reports a failed final write from fflush but not from fclose, and a
  // file whose tail never reached the disc must not pass as closed.
  const bool flushed = std::fflush(closing) == 0;
  const int flush_error = errno;
  if (std::fclose(closing) != 0 || !flushed) {
    if (!flushed) errno = flush_error;
    set_errno_error(L"fclose");
    return false;
  }
  return true;
}

namespace {

// Checks the arguments of a read or write; on failure records it under operation.
bool stream_arguments_valid(const void* buffer, std::int64_t length, FILE* handle, const wchar_t* operation) {
  if (!handle) {
    set_message_error(not_open_message, operation);
    return false;
  }
  if (!buffer || length < 0) {
    set_invalid_argument_error(operation);
    return false;
  }
  return true;
}

}  // namespace

std::int64_t file_read(void* buffer, std::int64_t length, FILE* handle) {
  clear_last_error();
  if (!stream_arguments_valid(buffer, length, handle, L"file_read")) return 0;
  const size_t count = std::fread(buffer, 1, static_cast<size_t>(length), handle);
  if (static_cast<std::int64_t>(count) < length && std::ferror(handle)) set_errno_error(L"fread");
  return static_cast<std::int64_t>(count);
}

std::int64_t file_write(const void* buffer, std::int64_t length, FILE* handle) {
  if (!stream_arguments_valid(buffer, length, handle, L"file_write")) return 0;
  const size_t count = std::fwrite(buffer, 1, static_cast<size_t>(length), handle);
  if (static_cast<std::int64_t>(count) < length) set_errno_error(L"fwrite");
  return static_cast<std::int64_t>(count);
}

bool file_seek(FILE* handle, int origin, std::int64_t offset) {
  if (!handle) {
    set_message_error(not_open_message, L"file_seek");
    return false;
  }
  // The C runtime aborts on an unknown origin instead of failing, so it is checked here.
  if (origin != SEEK_SET && origin != SEEK_CUR && origin != SEEK_END) {
    set_invalid_argument_error(L"file_seek");
    return false;
  }
  if (_fseeki64(handle, offset, origin) != 0) {
    set_errno_error(L"fseek");
    return false;
  }
  return true;
}

std::int64_t file_tell(FILE* handle) {
  if (!handle) {
    set_message_error(not_open_message, L"file_tell");
    return 0;
  }
  const std::int64_t offset = _ftelli64(handle);
  if (offset < 0) {
    set_errno_error(L"ftell");
    return -1;
  }
  return offset;
}

Cfile::~Cfile() {
  close();
}

bool Cfile::open(const std::wstring& path, const wchar_t* mode) {
  clear_last_error();
  if (!close()) return false;
  size = 0;
  if (!file_open(handle, path, mode)) return false;
  // A stream that cannot be measured is closed again; the seek or tell record stays.
  auto abandon = [this] {
    std::fclose(handle);
    handle = nullptr;
    return false;
  };
  if (!file_seek(handle, SEEK_END)) return abandon();
  clear_last_error();
  const std::int64_t end = file_tell(handle);
  if (end < 0 || !file_seek(handle, SEEK_SET)) return abandon();
  size = end;
  return true;
}

bool Cfile::close() {
  return file_close(handle);
}

bool Cfile::write_text(const std::wstring& text) {
  const std::string bytes = to_multibyte(text);
  const auto length = static_cast<std::int64_t>(bytes.size());
  const std::int64_t written = file_write(bytes.data(), length, handle);
  return handle != nullptr && written == length;
}

}  // namespace ZOR
