// Reading osslsigncode's verify output: rows of its output (abridged from real runs) and
// what lumora-disc makes of them.
#include <gtest/gtest.h>

#include "disc/signature_text.h"

namespace {

const char signed_self[] =
    "PE checksum   : 0008C921\n\nSignature Index: 0  (Primary Signature)\n\n"
    "Message digest algorithm  : SHA256\n"
    "Current message digest    : E5F2E2B6D9D8 \nCalculated message digest : E5F2E2B6D9D8 \n\n"
    "Signer's certificate:\n\t------------------\n\tSigner #0:\n"
    "\t\tSubject: /CN=Test Maker/O=Test Works\n\t\tIssuer : /CN=Test CA\n\t\tSerial : 4985\n"
    "Signing certificate chain verified using:\n\t------------------\n\tSigner #0:\n"
    "\t\tSubject: /CN=Other/O=Other\n\t\tIssuer : /CN=Other\n";

struct Crow {
  const char* name;
  std::string output;
  bool present, intact, verified;
  const char* subject;
  const char* issuer;
};

TEST(SignatureText, ReadsVerifyOutput) {
  const Crow rows[] = {
      {"unsigned", "PE checksum   : 00090BA3\nNo signature found\nFailed\n", false, true, false, "", ""},
      {"verified", std::string(signed_self) + "\nSignature verification: ok\n\nNumber of verified signatures: 1\nSucceeded\n",
       true, true, true, "/CN=Test Maker/O=Test Works", "/CN=Test CA"},
      {"chain not verified", std::string(signed_self) + "\tError: self-signed certificate\n\nPKCS7_verify error\n"
                             "Signature verification: failed\n\nNumber of verified signatures: 1\nFailed\n",
       true, true, false, "/CN=Test Maker/O=Test Works", "/CN=Test CA"},
      // A changed file: osslsigncode says so first and stops before the signer.
      {"changed after signing",
       "Signature verification: failed\n\nSignature Index: 0  (Primary Signature)\n\n"
       "Current message digest    : E5F2E2B6 \nCalculated message digest : 07762E5C     MISMATCH!!!\n\nFailed\n",
       true, false, false, "", ""},
  };
  for (const Crow& row : rows) {
    const disc::Csignature signature = disc::read_verify_output(row.output);
    EXPECT_EQ(signature.present, row.present) << row.name;
    EXPECT_EQ(signature.intact, row.intact) << row.name;
    EXPECT_EQ(signature.verified, row.verified) << row.name;
    EXPECT_EQ(signature.subject, row.subject) << row.name;
    EXPECT_EQ(signature.issuer, row.issuer) << row.name;
  }
}

TEST(SignatureText, SignerName) {
  const struct {
    const char* subject;
    const char* name;
  } rows[] = {
      {"/CN=Test Maker/O=Test Works", "Test Maker"},
      {"/C=JP/O=Works/CN=Lumora Games", "Lumora Games"},
      {"/O=Works Only", "/O=Works Only"},
  };
  for (const auto& row : rows) EXPECT_EQ(disc::signer_name(row.subject), row.name) << row.subject;
}

}  // namespace
