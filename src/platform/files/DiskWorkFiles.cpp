// The save folder's file operations on Linux.
#include "platform/files/DiskWorkFiles.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <filesystem>
#include <string>
#include <vector>

namespace {

// 0 on success, else the errno of the failure. EEXIST means the target was there.
int RenameNoReplaceErrno(const PathString& from, const PathString& to) {
    if (::renameat2(AT_FDCWD, from.c_str(), AT_FDCWD, to.c_str(), RENAME_NOREPLACE) == 0) return 0;
    const int error = errno;
    if (error != EINVAL && error != ENOSYS) return error;
    // A file system without the flag: a hard link fails when the target exists.
    if (::link(from.c_str(), to.c_str()) != 0) return errno;
    (void)::unlink(from.c_str());
    return 0;
}

bool WriteAll(int fd, std::span<const uint8_t> bytes) {
    size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t n = ::write(fd, bytes.data() + done, bytes.size() - done);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) return false;
        done += size_t(n);
    }
    return true;
}

constexpr const char* kTemporaryEnd = ".XXXXXX";

// ".<name>.XXXXXX" with the six characters mkstemp chose.
bool IsLeftover(const std::string& name) {
    const size_t tail = std::string(kTemporaryEnd).size();
    return name.size() > tail + 1 && name[0] == '.' && name[name.size() - tail] == '.' &&
           name.find(".bmp.") != std::string::npos;
}

PathString FolderOf(const PathString& path) {
    const size_t slash = path.rfind('/');
    if (slash == PathString::npos) return ".";
    return slash == 0 ? PathString("/") : path.substr(0, slash);
}

PathString NameOf(const PathString& path) {
    const size_t slash = path.rfind('/');
    return slash == PathString::npos ? path : path.substr(slash + 1);
}

bool ReadWhole(const PathString& path, std::vector<uint8_t>& bytes) {
    std::FILE* f = std::fopen(path.c_str(), "rb");
    if (f == nullptr) return false;
    uint8_t buffer[65536];
    size_t n = 0;
    while ((n = std::fread(buffer, 1, sizeof buffer, f)) > 0) bytes.insert(bytes.end(), buffer, buffer + n);
    const bool ok = std::ferror(f) == 0;
    std::fclose(f);
    return ok;
}

// The trash keeps the original path percent-encoded, as a URL path.
std::string EncodePath(const std::string& path) {
    static const char* hex = "0123456789ABCDEF";
    std::string out;
    for (const unsigned char c : path) {
        const bool plain = (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') ||
                           (c >= '0' && c <= '9') || c == '/' || c == '-' || c == '_' ||
                           c == '.' || c == '~';
        if (plain) {
            out += char(c);
        } else {
            out += '%';
            out += hex[c >> 4];
            out += hex[c & 15];
        }
    }
    return out;
}

std::string Now() {
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    (void)::localtime_r(&now, &local);
    char text[32];
    std::strftime(text, sizeof text, "%Y-%m-%dT%H:%M:%S", &local);
    return text;
}

// "Fly01-2.bmp", then "Fly01-2.2.bmp", "Fly01-2.3.bmp", ...
std::string TrashName(const std::string& name, int k) {
    if (k == 1) return name;
    const size_t dot = name.rfind('.');
    const std::string stem = dot == std::string::npos ? name : name.substr(0, dot);
    const std::string ext = dot == std::string::npos ? "" : name.substr(dot);
    return stem + "." + std::to_string(k) + ext;
}

}  // namespace

DiskWorkFiles::DiskWorkFiles(PathString home) : trashHome(std::move(home)) {}

bool DiskWorkFiles::Exists(const PathString& path) {
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) return false;
    ::close(fd);
    return true;
}

bool DiskWorkFiles::MakeFolder(const PathString& folder) {
    std::error_code error;
    std::filesystem::create_directories(folder, error);
    return std::filesystem::is_directory(folder, error);
}

CreateResult DiskWorkFiles::CreateNew(const PathString& path, std::span<const uint8_t> bytes) {
    struct stat info {};
    if (::lstat(path.c_str(), &info) == 0) return CreateResult::exists;
    // Hidden beside the target, so a half-written file never carries a work's name.
    std::string temporary = FolderOf(path) + "/." + NameOf(path) + kTemporaryEnd;
    const int fd = ::mkstemp(temporary.data());
    if (fd < 0) return CreateResult::failed;
    // mkstemp makes the file private; a work is an ordinary picture of the user's.
    (void)::fchmod(fd, 0644);
    bool ok = WriteAll(fd, bytes);
    ok = ::fsync(fd) == 0 && ok;
    ok = ::close(fd) == 0 && ok;
    const int error = ok ? RenameNoReplaceErrno(temporary, path) : EIO;
    if (error != 0) (void)::unlink(temporary.c_str());
    if (error == 0) return CreateResult::created;
    return error == EEXIST ? CreateResult::exists : CreateResult::failed;
}

bool DiskWorkFiles::RenameNoReplace(const PathString& from, const PathString& to) {
    return RenameNoReplaceErrno(from, to) == 0;
}

bool DiskWorkFiles::MoveToTrash(const PathString& path) {
    if (trashHome.empty()) return false;
    char* resolved = ::realpath(path.c_str(), nullptr);
    if (resolved == nullptr) return false;
    const std::string absolute = resolved;
    std::free(resolved);

    const std::string trash = trashHome + "/Trash";
    const std::string filesDir = trash + "/files", infoDir = trash + "/info";
    std::error_code error;
    std::filesystem::create_directories(filesDir, error);
    std::filesystem::create_directories(infoDir, error);
    (void)::chmod(trash.c_str(), 0700);
    if (!std::filesystem::is_directory(filesDir, error) ||
        !std::filesystem::is_directory(infoDir, error))
        return false;

    const std::string name = NameOf(absolute);
    for (int k = 1; k <= 1000; ++k) {
        const std::string entry = TrashName(name, k);
        const std::string infoPath = infoDir + "/" + entry + ".trashinfo";
        // The info file is made first and exclusively: it reserves the name.
        const int fd = ::open(infoPath.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0600);
        if (fd < 0) {
            if (errno == EEXIST) continue;
            return false;
        }
        const std::string text = "[Trash Info]\nPath=" + EncodePath(absolute) +
                                 "\nDeletionDate=" + Now() + "\n";
        const bool written = WriteAll(fd, {reinterpret_cast<const uint8_t*>(text.data()), text.size()});
        const bool closed = ::close(fd) == 0;
        const std::string target = filesDir + "/" + entry;
        int moved = written && closed ? RenameNoReplaceErrno(absolute, target) : EIO;
        if (moved == EXDEV) {
            // Another file system: copy into the trash, then remove the original.
            std::vector<uint8_t> bytes;
            moved = ReadWhole(absolute, bytes) && CreateNew(target, bytes) == CreateResult::created
                        ? 0
                        : EIO;
            if (moved == 0 && ::unlink(absolute.c_str()) != 0) {
                (void)::unlink(target.c_str());
                moved = EIO;
            }
        }
        if (moved == 0) return true;
        (void)::unlink(infoPath.c_str());
        if (moved != EEXIST) return false;
    }
    return false;
}

bool DiskWorkFiles::Remove(const PathString& path) { return ::unlink(path.c_str()) == 0; }

void DiskWorkFiles::RemoveLeftovers(const PathString& folder) {
    std::error_code error;
    for (const auto& entry : std::filesystem::directory_iterator(folder, error)) {
        const std::string name = entry.path().filename().string();
        if (IsLeftover(name) && entry.is_regular_file(error)) (void)::unlink(entry.path().c_str());
    }
}
