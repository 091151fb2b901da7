// Unnamed temporary files linked to their name when complete, hidden named ones renamed into
// place where a name is taken or unnamed files are not to be had.
#include "file_writer.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <climits>
#include <optional>
#include <utility>
#include <vector>

namespace bars {
namespace {

// Closes the descriptor it holds on every way out.
class Descriptor {
 public:
  explicit Descriptor(int fd) : fd_(fd) {}
  Descriptor(Descriptor&& other) noexcept : fd_(std::exchange(other.fd_, -1)) {}
  Descriptor(const Descriptor&) = delete;
  Descriptor& operator=(const Descriptor&) = delete;
  ~Descriptor() {
    if (fd_ >= 0) close(fd_);
  }
  int get() const { return fd_; }

 private:
  int fd_;
};

std::string DirectoryOf(const std::string& path) {
  const std::size_t slash = path.find_last_of('/');
  if (slash == std::string::npos) return ".";
  return slash == 0 ? "/" : path.substr(0, slash);
}

std::string NameOf(const std::string& path) {
  const std::size_t slash = path.find_last_of('/');
  return slash == std::string::npos ? path : path.substr(slash + 1);
}

// What a path names: the file a chain of symbolic links ends at (which need not exist yet),
// and whether it exists, with its permissions when it is a regular file.
struct TTarget {
  std::string path;
  bool exists = false;
  bool regular = false;
  mode_t permissions = 0;
};

TTarget Resolve(const std::string& named) {
  std::string at = named;
  for (int depth = 0; depth < 40; ++depth) {
    struct stat st {};
    if (lstat(at.c_str(), &st) != 0) return {at};
    if (!S_ISLNK(st.st_mode))
      return {at, true, S_ISREG(st.st_mode), static_cast<mode_t>(st.st_mode & 07777)};
    char target[PATH_MAX];
    const ssize_t n = readlink(at.c_str(), target, sizeof target - 1);
    if (n <= 0) break;
    const std::string next(target, static_cast<std::size_t>(n));
    at = next.front() == '/' || at.find('/') == std::string::npos ? next
                                                                  : DirectoryOf(at) + "/" + next;
  }
  // A loop, or a link that cannot be read: the name itself, for the system to refuse.
  return {named, true};
}

bool WriteAll(int fd, std::string_view bytes) {
  while (!bytes.empty()) {
    const ssize_t n = write(fd, bytes.data(), bytes.size());
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) {
      if (n == 0) errno = EIO;
      return false;
    }
    bytes.remove_prefix(static_cast<std::size_t>(n));
  }
  return true;
}

// A name beside `path` that no file of ours takes: hidden, and unique by process and count.
std::string TemporaryName(const std::string& path) {
  static std::atomic<unsigned> counter = 0;
  const std::string directory = DirectoryOf(path);
  return (directory == "/" ? "" : directory) + "/." + NameOf(path) + "." +
         std::to_string(getpid()) + "-" + std::to_string(++counter) + ".tmp";
}

// Moves the named temporary file onto `path`; removes it when that fails.
bool RenameOnto(const std::string& temporary, const std::string& path) {
  if (rename(temporary.c_str(), path.c_str()) == 0) return true;
  const int error = errno;
  unlink(temporary.c_str());
  errno = error;
  return false;
}

constexpr int kNameAttempts = 100;

// Makes a file under a fresh hidden name beside `path` with `make`, then renames it onto
// `path`. `make` returns 0, or an errno value (EEXIST: the name is taken, try another). Returns
// 0 or the errno of the failure.
template <typename Make>
int ThroughTemporaryName(const std::string& path, Make make) {
  for (int attempt = 0; attempt < kNameAttempts; ++attempt) {
    const std::string temporary = TemporaryName(path);
    const int error = make(temporary);
    if (error == EEXIST) continue;
    if (error != 0) return error;
    return RenameOnto(temporary, path) ? 0 : errno;
  }
  return EEXIST;
}

// A file that replaces another keeps its permissions, as an editor's save does.
void KeepPermissions(int fd, const TTarget& target) {
  if (target.regular) {
    fchmod(fd, target.permissions);
  } else if (struct stat old{};
             !target.exists && stat(target.path.c_str(), &old) == 0 && S_ISREG(old.st_mode)) {
    fchmod(fd, old.st_mode & 07777);  // made meanwhile by another program
  }
}

}  // namespace

