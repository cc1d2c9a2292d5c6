// Reading a written image back: libisofs imports its Joliet tree (the names Windows shows)
// and its Rock Ridge tree; every file's extents are then read straight from the image file
// and compared with the file the layout took it from, one mebibyte at a time.
#include "disc/image.h"

#include <fcntl.h>
#include <libisofs/libisofs.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <map>
#include <utility>
#include <memory>
#include <vector>

namespace disc {
namespace {

const std::size_t chunk = 1 << 20;
const std::uint64_t sector = 2048;

struct Cimage_unref {
  void operator()(IsoImage* image) const { iso_image_unref(image); }
};
struct Cfile_descriptor {
  int fd = -1;
  ~Cfile_descriptor() {
    if (fd >= 0) ::close(fd);
  }
};

// One file as the image holds it: where its extents lie and how long it is.
struct Cimage_file {
  std::vector<iso_file_section> sections;
  std::uint64_t size = 0;
};

struct Cimage_tree {
  std::map<std::string, bool> folders;
  std::map<std::string, Cimage_file> files;
};

bool walk(IsoDir* dir, const std::string& path, Cimage_tree& tree, std::string& why) {
  IsoDirIter* iter = nullptr;
  if (iso_dir_get_children(dir, &iter) < 0) {
    why = "cannot list " + path;
    return false;
  }
  IsoNode* node = nullptr;
  bool ok = true;
  while (ok && iso_dir_iter_next(iter, &node) == 1) {
    const std::string child = path.empty() ? iso_node_get_name(node) : path + "/" + iso_node_get_name(node);
    if (ISO_NODE_IS_DIR(node)) {
      tree.folders[child] = true;
      ok = walk(reinterpret_cast<IsoDir*>(node), child, tree, why);
    } else if (ISO_NODE_IS_FILE(node)) {
      IsoFile* file = reinterpret_cast<IsoFile*>(node);
      int count = 0;
      iso_file_section* sections = nullptr;
      Cimage_file found;
      found.size = static_cast<std::uint64_t>(iso_file_get_size(file));
      if (iso_file_get_old_image_sections(file, &count, &sections, 0) == 1) {
        found.sections.assign(sections, sections + count);
      }
      std::free(sections);
      tree.files[child] = found;
    } else {
      why = child + ": neither a file nor a folder in the image";
      ok = false;
    }
  }
  iso_dir_iter_free(iter);
  return ok;
}

// Imports the image at path: its Joliet tree when joliet, else its Rock Ridge tree.
bool import_tree(const std::string& path, bool joliet, Cimage_tree& tree, std::string& why) {
  IsoDataSource* source = nullptr;
  int result = iso_data_source_new_from_file(path.c_str(), &source);
  if (result < 0) {
    why = path + ": " + iso_error_to_msg(result);
    return false;
  }
  IsoImage* raw_image = nullptr;
  result = iso_image_new("", &raw_image);
  if (result < 0) {
    iso_data_source_unref(source);
    why = iso_error_to_msg(result);
    return false;
  }
  std::unique_ptr<IsoImage, Cimage_unref> image(raw_image);
  IsoReadOpts* options = nullptr;
  result = iso_read_opts_new(&options, 0);
  if (result >= 0) {
    iso_read_opts_set_no_rockridge(options, joliet ? 1 : 0);
    iso_read_opts_set_no_joliet(options, joliet ? 0 : 1);
    iso_read_opts_set_preferjoliet(options, joliet ? 1 : 0);
    result = iso_image_import(image.get(), source, options, nullptr);
    iso_read_opts_free(options);
  }
  iso_data_source_unref(source);
  if (result < 0) {
    why = path + ": cannot be read back: " + iso_error_to_msg(result);
    return false;
  }
  return walk(iso_image_get_root(image.get()), "", tree, why);
}

bool read_fully(int fd, unsigned char* buffer, std::size_t count, std::uint64_t offset) {
  while (count > 0) {
    const ssize_t step = ::pread(fd, buffer, count, static_cast<off_t>(offset));
    if (step < 0 && errno == EINTR) continue;
    if (step <= 0) return false;
    buffer += step;
    count -= static_cast<std::size_t>(step);
    offset += static_cast<std::uint64_t>(step);
  }
  return true;
}

// Compares the bytes of file's extents in the image (image_fd) with expected.
bool same_bytes(int image_fd, const Cimage_file& found, const Cdisc_file& expected, std::vector<unsigned char>& ours,
                std::vector<unsigned char>& theirs, std::string& why) {
  const std::string& name = expected.disc_path;
  Cfile_descriptor source;
  if (!expected.source.empty()) {
    source.fd = ::open(expected.source.c_str(), O_RDONLY | O_CLOEXEC);
    if (source.fd < 0) {
      why = expected.source + ": " + std::strerror(errno);
      return false;
    }
  }
  std::uint64_t done = 0;
  for (const iso_file_section& section : found.sections) {
    for (std::uint64_t at = 0; at < section.size;) {
      const std::size_t count = static_cast<std::size_t>(std::min<std::uint64_t>(chunk, section.size - at));
      if (!read_fully(image_fd, theirs.data(), count, section.block * sector + at)) {
        why = name + ": the image ends inside the file";
        return false;
      }
      const unsigned char* expected_bytes = reinterpret_cast<const unsigned char*>(expected.content.data()) + done;
      if (source.fd >= 0) {
        if (!read_fully(source.fd, ours.data(), count, done)) {
          why = expected.source + ": changed while the image was written";
          return false;
        }
        expected_bytes = ours.data();
      }
      if (std::memcmp(expected_bytes, theirs.data(), count) != 0) {
        why = name + ": the image holds other bytes than " + (source.fd >= 0 ? expected.source : "the tool made");
        return false;
      }
      at += count;
      done += count;
    }
  }
  if (done != expected.size) {
    why = name + ": the image holds " + std::to_string(done) + " bytes of " + std::to_string(expected.size);
    return false;
  }
  return true;
}

// The names of the layout against those of one of the image's trees.
bool same_names(const Cdisc_tree& tree, const Cimage_tree& image, const char* which, std::string& why) {
  std::map<std::string, bool> folders;
  for (const std::string& folder : tree.folders) folders[folder] = true;
  for (const auto& folder : image.folders) {
    if (folders.count(folder.first) == 0) {
      why = "the image's " + std::string(which) + " tree has a folder that is not on the disc: " + folder.first;
      return false;
    }
  }
  if (folders.size() != image.folders.size()) {
    for (const std::string& folder : tree.folders) {
      if (image.folders.count(folder) == 0) {
        why = "the image's " + std::string(which) + " tree lacks the folder " + folder;
        return false;
      }
    }
  }
  for (const Cdisc_file& file : tree.files) {
    auto found = image.files.find(file.disc_path);
    if (found == image.files.end()) {
      why = "the image's " + std::string(which) + " tree lacks " + file.disc_path;
      return false;
    }
    if (found->second.size != file.size) {
      why = file.disc_path + ": " + std::to_string(found->second.size) + " bytes in the image's " + which +
            " tree, " + std::to_string(file.size) + " on the disc";
      return false;
    }
  }
  if (image.files.size() != tree.files.size()) {
    why = "the image's " + std::string(which) + " tree holds files that are not on the disc";
    return false;
  }
  return true;
}

}  // namespace

bool verify_image(const Cdisc_tree& tree, const std::string& path, Cdisc_report& report, Cprogress_line& progress,
                  std::string& why) {
  Cimage_tree joliet;
  Cimage_tree rock_ridge;
  if (!import_tree(path, true, joliet, why) || !same_names(tree, joliet, "Joliet", why) ||
      !import_tree(path, false, rock_ridge, why) || !same_names(tree, rock_ridge, "Rock Ridge", why)) {
    return false;
  }
  Cfile_descriptor image;
  image.fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
  if (image.fd < 0) {
    why = path + ": " + std::strerror(errno);
    return false;
  }
  // The files are compared in the order of their first extents, so that the image is read
  // from its start to its end (the kernel reads ahead of a sequential reader).
  ::posix_fadvise(image.fd, 0, 0, POSIX_FADV_SEQUENTIAL);
  std::vector<std::pair<std::uint64_t, const Cdisc_file*>> order;
  for (const Cdisc_file& file : tree.files) {
    const Cimage_file& found = joliet.files[file.disc_path];
    order.emplace_back(found.sections.empty() ? 0 : found.sections.front().block, &file);
  }
  std::stable_sort(order.begin(), order.end(),
                   [](const auto& a, const auto& b) { return a.first < b.first; });
  std::uint64_t total = 0;
  for (const Cdisc_file& file : tree.files) total += file.size;
  std::vector<unsigned char> ours(chunk);
  std::vector<unsigned char> theirs(chunk);
  report.files = 0;
  report.bytes = 0;
  for (const auto& entry : order) {
    const Cdisc_file& file = *entry.second;
    if (!same_bytes(image.fd, joliet.files[file.disc_path], file, ours, theirs, why)) return false;
    ++report.files;
    report.bytes += file.size;
    progress.show(report.bytes, total, "read back");
  }
  const off_t end = ::lseek(image.fd, 0, SEEK_END);
  if (end < 0) {
    why = path + ": " + std::strerror(errno);
    return false;
  }
  report.sectors = static_cast<std::int64_t>(static_cast<std::uint64_t>(end) / sector);
  return true;
}

}  // namespace disc
