// Reading osslsigncode's verify output.
#include "disc/signature_text.h"

#include <cstring>
#include <sstream>

namespace disc {
namespace {

// The value of "Name : value" when line (trimmed) is that field, else empty.
std::string field_value(const std::string& line, const char* name) {
  const std::string text = trimmed(line);
  const std::size_t length = std::strlen(name);
  if (text.compare(0, length, name) != 0) return "";
  const std::string rest = trimmed(text.substr(length));
  if (rest.empty() || rest[0] != ':') return "";
  return trimmed(rest.substr(1));
}

}  // namespace

std::string trimmed(const std::string& text) {
  const std::size_t first = text.find_first_not_of(" \t\r");
  if (first == std::string::npos) return "";
  return text.substr(first, text.find_last_not_of(" \t\r") - first + 1);
}

Csignature read_verify_output(const std::string& output) {
  Csignature signature;
  std::istringstream lines(output);
  std::string line;
  bool in_signer = false;
  bool ok = false;
  bool failed = false;
  while (std::getline(lines, line)) {
    const std::string text = trimmed(line);
    if (text.rfind("Signature Index:", 0) == 0) {
      signature.present = true;
    } else if (text == "Signer's certificate:") {
      in_signer = signature.subject.empty();
    } else if (in_signer && signature.subject.empty() && !field_value(text, "Subject").empty()) {
      signature.subject = field_value(text, "Subject");
    } else if (in_signer && signature.issuer.empty() && !field_value(text, "Issuer").empty()) {
      signature.issuer = field_value(text, "Issuer");
      in_signer = false;
    } else if (text.rfind("Calculated message digest", 0) == 0 && text.find("MISMATCH") != std::string::npos) {
      signature.intact = false;
    } else if (text == "Signature verification: ok") {
      ok = true;
    } else if (text == "Signature verification: failed") {
      failed = true;
    }
  }
  signature.verified = signature.present && signature.intact && ok && !failed;
  return signature;
}

std::string signer_name(const std::string& subject) {
  std::size_t at = subject.find("/CN=");
  if (at != std::string::npos) {
    at += 4;
  } else if (subject.rfind("CN=", 0) == 0) {
    at = 3;
  } else {
    return subject;
  }
  return subject.substr(at, subject.find('/', at) - at);
}

}  // namespace disc
