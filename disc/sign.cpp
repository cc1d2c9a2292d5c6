// Authenticode signing and reading through osslsigncode, the maker's PFX opened by openssl.
#include "disc/sign.h"

#include <fcntl.h>
#include <poll.h>
#include <spawn.h>
#include <sys/wait.h>
#include <termios.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <csignal>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <initializer_list>
#include <fstream>
#include <iostream>
#include <sstream>
#include <system_error>
#include <vector>

#include "disc/native_text.h"
#include "disc/signature_text.h"
#include "lib/rules/startup_rules.h"

extern char** environ;

namespace disc {

const char no_timestamp_note[] =
    "note: the programs are signed without a timestamp (--timestamp URL): Windows stops trusting their "
    "signatures when the certificate expires";

namespace {

namespace fs = std::filesystem;

// Where Debian keeps the certificate authorities that openssl (and so osslsigncode) trusts.
const char system_authorities[] = "/etc/ssl/certs/ca-certificates.crt";

// A file descriptor closed by its owner.
class Cdescriptor {
 public:
  explicit Cdescriptor(int fd = -1) : fd_(fd) {}
  Cdescriptor(const Cdescriptor&) = delete;
  Cdescriptor& operator=(const Cdescriptor&) = delete;
  ~Cdescriptor() { reset(); }
  int get() const { return fd_; }
  void reset() {
    if (fd_ >= 0) ::close(fd_);
    fd_ = -1;
  }

 private:
  int fd_;
};

// What one run of a tool gave.
struct Crun {
  int status = -1;     // the exit status; -1 when it ended by a signal
  std::string output;  // its standard output
  std::string errors;  // its standard error
};

// Runs arguments[0] (found on PATH) with input on its standard input, collecting its output
// and errors. False with why when it could not be started.
bool run_tool(const std::vector<std::string>& arguments, const std::string& input, Crun& run, std::string& why) {
  int in[2], out[2], err[2];
  if (::pipe2(in, O_CLOEXEC) != 0) {
    why = std::string("pipe: ") + std::strerror(errno);
    return false;
  }
  Cdescriptor in_read(in[0]), in_write(in[1]);
  if (::pipe2(out, O_CLOEXEC) != 0) {
    why = std::string("pipe: ") + std::strerror(errno);
    return false;
  }
  Cdescriptor out_read(out[0]), out_write(out[1]);
  if (::pipe2(err, O_CLOEXEC) != 0) {
    why = std::string("pipe: ") + std::strerror(errno);
    return false;
  }
  Cdescriptor err_read(err[0]), err_write(err[1]);
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_adddup2(&actions, in_read.get(), 0);
  posix_spawn_file_actions_adddup2(&actions, out_write.get(), 1);
  posix_spawn_file_actions_adddup2(&actions, err_write.get(), 2);
  std::vector<char*> argv;
  for (const std::string& argument : arguments) argv.push_back(const_cast<char*>(argument.c_str()));
  argv.push_back(nullptr);
  pid_t pid = 0;
  const int spawned = posix_spawnp(&pid, argv[0], &actions, nullptr, argv.data(), environ);
  posix_spawn_file_actions_destroy(&actions);
  if (spawned != 0) {
    why = arguments[0] + ": " + std::strerror(spawned);
    return false;
  }
  in_read.reset();
  out_write.reset();
  err_write.reset();
  // A tool that ends before reading its input must not end this one with SIGPIPE.
  std::signal(SIGPIPE, SIG_IGN);
  std::size_t written = 0;
  while (written < input.size()) {
    const ssize_t n = ::write(in_write.get(), input.data() + written, input.size() - written);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) break;
    written += static_cast<std::size_t>(n);
  }
  in_write.reset();
  // Both pipes at once: a tool filling one while this waits on the other would hang.
  pollfd polled[2] = {{out_read.get(), POLLIN, 0}, {err_read.get(), POLLIN, 0}};
  std::string* sinks[2] = {&run.output, &run.errors};
  int open_pipes = 2;
  while (open_pipes > 0) {
    if (::poll(polled, 2, -1) < 0) {
      if (errno == EINTR) continue;
      break;
    }
    for (int i = 0; i < 2; ++i) {
      if (polled[i].fd < 0 || polled[i].revents == 0) continue;
      char buffer[4096];
      const ssize_t n = ::read(polled[i].fd, buffer, sizeof buffer);
      if (n > 0) {
        sinks[i]->append(buffer, static_cast<std::size_t>(n));
      } else if (n == 0 || errno != EINTR) {
        polled[i].fd = -1;
        --open_pipes;
      }
    }
  }
  int status = 0;
  while (::waitpid(pid, &status, 0) < 0) {
    if (errno != EINTR) {
      why = arguments[0] + ": " + std::strerror(errno);
      return false;
    }
  }
  run.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  return true;
}

// The first line of a tool's errors that says what went wrong (openssl's own error stack
// lines, "4097B9...:error:...", follow it).
std::string first_error_line(const Crun& run) {
  std::istringstream lines(run.errors + "\n" + run.output);
  std::string line;
  while (std::getline(lines, line)) {
    line = trimmed(line);
    if (!line.empty() && line != "Failed" && line.rfind("Connecting to", 0) != 0) return line;
  }
  return "exit status " + std::to_string(run.status);
}

// The line of text holding any of words, or empty.
std::string line_with(const std::string& text, std::initializer_list<const char*> words) {
  std::istringstream lines(text);
  std::string line;
  while (std::getline(lines, line)) {
    for (const char* word : words) {
      if (line.find(word) != std::string::npos) return trimmed(line);
    }
  }
  return "";
}

// Reads the password's first line from file, or from standard input (not echoed when that
// is a terminal). False with why when it cannot be read.
bool read_password(const std::string& file, std::string& password, std::string& why) {
  if (!file.empty()) {
    std::ifstream stream(file, std::ios::binary);
    if (!stream) {
      why = file + ": " + std::strerror(errno);
      return false;
    }
    std::getline(stream, password);
  } else if (::isatty(0)) {
    std::fputs("lumora-disc: password of the certificate: ", stderr);
    termios saved{};
    const bool quiet = ::tcgetattr(0, &saved) == 0;
    if (quiet) {
      termios silent = saved;
      silent.c_lflag &= ~static_cast<tcflag_t>(ECHO);
      ::tcsetattr(0, TCSAFLUSH, &silent);
    }
    std::getline(std::cin, password);
    if (quiet) ::tcsetattr(0, TCSAFLUSH, &saved);
    std::fputs("\n", stderr);
  } else {
    std::getline(std::cin, password);
  }
  if (!password.empty() && password.back() == '\r') password.pop_back();
  return true;
}

}  // namespace

