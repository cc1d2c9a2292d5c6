// Which programs of the disc carry an Authenticode signature, and whose.
#include "disc/signature_checks.h"

#include <map>
#include <utility>
#include <string>

#include "disc/native_files.h"
#include "disc/native_text.h"
#include "disc/sign.h"
#include "lib/rules/startup_rules.h"
#include "lib/text/text.h"

namespace disc {
namespace {

const char unsigned_advice[] =
    "a player's Windows shows \"Publisher: Unknown\" when Setup.exe asks for administrator rights, and "
    "SmartScreen may warn before Autorun.exe or Setup.exe starts from a downloaded image; sign them with "
    "build --sign PFX (see docs/disc_tool.md)";

std::string listed(const std::vector<std::string>& names) {
  std::string text;
  for (const std::string& name : names) text += (text.empty() ? "" : ", ") + name;
  return text;
}

std::string parent_of(const std::string& path) {
  const std::size_t slash = path.rfind('/');
  return slash == std::string::npos ? "." : path.substr(0, slash);
}

// The copy of program that build puts on the disc: the programs' folder's, else the one in
// the maker's folder (Autorun.exe beside it); empty when there is none.
std::string shipped(const Ccheck_input& input, const std::string& program) {
  if (!input.programs_folder.empty() && linux_path_kind(input.programs_folder + "/" + program) == 1) {
    return input.programs_folder + "/" + program;
  }
  const std::string own = (program == utf8_of(ZOR::autorun_program_name()) ? parent_of(input.folder) : input.folder) + "/" + program;
  return linux_path_kind(own) == 1 ? own : std::string();
}

bool is_exe(const std::string& name) {
  return name.size() > 4 && ZOR::lower_copy(name.substr(name.size() - 4)) == ".exe";
}

// One of the five programs, in any ASCII case (as Windows compares names): build replaces it.
bool is_shipped_program(const std::string& name) {
  for (const std::string& program : shipped_program_names()) {
    if (ZOR::lower_copy(name) == ZOR::lower_copy(program)) return true;
  }
  return false;
}

// Every .exe below folder (relative paths, in name order), but the five programs at its top,
// which build replaces.
void maker_programs(const std::string& folder, const std::string& below, std::vector<std::string>& found) {
  for (const std::string& name : linux_folder_names(folder + (below.empty() ? "" : "/" + below))) {
    const std::string relative = below.empty() ? name : below + "/" + name;
    const int kind = linux_path_kind(folder + "/" + relative);
    if (kind == 0) {
      maker_programs(folder, relative, found);
    } else if (kind == 1 && is_exe(name) && !(below.empty() && is_shipped_program(name))) {
      found.push_back(relative);
    }
  }
}

Cproblem problem(const std::string& path, const std::string& text, bool warning) {
  Cproblem made;
  made.path = path;
  made.text = text;
  made.warning = warning;
  made.information = !warning;
  return made;
}

}  // namespace

void check_signatures(const Ccheck_input& input, std::vector<Cproblem>& problems) {
  std::string why;
  if (!signer_available(why)) {
    problems.push_back(problem(input.folder, "cannot tell whether the programs are signed: " + why, true));
    return;
  }
  if (!input.programs_signed_by_build) {
    std::vector<std::string> unsigned_programs;
    std::vector<std::string> changed_programs;
    // By signer (the name, then the rest of the line after the programs): the programs.
    std::map<std::pair<std::string, std::string>, std::vector<std::string>> by_signer;
    for (const std::string& program : shipped_program_names()) {
      const std::string path = shipped(input, program);
      Csignature signature;
      if (path.empty() || !read_signature(path, signature, why)) continue;
      if (!signature.present) {
        unsigned_programs.push_back(program);
        continue;
      }
      if (!signature.intact) {
        changed_programs.push_back(program);
        continue;
      }
      std::string rest = " (" + signature.subject + ", issued by " + signature.issuer + ")";
      if (!signature.verified) {
        rest += " -- this machine's certificate authorities do not vouch for that certificate (self-signed?): "
                "a player's Windows trusts it no more than no signature";
      }
      by_signer[{signer_name(signature.subject), rest}].push_back(program);
    }
    const std::string where = input.programs_folder.empty() ? input.folder : input.programs_folder;
    if (!unsigned_programs.empty()) {
      problems.push_back(problem(where, "not signed: " + listed(unsigned_programs) + " -- " + unsigned_advice, true));
    }
    if (!changed_programs.empty()) {
      problems.push_back(problem(where, "changed after signing (the signature no longer matches): " +
                                            listed(changed_programs) + " -- Windows treats the signature as invalid; " +
                                            "sign the build's programs with build --sign PFX", true));
    }
    for (const auto& [signer, programs] : by_signer) {
      problems.push_back(problem(where, "signed by " + signer.first + ": " + listed(programs) + signer.second, false));
    }
  }
  for (const std::string& folder : {input.folder, input.second_folder}) {
    if (folder.empty()) continue;
    std::vector<std::string> found;
    maker_programs(folder, "", found);
    std::vector<std::string> unsigned_programs;
    for (const std::string& relative : found) {
      Csignature signature;
      if (read_signature(folder + "/" + relative, signature, why) && !signature.present) {
        unsigned_programs.push_back(relative);
      }
    }
    if (!unsigned_programs.empty()) {
      problems.push_back(problem(folder, "the game's own programs not signed: " + listed(unsigned_programs) +
                                             " (lumora-disc ships them as they are)", false));
    }
  }
}

}  // namespace disc
