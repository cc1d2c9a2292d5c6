// What osslsigncode's verify command prints, read: whether a program is signed, intact and
// verified, and whose certificate signed it. Text only, no process is run.
#ifndef ZOR_DISC_SIGNATURE_TEXT_H
#define ZOR_DISC_SIGNATURE_TEXT_H

#include <string>

namespace disc {

// What `osslsigncode verify` says of one file.
struct Csignature {
  bool present = false;   // the file carries a signature
  bool intact = true;     // the file is as it was signed (its digest matches the signature's)
  bool verified = false;  // intact, and the certificate chain verified
  std::string subject;    // the signer's certificate, as "/CN=Maker/O=Works"
  std::string issuer;
};

// Reads the output of `osslsigncode verify` (the primary signature's signer).
Csignature read_verify_output(const std::string& output);

// The signer a reader knows: the CN of subject ("/CN=Maker/O=Works" gives "Maker"), or the
// whole subject when it has none.
std::string signer_name(const std::string& subject);

// text without its leading and trailing blanks (spaces, tabs, carriage returns).
std::string trimmed(const std::string& text);

}  // namespace disc

#endif