bool signer_available(std::string& why) {
  Crun run;
  if (!run_tool({"osslsigncode", "--version"}, "", run, why) || run.status != 0) {
    why = "signing needs osslsigncode (Debian package osslsigncode), which cannot be run: " + why;
    return false;
  }
  return true;
}

bool read_signature(const std::string& path, Csignature& signature, std::string& why) {
  Crun run;
  if (!run_tool({"osslsigncode", "verify", "-in", path}, "", run, why)) {
    why = "osslsigncode (Debian package osslsigncode) cannot be run: " + why;
    return false;
  }
  signature = read_verify_output(run.output);
  return true;
}

Csigner::~Csigner() {
  std::fill(password_.begin(), password_.end(), '\0');
  std::error_code error;
  if (!folder_.empty()) fs::remove_all(folder_, error);
}

bool Csigner::make_folder(std::string& why) {
  std::error_code error;
  std::string pattern = (fs::temp_directory_path(error) / "lumora-disc-sign-XXXXXX").string();
  if (error) pattern = "/tmp/lumora-disc-sign-XXXXXX";
  std::vector<char> name(pattern.begin(), pattern.end());
  name.push_back('\0');
  // mkdtemp makes it with mode 0700: the signed copies are this user's alone until written.
  if (::mkdtemp(name.data()) == nullptr) {
    why = pattern + ": " + std::strerror(errno);
    return false;
  }
  folder_ = name.data();
  return true;
}

bool Csigner::open(const Csign_options& options, std::string& why) {
  options_ = options;
  if (!signer_available(why)) return false;
  std::ifstream pfx(options.pfx, std::ios::binary);
  if (!pfx) {
    why = options.pfx + ": " + std::strerror(errno);
    return false;
  }
  if (!read_password(options.password_file, password_, why) || !make_folder(why)) return false;
  // -legacy: a PFX exported by older Windows is encrypted with RC2, which OpenSSL 3 reads
  // only through its legacy provider; newer ones read the same with it.
  const std::string certificates = folder_ + "/certificates.pem";
  Crun run;
  if (!run_tool({"openssl", "pkcs12", "-in", options.pfx, "-nokeys", "-legacy", "-passin", "stdin", "-out",
                 certificates},
                password_ + "\n", run, why)) {
    why = "openssl (Debian package openssl) cannot be run: " + why;
    return false;
  }
  if (run.status != 0) {
    if (run.errors.find("invalid password") != std::string::npos) {
      why = options.pfx + ": the password does not open the certificate (wrong password? it was read from " +
            (options.password_file.empty() ? std::string("standard input") : options.password_file) + ")";
    } else {
      why = options.pfx + ": openssl cannot read the certificate: " + first_error_line(run);
    }
    return false;
  }
  // The maker's own certificates make a self-signed one trusted here; an authority's need
  // its root, which this machine's list holds.
  trusted_ = folder_ + "/trusted.pem";
  std::ofstream trusted(trusted_, std::ios::binary);
  std::ifstream own(certificates, std::ios::binary);
  trusted << own.rdbuf();
  std::ifstream authorities(system_authorities, std::ios::binary);
  if (authorities) trusted << authorities.rdbuf();
  trusted.close();
  if (!trusted) {
    why = trusted_ + ": cannot be written";
    return false;
  }
  return true;
}