int TFileWriter::Write(const std::string& named, std::string_view bytes) {
  if (!namedTemporaries_) {
    const int error = WriteUnnamed(named, bytes);
    if (error != ENOSYS) return error;
  }
  const TTarget target = Resolve(named);
  const std::string& path = target.path;
  const int error = ThroughTemporaryName(path, [&](const std::string& temporary) {
    const Descriptor file(open(temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666));
    if (file.get() < 0) return errno;
    if (!WriteAll(file.get(), bytes)) {
      const int writeError = errno;
      unlink(temporary.c_str());
      return writeError;
    }
    KeepPermissions(file.get(), target);
    return 0;
  });
  if (error != 0) return error;
  Remember(path, DirectoryOf(path));
  return 0;
}

int TFileWriter::WriteUnnamed(const std::string& named, std::string_view bytes) {
  // Most files are new: their name is given at once, without a look there first.
  std::optional<TTarget> target;
  std::string path = named;
  for (;;) {
    const std::string directory = DirectoryOf(path);
    const Descriptor file(open(directory.c_str(), O_TMPFILE | O_WRONLY | O_CLOEXEC, 0666));
    if (file.get() < 0 && (errno == EOPNOTSUPP || errno == EISDIR || errno == EINVAL)) {
      namedTemporaries_ = true;  // a file system or kernel without unnamed files
      return ENOSYS;
    }
    if (file.get() < 0) return errno;
    if (!WriteAll(file.get(), bytes)) return errno;
    // The unnamed file gets its name through its /proc link: at once where there is none yet,
    // else under a hidden name first, which then takes the place of the old file at once.
    const std::string self = "/proc/self/fd/" + std::to_string(file.get());
    const auto link = [&](const std::string& name) {
      return linkat(AT_FDCWD, self.c_str(), AT_FDCWD, name.c_str(), AT_SYMLINK_FOLLOW) == 0 ? 0
                                                                                            : errno;
    };
    int error = target && target->exists ? EEXIST : link(path);
    if (error == EEXIST && !target) {
      // A file, or a link to one, is there.
      target = Resolve(named);
      path = target->path;
      if (DirectoryOf(path) != directory) continue;  // written again beside the linked file
      if (!target->exists) error = link(path);
    }
    if (error == EEXIST) {
      KeepPermissions(file.get(), *target);
      error = ThroughTemporaryName(path, link);
    }
    if (error == 0) {
      Remember(path, directory);
      return 0;
    }
    if (error != ENOENT || access("/proc/self/fd", F_OK) == 0) return error;
    namedTemporaries_ = true;  // no /proc: named temporary files from now on
    return ENOSYS;
  }
}

void TFileWriter::Remember(const std::string& path, const std::string& directory) {
  const std::lock_guard lock(mutex_);
  ++written_;
  lastPath_ = path;
  directories_.insert(directory);
}

int TFileWriter::Sync() {
  const std::lock_guard lock(mutex_);
  // The file systems of the directories written to, one open directory each.
  std::vector<Descriptor> fileSystems;
  std::vector<dev_t> devices;
  bool unknown = false;  // a directory that cannot be opened: every file system then
  for (const std::string& directory : directories_) {
    Descriptor fd(open(directory.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    struct stat st {};
    if (fd.get() < 0 || fstat(fd.get(), &st) != 0) {
      unknown = true;
    } else if (std::find(devices.begin(), devices.end(), st.st_dev) == devices.end()) {
      devices.push_back(st.st_dev);
      fileSystems.push_back(std::move(fd));
    }
  }
  // One file alone: its own data and its directory entry, not everything the file system
  // holds for other programs.
  if (written_ == 1 && directories_.size() == 1 && fileSystems.size() == 1) {
    const Descriptor file(open(lastPath_.c_str(), O_RDONLY | O_CLOEXEC));
    if (file.get() >= 0 && fsync(file.get()) == 0 && fsync(fileSystems[0].get()) == 0) return 0;
  }
  for (const Descriptor& fs : fileSystems) {
    if (syncfs(fs.get()) != 0) return errno;
  }
  if (unknown) sync();
  return 0;
}

}  // namespace bars
