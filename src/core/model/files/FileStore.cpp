#include "model/files/FileStore.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <memory>
#include <sys/stat.h>
#include <system_error>
#include <unistd.h>

namespace dorv {

namespace fs = std::filesystem;

namespace {

struct FileCloser {
    void operator()(std::FILE *file) const { std::fclose(file); }
};
using FilePtr = std::unique_ptr<std::FILE, FileCloser>;

std::string SystemError(int code)
{
    return std::generic_category().message(code);
}

// Reads up to `limit` bytes from the start of an open file (all of it when limit is 0).
bool ReadAll(std::FILE *file, std::size_t limit, Bytes &data, std::string &error)
{
    std::uint8_t buffer[8192];
    for (;;) {
        std::size_t want = sizeof buffer;
        if (limit != 0) {
            if (data.size() >= limit) {
                return true;
            }
            want = std::min(want, limit - data.size());
        }
        errno = 0;
        const std::size_t got = std::fread(buffer, 1, want, file);
        data.insert(data.end(), buffer, buffer + got);
        if (got < want) {
            if (std::ferror(file)) {
                error = SystemError(errno != 0 ? errno : EIO);
                return false;
            }
            return true;
        }
    }
}

// A FIFO, a device or a socket is not a data file: reading one may block for ever or
// never end, and a save would replace the node with a regular file.
const char *const kNotRegular = "Not a regular file";

// The description of why `status` is no place for a data file; empty when it is a regular
// file, or nothing yet (a new name).
std::string NotADataFile(const fs::file_status &status)
{
    if (fs::is_directory(status)) {
        return SystemError(EISDIR);
    }
    if (fs::is_regular_file(status) || !fs::exists(status)) {
        return {};
    }
    return kNotRegular;
}

// A stream on `fd` when it is a regular file; otherwise closes it and describes why not.
// The descriptor is opened without blocking, so a FIFO without a writer cannot hang the
// open; a regular file is then read as usual.
std::FILE *OpenedRegularFile(int fd, std::string &error)
{
    struct stat info {};
    if (::fstat(fd, &info) != 0) {
        error = SystemError(errno);
    } else if (S_ISDIR(info.st_mode)) {
        error = SystemError(EISDIR);
    } else if (!S_ISREG(info.st_mode)) {
        error = kNotRegular;
    } else {
        ::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) & ~O_NONBLOCK);
        if (std::FILE *file = ::fdopen(fd, "rb")) {
            return file;
        }
        error = SystemError(errno);
    }
    ::close(fd);
    return nullptr;
}

// The bytes a regular file holds beyond its first `offset` bytes.
bool ReadTail(const fs::path &path, std::size_t offset, Bytes &tail, std::string &error)
{
    std::error_code ec;
    if (!fs::is_regular_file(path, ec) || fs::file_size(path, ec) <= offset || ec) {
        return true;
    }
    FilePtr file(std::fopen(path.c_str(), "rb"));
    if (!file || std::fseek(file.get(), static_cast<long>(offset), SEEK_SET) != 0) {
        error = SystemError(errno);
        return false;
    }
    return ReadAll(file.get(), 0, tail, error);
}

bool FlushToDisk(std::FILE *file)
{
    if (std::fflush(file) != 0) {
        return false;
    }
    return ::fsync(::fileno(file)) == 0;
}

// Makes the rename itself durable; a failure here loses nothing, so it is not reported.
void FlushDirectory(const fs::path &dir)
{
    const int fd = ::open(dir.empty() ? "." : dir.c_str(), O_RDONLY | O_DIRECTORY);
    if (fd >= 0) {
        ::fsync(fd);
        ::close(fd);
    }
}

// An empty block writes nothing: fwrite must not be handed the null data of an empty vector.
bool WriteBytes(std::FILE *file, const Bytes &bytes)
{
    return bytes.empty() || std::fwrite(bytes.data(), 1, bytes.size(), file) == bytes.size();
}

bool WriteFile(const fs::path &path, const Bytes &head, const Bytes &tail, std::string &error)
{
    FilePtr file(std::fopen(path.c_str(), "wb"));
    if (!file) {
        error = SystemError(errno);
        return false;
    }
    errno = 0;
    const bool written =
        WriteBytes(file.get(), head) && WriteBytes(file.get(), tail) && FlushToDisk(file.get());
    const int writeErrno = errno;
    const bool closed = std::fclose(file.release()) == 0;
    if (!written || !closed) {
        error = SystemError(writeErrno != 0 ? writeErrno : (errno != 0 ? errno : EIO));
        return false;
    }
    return true;
}

} // namespace

bool ReadFileHead(const fs::path &path, std::size_t size, Bytes &head, std::string &error)
{
    head.clear();
    int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0 && errno == ENOENT) {
        FilePtr created(std::fopen(path.c_str(), "ab"));
        if (created) {
            return true;
        }
    }
    if (fd < 0) {
        error = SystemError(errno);
        return false;
    }
    FilePtr file(OpenedRegularFile(fd, error));
    return file && ReadAll(file.get(), size, head, error);
}

bool ReadRecords(const fs::path &path, std::size_t size, Bytes &records, std::string &error)
{
    const bool read = ReadFileHead(path, size, records, error);
    records.resize(size, 0);
    return read;
}

namespace {

bool Replace(const fs::path &link, const Bytes &records, bool keepTail, std::string &error)
{
    // A linked file is replaced where it lies, so the link keeps pointing at it.
    std::error_code ec;
    fs::path path = link;
    if (fs::is_symlink(link, ec)) {
        const fs::path resolved = fs::weakly_canonical(link, ec);
        if (!ec) {
            path = resolved;
        }
    }
    // Only a regular file is replaced: a device node or FIFO keeps what it is.
    error = NotADataFile(fs::status(path, ec));
    if (!error.empty()) {
        return false;
    }
    Bytes tail;
    if (keepTail && !ReadTail(path, records.size(), tail, error)) {
        return false;
    }
    fs::path temp = path;
    temp += ".saving";
    if (!WriteFile(temp, records, tail, error)) {
        std::error_code ignored;
        fs::remove(temp, ignored);
        return false;
    }
    const fs::file_status old = fs::status(path, ec);
    if (!ec && fs::is_regular_file(old)) {
        fs::permissions(temp, old.permissions(), ec);
    }
    fs::rename(temp, path, ec);
    if (ec) {
        error = ec.message();
        fs::remove(temp, ec);
        return false;
    }
    FlushDirectory(path.parent_path());
    return true;
}

} // namespace

bool ReplaceRecords(const fs::path &path, const Bytes &records, std::string &error)
{
    return Replace(path, records, true, error);
}

bool ReplaceWholeFile(const fs::path &path, const Bytes &content, std::string &error)
{
    return Replace(path, content, false, error);
}

} // namespace dorv
