// The single-instance guard: CreateMutexW with initial ownership, closed with its owner.
#include "lib/window/single_instance.h"

#include "lib/error/error.h"

namespace ZOR {

const wchar_t single_instance_failed_message[] = L"ミューテックスの作成に失敗しました。";

Csingle_instance::Csingle_instance(const std::wstring& mutex_name) {
  mutex_ = CreateMutexW(nullptr, TRUE, mutex_name.c_str());
  if (mutex_ == nullptr) {
    const DWORD code = GetLastError();
    // A name held by an elevated program (Setup) cannot be opened without elevation: the
    // creation is then refused with ERROR_ACCESS_DENIED, which says that the name exists.
    if (code == ERROR_ACCESS_DENIED) {
      state_ = State::already_running;
      return;
    }
    set_win32_error_code(static_cast<std::int32_t>(code), L"CreateMutex");
    state_ = State::failed;
    return;
  }
  // Read before any other call can change the last-error value.
  state_ = GetLastError() == ERROR_ALREADY_EXISTS ? State::already_running : State::owner;
}

bool Csingle_instance::may_run(const std::wstring& caption) const {
  if (state_ == State::failed) message_box(single_instance_failed_message, caption, MB_ICONWARNING);
  return state_ == State::owner;
}

Csingle_instance::~Csingle_instance() {
  if (mutex_ != nullptr) CloseHandle(mutex_);
}

}  // namespace ZOR
