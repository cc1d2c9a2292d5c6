// Reading a written image back: libisofs imports its Joliet tree (the names Windows shows)
// and its Rock Ridge tree; every file's extents are then compared, one mebibyte at a time,
// with the file the layout took it from, the image seen through a moving window of it
// mapped into memory (its pages are still in the page cache from the writing: no copy).
#include "disc/image.h"

#include <fcntl.h>
#include <libisofs/libisofs.h>
#include <sys/mman.h>
#include <sys/stat.h>
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
// How much of the image is mapped at a time: memory stays the same for any image size, and
// one mapping serves many small files.
const std::uint64_t window_size = 8 << 20;

struct Cimage_unref {
  void operator()(IsoImage* image) const { iso_image_unref(image); }
};
struct Cfile_descriptor {
  int fd = -1;
  ~Cfile_descriptor() {
    if (fd >= 0) ::close(fd);
  }
};

// The image file read through a window mapped into memory, moved along as the files are
// compared (they come in the order of their extents).
class Cimage_window {
 public:
  ~Cimage_window() { unmap(); }
  // Opens the image; false with why set.
  bool open(const std::string& path, std::string& why) {
    file_.fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    struct stat status = {};
    if (file_.fd < 0 || ::fstat(file_.fd, &status) != 0) {
      why = path + ": " + std::strerror(errno);
      return false;
    }
    size_ = static_cast<std::uint64_t>(status.st_size);
    path_ = path;
    return true;
  }
  std::uint64_t size() const { return size_; }
  // The count bytes at offset (count at most chunk); null with why set when they pass the
  // image's end (naming the file of name) or cannot be mapped.
  const unsigned char* bytes(std::uint64_t offset, std::size_t count, const std::string& name, std::string& why) {
    if (offset > size_ || count > size_ - offset) {
      why = name + ": the image ends inside the file";
      return nullptr;
    }
    if (base_ == nullptr || offset < start_ || offset + count > start_ + length_) {
      unmap();
      const std::uint64_t page = static_cast<std::uint64_t>(::sysconf(_SC_PAGESIZE));
      start_ = offset / page * page;
      length_ = std::min(std::max<std::uint64_t>(window_size, offset + count - start_), size_ - start_);
      void* mapped = ::mmap(nullptr, length_, PROT_READ, MAP_PRIVATE | MAP_POPULATE, file_.fd, static_cast<off_t>(start_));
      if (mapped == MAP_FAILED) {
        why = path_ + ": " + std::strerror(errno);
        return nullptr;
      }
      base_ = static_cast<unsigned char*>(mapped);
      ::madvise(base_, length_, MADV_SEQUENTIAL);
    }
    return base_ + (offset - start_);
  }

 private:
  void unmap() {
    if (base_ != nullptr) ::munmap(base_, length_);
    base_ = nullptr;
  }
  Cfile_descriptor file_;
  std::string path_;
  std::uint64_t size_ = 0;
  std::uint64_t start_ = 0;
  std::uint64_t length_ = 0;
  unsigned char* base_ = nullptr;
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

// Compares the bytes of file's extents in the image with expected.
bool same_bytes(Cimage_window& image, const Cimage_file& found, const Cdisc_file& expected,
                std::vector<unsigned char>& ours, std::string& why) {
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
      const unsigned char* theirs = image.bytes(section.block * sector + at, count, name, why);
      if (theirs == nullptr) return false;
      const unsigned char* expected_bytes = reinterpret_cast<const unsigned char*>(expected.content.data()) + done;
      if (source.fd >= 0) {
        if (!read_fully(source.fd, ours.data(), count, done)) {
          why = expected.source + ": changed while the image was written";
          return false;
        }
        expected_bytes = ours.data();
      }
      if (std::memcmp(expected_bytes, theirs, count) != 0) {
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
  if (!import_tree(path, true, joliet, why) || !same_names(tree, joliet, "Joliet", why)) return false;
  {
    // Only the names of this tree are compared: it is let go before the bytes are.
    Cimage_tree rock_ridge;
    if (!import_tree(path, false, rock_ridge, why) || !same_names(tree, rock_ridge, "Rock Ridge", why)) return false;
  }
  Cimage_window image;
  if (!image.open(path, why)) return false;
  // The files are compared in the order of their first extents, so that the window moves
  // from the image's start to its end.
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
  report.files = 0;
  report.bytes = 0;
  for (const auto& entry : order) {
    const Cdisc_file& file = *entry.second;
    if (!same_bytes(image, joliet.files[file.disc_path], file, ours, why)) return false;
    ++report.files;
    report.bytes += file.size;
    progress.show(report.bytes, total, "read back");
  }
  report.sectors = static_cast<std::int64_t>(image.size() / sector);
  return true;
}

}  // namespace disc