bool Csigner::sign(const std::string& source, const std::string& name, const std::string& description,
                   std::time_t signing_time, std::string& signed_path, std::string& why) {
  signed_path = folder_ + "/" + name;
  std::vector<std::string> arguments = {"osslsigncode", "sign", "-pkcs12", options_.pfx, "-readpass", "-",
                                        "-h", "sha256", "-n", description};
  if (!options_.timestamp_url.empty()) {
    arguments.insert(arguments.end(), {"-ts", options_.timestamp_url});
  } else {
    // A fixed signing time: the signature, and so the image, has the same bytes again.
    arguments.insert(arguments.end(), {"-time", std::to_string(static_cast<long long>(signing_time))});
  }
  arguments.insert(arguments.end(), {"-in", source, "-out", signed_path});
  Crun run;
  if (!run_tool(arguments, password_ + "\n", run, why)) {
    why = "osslsigncode cannot be run: " + why;
    return false;
  }
  if (run.status != 0) {
    const std::string timestamp = line_with(run.errors + run.output, {"HTTP failure", "imestamping failed"});
    if (!options_.timestamp_url.empty() && !timestamp.empty()) {
      why = name + ": the timestamp server " + options_.timestamp_url + " cannot be reached or gave no timestamp (" + timestamp + ")";
    } else {
      why = name + ": osslsigncode cannot sign it: " + first_error_line(run);
    }
    return false;
  }
  if (!run_tool({"osslsigncode", "verify", "-CAfile", trusted_, "-in", signed_path}, "", run, why)) {
    why = "osslsigncode cannot be run: " + why;
    return false;
  }
  const Csignature signature = read_verify_output(run.output);
  if (run.status != 0 || !signature.verified) {
    const std::string error = line_with(run.output + "\n" + run.errors, {"Error:", "error"});
    why = name + ": its signature does not verify against the certificate of " + options_.pfx +
          (error.empty() ? "" : " (" + error + ")");
    return false;
  }
  signer_ = signer_name(signature.subject);
  return true;
}

std::vector<std::string> shipped_program_names() {
  std::vector<std::string> names;
  for (const std::wstring& name : ZOR::setup_data_programs()) names.push_back(utf8_of(name));
  names.push_back(utf8_of(ZOR::autorun_program_name()));
  return names;
}

bool sign_programs(const Csign_options& options, const std::string& programs_folder, const std::wstring& title,
                   std::time_t signing_time, std::vector<Cdisc_tree>& discs, Csigner& signer, std::vector<std::string>& said, std::string& why) {
  if (!signer.open(options, why)) return false;
  // The signed copies, applied only once every program is signed.
  struct Csigned_copy {
    Cdisc_file* file;
    std::string path;
    std::uintmax_t size;
  };
  std::vector<Csigned_copy> signed_copies;
  std::string kept;
  for (Cdisc_tree& disc : discs) {
    for (Cdisc_file& file : disc.files) {
      for (const std::string& program : shipped_program_names()) {
        // The layout takes the build's programs by these absolute paths.
        if (fs::path(file.source) != fs::absolute(programs_folder) / program) continue;
        Csignature signature;
        if (!read_signature(file.source, signature, why)) return false;
        // A program changed since its signing is signed again.
        if (signature.present && signature.intact) {
          kept += std::string(kept.empty() ? "" : ", ") + program + " (signed by " + signer_name(signature.subject) + ")";
          continue;
        }
        std::string signed_path;
        if (!signer.sign(file.source, program, utf8_of(title), signing_time, signed_path, why)) return false;
        std::error_code error;
        const std::uintmax_t size = fs::file_size(signed_path, error);
        if (error) {
          why = signed_path + ": " + error.message();
          return false;
        }
        signed_copies.push_back(Csigned_copy{&file, signed_path, size});
      }
    }
  }
  std::string names;
  for (const Csigned_copy& copy : signed_copies) {
    copy.file->source = copy.path;
    copy.file->size = copy.size;
    names += (names.empty() ? "" : ", ") + copy.file->disc_path.substr(copy.file->disc_path.rfind('/') + 1);
  }
  if (!names.empty()) said.push_back("signed " + names + " with the certificate of " + signer.signer());
  if (!kept.empty()) said.push_back("taken as they are: " + kept);
  if (!names.empty() && options.timestamp_url.empty()) said.push_back(no_timestamp_note);
  return true;
}

}  // namespace disc
