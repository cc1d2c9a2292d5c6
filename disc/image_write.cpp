// Writing one disc tree as an image with libisofs. The library streams every file from disk
// through its ring buffer while it writes, so memory does not grow with the files' sizes.
#include "disc/image.h"

#include <fcntl.h>
// The burn_source struct comes with libisofs when libburn is not used.
#define LIBISOFS_WITHOUT_LIBBURN 1
#include <libisofs/libisofs.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <map>
#include <memory>
#include <vector>

namespace disc {
namespace {

// libisofs's text for a failed call, with what the tool was doing.
std::string iso_failure(const std::string& doing, int code) {
  return doing + ": " + iso_error_to_msg(code);
}

struct Cimage_unref {
  void operator()(IsoImage* image) const { iso_image_unref(image); }
};
struct Copts_free {
  void operator()(IsoWriteOpts* opts) const { iso_write_opts_free(opts); }
};
// The burn source ends its writer thread when cancelled; freed by its own free_data.
struct Cburn_source_free {
  void operator()(burn_source* source) const {
    if (source->free_data != nullptr) source->free_data(source);
    std::free(source);
  }
};
// A file descriptor closed with its owner.
struct Cfile_descriptor {
  int fd = -1;
  ~Cfile_descriptor() {
    if (fd >= 0) ::close(fd);
  }
};

// "YYYYMMDDhhmmss00" of timestamp (UTC): the volume's dates as libisofs writes them for a uuid.
std::string volume_uuid(std::time_t timestamp) {
  std::tm parts = {};
  gmtime_r(&timestamp, &parts);
  char text[32];
  std::strftime(text, sizeof text, "%Y%m%d%H%M%S00", &parts);
  return text;
}

std::string name_of(const std::string& disc_path) {
  const std::size_t slash = disc_path.rfind('/');
  return slash == std::string::npos ? disc_path : disc_path.substr(slash + 1);
}
std::string parent_of(const std::string& disc_path) {
  const std::size_t slash = disc_path.rfind('/');
  return slash == std::string::npos ? "" : disc_path.substr(0, slash);
}

// The library is set up once per process: UTF-8 names, its own messages printed when they
// report an error (they say which file a failing read was of).
bool start_library(std::string& why) {
  static int started = 0;
  if (started == 0) {
    const int result = iso_init();
    if (result < 0) {
      why = iso_failure("libisofs", result);
      return false;
    }
    iso_set_local_charset(const_cast<char*>("UTF-8"), 0);
    iso_set_msgs_severities(const_cast<char*>("NEVER"), const_cast<char*>("SORRY"), const_cast<char*>("lumora-disc : "));
    started = 1;
  }
  return true;
}

// The image's tree: every folder, then every file (from disk or from memory).
bool fill_tree(IsoImage* image, const Cdisc_tree& tree, std::string& why) {
  std::map<std::string, IsoDir*> folders;
  folders[""] = iso_image_get_root(image);
  for (const std::string& folder : tree.folders) {
    IsoDir* made = nullptr;
    const int result = iso_tree_add_new_dir(folders[parent_of(folder)], name_of(folder).c_str(), &made);
    if (result < 0) {
      why = iso_failure(folder, result);
      return false;
    }
    folders[folder] = made;
  }
  for (const Cdisc_file& file : tree.files) {
    IsoDir* parent = folders[parent_of(file.disc_path)];
    int result = 0;
    if (!file.source.empty()) {
      result = iso_tree_add_new_node(image, parent, name_of(file.disc_path).c_str(), file.source.c_str(), nullptr);
    } else {
      // The memory stream owns (and frees) its buffer.
      unsigned char* bytes = static_cast<unsigned char*>(std::malloc(file.content.size() + 1));
      if (bytes == nullptr) {
        why = "out of memory";
        return false;
      }
      std::memcpy(bytes, file.content.data(), file.content.size());
      IsoStream* stream = nullptr;
      result = iso_memory_stream_new(bytes, file.content.size(), &stream);
      if (result < 0) {
        std::free(bytes);
      } else {
        // The new file takes over the stream's reference.
        result = iso_tree_add_new_file(parent, name_of(file.disc_path).c_str(), stream, nullptr);
        if (result < 0) iso_stream_unref(stream);
      }
    }
    if (result < 0) {
      why = iso_failure(file.disc_path, result);
      return false;
    }
  }
  return true;
}

// The options: ISO 9660 level 3 (a file of 4 GiB or more in several extents), Rock Ridge,
// Joliet with names up to 103 characters and paths past 240, read-only modes owned by root,
// and one time for every file, folder and volume date.
bool make_options(std::time_t timestamp, IsoWriteOpts*& made, std::string& why) {
  int result = iso_write_opts_new(&made, 0);
  if (result < 0) {
    why = iso_failure("image options", result);
    return false;
  }
  iso_write_opts_set_iso_level(made, 3);
  iso_write_opts_set_rockridge(made, 1);
  // Rock Ridge 1.10: no inode numbers, which libisofs takes from the order of the files'
  // inodes on the maker's disk, so that a copy of the same folder gives other bytes.
  iso_write_opts_set_rrip_version_1_10(made, 1);
  iso_write_opts_set_joliet(made, 1);
  iso_write_opts_set_joliet_long_names(made, 1);
  iso_write_opts_set_joliet_longer_paths(made, 1);
  iso_write_opts_set_joliet_utf16(made, 1);
  // Joliet names as Windows and the other mastering tools write them: without ";1", and a
  // name without an extension without the dot that would stand before ";1" (bit 1: only the
  // Joliet names; the ISO 9660 names keep both).
  iso_write_opts_set_omit_version_numbers(made, 2);
  iso_write_opts_set_no_force_dots(made, 2);
  iso_write_opts_set_replace_mode(made, 2, 2, 2, 2);
  iso_write_opts_set_default_dir_mode(made, 0555);
  iso_write_opts_set_default_file_mode(made, 0444);
  iso_write_opts_set_default_uid(made, 0);
  iso_write_opts_set_default_gid(made, 0);
  iso_write_opts_set_replace_timestamps(made, 2);
  iso_write_opts_set_default_timestamp(made, timestamp);
  iso_write_opts_set_dir_rec_mtime(made, 1);
  iso_write_opts_set_always_gmt(made, 1);
  // 32 MiB between the writer thread and this one.
  iso_write_opts_set_fifo_size(made, 16384);
  std::string uuid = volume_uuid(timestamp);
  result = iso_write_opts_set_pvd_times(made, timestamp, timestamp, 0, timestamp, &uuid[0]);
  if (result < 0) {
    why = iso_failure("image dates", result);
    return false;
  }
  return true;
}

bool write_all(int fd, const unsigned char* bytes, std::size_t count, const std::string& path, std::string& why) {
  while (count > 0) {
    const ssize_t step = ::write(fd, bytes, count);
    if (step < 0) {
      if (errno == EINTR) continue;
      why = path + ": " + std::strerror(errno);
      return false;
    }
    bytes += step;
    count -= static_cast<std::size_t>(step);
  }
  return true;
}

// Writes all of source's bytes to fd; false with why set on a read or write failure. A read
// that passes the image's end gives nothing of its last part, so the source is read 64 KiB
// at a time while that much is left (get_size tells the image's size) and exactly the
// remainder at the end; each piece is written as read, and shown on progress. A piece this
// small is still in the processor's cache when write copies it into the page cache: with
// pieces of a mebibyte that copy took a third of the tool's time.
bool drain(burn_source* source, int fd, const std::string& path, Cprogress_line& progress, std::string& why) {
  const std::uint64_t piece = 64 << 10;
  std::vector<unsigned char> buffer(piece);
  const off_t size = source->get_size(source);
  std::uint64_t left = size > 0 ? static_cast<std::uint64_t>(size) : 0;
  while (left > 0) {
    const int want = static_cast<int>(std::min(piece, left));
    const int count = source->read_xt != nullptr ? source->read_xt(source, buffer.data(), want)
                                                 : source->read(source, buffer.data(), want);
    if (count != want) {
      why = path + ": libisofs could not make the image (its message above says why)";
      return false;
    }
    if (!write_all(fd, buffer.data(), static_cast<std::size_t>(count), path, why)) return false;
    left -= static_cast<std::uint64_t>(count);
    progress.show(static_cast<std::uint64_t>(size) - left, static_cast<std::uint64_t>(size), "written");
  }
  return true;
}

}  // namespace

bool write_image(const Cdisc_tree& tree, const std::string& path, const std::string& label, std::time_t timestamp,
                 Cprogress_line& progress, std::string& why) {
  if (!start_library(why)) return false;
  // Nodes made now take this time too (libisofs's "now").
  std::time_t now = timestamp;
  iso_nowtime(&now, 1);
  IsoImage* raw_image = nullptr;
  int result = iso_image_new(label.c_str(), &raw_image);
  if (result < 0) {
    why = iso_failure("new image", result);
    return false;
  }
  std::unique_ptr<IsoImage, Cimage_unref> image(raw_image);
  iso_image_set_volset_id(image.get(), label.c_str());
  iso_image_set_application_id(image.get(), "LUMORA-DISC");
  iso_image_set_data_preparer_id(image.get(), "LUMORA-DISC");
  iso_tree_set_follow_symlinks(image.get(), 1);
  if (!fill_tree(image.get(), tree, why)) return false;

  IsoWriteOpts* raw_opts = nullptr;
  if (!make_options(timestamp, raw_opts, why)) {
    if (raw_opts != nullptr) iso_write_opts_free(raw_opts);
    return false;
  }
  std::unique_ptr<IsoWriteOpts, Copts_free> opts(raw_opts);
  Cfile_descriptor output;
  output.fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
  if (output.fd < 0) {
    why = path + ": " + std::strerror(errno);
    return false;
  }
  burn_source* raw_source = nullptr;
  result = iso_image_create_burn_source(image.get(), opts.get(), &raw_source);
  if (result < 0) {
    why = iso_failure(path, result);
    return false;
  }
  std::unique_ptr<burn_source, Cburn_source_free> source(raw_source);
  if (!drain(source.get(), output.fd, path, progress, why)) {
    source->cancel(source.get());
    return false;
  }
  const int fd = output.fd;
  output.fd = -1;
  if (::close(fd) != 0) {
    why = path + ": " + std::strerror(errno);
    return false;
  }
  return true;
}

}  // namespace disc
