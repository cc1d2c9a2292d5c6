// Authenticode signatures of the programs on the disc, made and read by osslsigncode (the
// certificates read from the maker's PFX by openssl): signing the disc's copies, verifying
// them against the maker's certificate, and reading who signed a program.
#ifndef ZOR_DISC_SIGN_H
#define ZOR_DISC_SIGN_H

#include <ctime>
#include <string>
#include <vector>

#include "disc/layout.h"
#include "disc/signature_text.h"

namespace disc {

// True when osslsigncode can be run; false with why naming the Debian package.
bool signer_available(std::string& why);

// Reads the signature of the file at path, its chain verified against this machine's
// certificate authorities. False with why only when osslsigncode could not be run.
bool read_signature(const std::string& path, Csignature& signature, std::string& why);

// What --sign, --sign-password-file and --timestamp ask for.
struct Csign_options {
  std::string pfx;            // the maker's certificate and key (PKCS#12)
  std::string password_file;  // its password's file; empty: standard input
  std::string timestamp_url;  // an RFC 3161 timestamp server; empty: none
};

// Said once per signed build without a timestamp server.
extern const char no_timestamp_note[];

// Signs copies of programs with the maker's certificate, in a private folder (mode 0700)
// that lives as long as the signer. The password is held in memory only and handed to
// openssl and osslsigncode through a pipe on their standard input, never on a command line
// or on disk. Not copyable.
class Csigner {
 public:
  Csigner() = default;
  Csigner(const Csigner&) = delete;
  Csigner& operator=(const Csigner&) = delete;
  ~Csigner();

  // Reads the password (from the file, or standard input, without echo on a terminal),
  // opens the PFX with it and keeps its certificates. False with why (a wrong password,
  // an unreadable file, osslsigncode missing).
  bool open(const Csign_options& options, std::string& why);

  // Signs the file at source (which stays as it is) with SHA-256 and description as the
  // signature's description, into the signer's folder as name; then verifies the copy
  // against the PFX's certificates. signed_path receives the copy's path. signing_time is
  // written as the signature's time (the images' own, so that the same input gives the same
  // bytes); with a timestamp server, the server's time counts instead.
  // False with why naming the program and the cause (the timestamp server by its URL).
  bool sign(const std::string& source, const std::string& name, const std::string& description,
            std::time_t signing_time, std::string& signed_path, std::string& why);

  // The signer of the PFX's certificate, as signer_name gives it; set by sign.
  const std::string& signer() const { return signer_; }

 private:
  bool make_folder(std::string& why);

  Csign_options options_;
  std::string password_;
  std::string folder_;
  std::string trusted_;  // the PFX's certificates and this machine's authorities (PEM)
  std::string signer_;
};

// The five programs that build ships (and signs), by their names on the disc, Setup.exe first.
std::vector<std::string> shipped_program_names();

// Signs, with signer opened on options, the build's programs among the files of discs (those
// whose source lies in programs_folder), title as the description: each such file's source
// and size become its signed copy's, which lives as long as signer. A program signed already
// (and intact) is taken as it is. signing_time as for Csigner::sign. said receives what the maker is told (who signed which, the timestamp
// note). False with why at the first failure; discs then are as they were.
bool sign_programs(const Csign_options& options, const std::string& programs_folder, const std::wstring& title,
                   std::time_t signing_time, std::vector<Cdisc_tree>& discs, Csigner& signer, std::vector<std::string>& said, std::string& why);

}  // namespace disc

#endif
