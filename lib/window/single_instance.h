// The single-instance guard of the programs: a named mutex held for the program's lifetime.
#ifndef ZOR_WINDOW_SINGLE_INSTANCE_H
#define ZOR_WINDOW_SINGLE_INSTANCE_H

#include <windows.h>

#include <string>

namespace ZOR {

// The message a program shows when its mutex cannot be created.
extern const wchar_t single_instance_failed_message[];

// Creates the named mutex with initial ownership and holds it until destroyed. The state
// tells whether this process is the only one, another holds the name, or the creation
// failed (recorded as Win32 "CreateMutex").
class Csingle_instance {
 public:
  enum class State { owner, already_running, failed };

  explicit Csingle_instance(const std::wstring& mutex_name);
  ~Csingle_instance();
  Csingle_instance(const Csingle_instance&) = delete;
  Csingle_instance& operator=(const Csingle_instance&) = delete;

  State state() const { return state_; }
  // The start-up check of every program: true when this process holds the name. False
  // without a message when another process holds it (the program ends silently); false
  // after single_instance_failed_message in a warning box with caption when the mutex
  // could not be created.
  bool may_run(const std::wstring& caption) const;

 private:
  HANDLE mutex_ = nullptr;
  State state_ = State::failed;
};

}  // namespace ZOR

#endif
