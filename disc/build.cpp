// build: the layout, one image per disc, its reading back, and what the tool reports.
#include "disc/build.h"

#include <unistd.h>

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <system_error>

#include "disc/medium.h"
#include "disc/native_files.h"
#include "disc/report.h"

namespace disc {

namespace fs = std::filesystem;

bool valid_volume_label(const std::string& label) {
  if (label.empty() || label.size() > 32) return false;
  for (char c : label) {
    if (!std::isalnum(static_cast<unsigned char>(c)) && c != '_') return false;
  }
  return true;
}

std::string volume_label(const std::string& base, const std::wstring& reg_path, int number, int count) {
  std::string label;
  if (!base.empty()) {
    label = base;
  } else {
    for (wchar_t c : reg_path) {
      label += (c < 128 && std::isalnum(static_cast<int>(c))) ? static_cast<char>(c) : '_';
    }
    if (label.empty()) label = "LUMORA_DISC";
  }
  for (char& c : label) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
  const std::string suffix = count > 1 ? "_" + std::to_string(number) : "";
  if (label.size() + suffix.size() > 32) label.resize(32 - suffix.size());
  return label + suffix;
}

std::string default_programs_folder() {
  std::error_code error;
  const fs::path self = fs::read_symlink("/proc/self/exe", error);
  if (error) return "bin";
  const fs::path prefix = self.parent_path().parent_path();
  // Installed: PREFIX/bin/lumora-disc, and everything it ships in PREFIX/share/lumora-disc.
  const fs::path installed = prefix / "share" / "lumora-disc";
  if (fs::is_directory(installed, error)) return installed.string();
  // In the build tree: build/disc/lumora-disc, the programs in build/bin.
  return (prefix / "bin").string();
}

std::time_t image_timestamp(const Clayout& layout) {
  const char* epoch = std::getenv("SOURCE_DATE_EPOCH");
  if (epoch != nullptr && *epoch != '\0') {
    char* end = nullptr;
    const long long value = std::strtoll(epoch, &end, 10);
    if (*end == '\0' && value >= 0) return static_cast<std::time_t>(value);
  }
  std::time_t newest = 0;
  for (const Cdisc_tree& tree : layout.discs) {
    for (const Cdisc_file& file : tree.files) {
      if (file.maker) newest = std::max(newest, linux_file_time(file.source));
    }
  }
  return newest;
}

bool build_discs(const Cbuild_request& request, std::vector<Cdisc_report>& reports, std::vector<std::string>& said,
                 std::string& why) {
  Clayout_input input;
  input.folder = request.check.folder;
  input.second_folder = request.check.second_folder;
  input.programs_folder = request.check.programs_folder;
  Clayout layout;
  if (!lay_out_discs(input, layout, why)) return false;
  const std::time_t timestamp = image_timestamp(layout);
  // Holds the signed copies until the images are written.
  Csigner signer;
  if (!request.sign.pfx.empty() &&
      !sign_programs(request.sign, input.programs_folder, layout.game_title, timestamp, layout.discs, signer, said,
                     why)) {
    why += "; no image written";
    return false;
  }
  std::error_code error;
  fs::create_directories(request.output_folder, error);
  if (error) {
    why = request.output_folder + ": " + error.message();
    return false;
  }
  const int count = static_cast<int>(layout.discs.size());
  for (const Cdisc_tree& tree : layout.discs) {
    Cdisc_report report;
    report.number = tree.number;
    report.medium = request.check.medium;
    report.image = (fs::path(request.output_folder) / ("disc" + std::to_string(tree.number) + ".iso")).string();
    const std::string part = report.image + ".part";
    const std::string label = volume_label(request.label, layout.reg_path, tree.number, count);
    bool made = false;
    {
      // Erased before the report line or the message that follows.
      Cprogress_line progress(tree.number, count);
      made = write_image(tree, part, label, timestamp, progress, why) &&
             verify_image(tree, part, report, progress, why);
    }
    if (!made) {
      fs::remove(part, error);
      return false;
    }
    // The check estimates the room; the written image tells exactly.
    if (static_cast<std::uint64_t>(report.sectors) > medium_sectors(report.medium)) {
      why = report.image + ": " + grouped(static_cast<std::uint64_t>(report.sectors)) + " sectors do not fit on a " +
            medium_name(report.medium) + " (" + grouped(medium_sectors(report.medium)) + "); choose a larger --medium";
      fs::remove(part, error);
      return false;
    }
    fs::rename(part, report.image, error);
    if (error) {
      why = report.image + ": " + error.message();
      fs::remove(part, error);
      return false;
    }
    reports.push_back(report);
  }
  return true;
}

std::string report_line(const Cdisc_report& report) {
  const std::uint64_t room = medium_sectors(report.medium);
  char share[32];
  std::snprintf(share, sizeof share, "%.1f%%", 100.0 * static_cast<double>(report.sectors) / static_cast<double>(room));
  return report.image + ": " + grouped(report.files) + " files, " + grouped(report.bytes) + " bytes, " +
         grouped(static_cast<std::uint64_t>(report.sectors)) + " sectors, " + share + " of a " +
         medium_name(report.medium) + ", " + grouped(room) + " sectors";
}

}  // namespace disc
