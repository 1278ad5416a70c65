// SPDX-License-Identifier: GPL-3.0-or-later
#include "FileIo.h"

#include "TextFileContent.h"

#include <algorithm>
#include <array>
#include <atomic>
#include <cerrno>
#include <charconv>
#include <chrono>
#include <climits>
#include <cstring>
#include <memory>
#include <optional>
#include <system_error>

#include <fcntl.h>
#include <signal.h>
#include <sys/stat.h>
#include <unistd.h>

namespace boxmill {

namespace fs = std::filesystem;

namespace {

std::string SystemError(const fs::path& path, int error)
{
    return "Cannot access \"" + path.string() + "\": " + std::strerror(error) + ".";
}

std::string NotARegularFile(const fs::path& path)
{
    return "Cannot read \"" + path.string() + "\": it is not a regular file.";
}

std::string TooLarge(const fs::path& path, std::size_t cap)
{
    return "Cannot read \"" + path.string() + "\": it holds more than " + std::to_string(cap) +
           " bytes, the most a file of its kind may hold.";
}

// Why a file of this kind cannot be read, if it cannot.
std::optional<std::string> Unreadable(const fs::path& path, const struct stat& info, std::size_t cap)
{
    if (S_ISDIR(info.st_mode))
        return SystemError(path, EISDIR);
    if (!S_ISREG(info.st_mode))
        return NotARegularFile(path);
    if (static_cast<std::uintmax_t>(info.st_size) > cap)
        return TooLarge(path, cap);
    return std::nullopt;
}

class Descriptor {
public:
    explicit Descriptor(int fd)
        : m_fd(fd)
    {
    }
    ~Descriptor()
    {
        if (m_fd >= 0)
            ::close(m_fd);
    }
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;

    int get() const { return m_fd; }
    // Closing reports the last write error on some file systems, so the
    // writer closes explicitly and looks at the result.
    int close()
    {
        const int result = ::close(m_fd);
        m_fd = -1;
        return result;
    }

private:
    int m_fd;
};

// Temporary files are named <target>.boxmill-<process>-<serial>.tmp, so the
// clean-up recognises its own and can ask whether their writer still runs.
constexpr std::string_view kTemporaryMark = ".boxmill-";
constexpr std::string_view kTemporaryEnd = ".tmp";
// Long target names are cut so the temporary name stays within NAME_MAX.
constexpr std::size_t kTemporaryStemLength = 64;
constexpr int kSerialDigits = 8;
constexpr auto kStaleAge = std::chrono::hours(1);

std::string TemporaryName(const std::string& target, unsigned serial)
{
    std::size_t stem = std::min(target.size(), kTemporaryStemLength);
    // Never end the stem inside a UTF-8 sequence.
    while (stem > 0 && stem < target.size() && (static_cast<unsigned char>(target[stem]) & 0xC0u) == 0x80u)
        --stem;
    std::array<char, kSerialDigits + 1> hex {};
    const auto end = std::to_chars(hex.data(), hex.data() + kSerialDigits, serial, 16).ptr;
    std::string serialText(hex.data(), end);
    serialText.insert(0, static_cast<std::size_t>(kSerialDigits) - serialText.size(), '0');
    return target.substr(0, stem) + std::string(kTemporaryMark) + std::to_string(::getpid()) + "-" + serialText +
           std::string(kTemporaryEnd);
}

// The process that made a temporary file of ours; nullopt for any other name.
std::optional<pid_t> TemporaryFileWriter(std::string_view name)
{
    if (name.size() <= kTemporaryEnd.size() || !name.ends_with(kTemporaryEnd))
        return std::nullopt;
    name.remove_suffix(kTemporaryEnd.size());
    const auto mark = name.rfind(kTemporaryMark);
    if (mark == std::string_view::npos || mark == 0)
        return std::nullopt;
    const std::string_view rest = name.substr(mark + kTemporaryMark.size());
    const auto dash = rest.find('-');
    if (dash == std::string_view::npos || rest.size() - dash - 1 != static_cast<std::size_t>(kSerialDigits))
        return std::nullopt;
    const std::string_view serial = rest.substr(dash + 1);
    for (const char c : serial)
        if (!((c >= '0' && c <= '9') || (c >= 'a' && c <= 'f')))
            return std::nullopt;
    long long pid = 0;
    const std::string_view digits = rest.substr(0, dash);
    const auto [ptr, error] = std::from_chars(digits.data(), digits.data() + digits.size(), pid);
    if (error != std::errc() || ptr != digits.data() + digits.size() || pid <= 0 || pid > INT_MAX)
        return std::nullopt;
    return static_cast<pid_t>(pid);
}

bool ProcessIsGone(pid_t pid)
{
    // Signal 0 only asks whether the process exists; EPERM means it does.
    return ::kill(pid, 0) != 0 && errno == ESRCH;
}

// Follows symbolic links to the file they name, so that a save writes the
// file the user keeps behind the link instead of replacing the link.
Result<fs::path> FollowLinks(fs::path path)
{
    for (int hop = 0; hop < 40; ++hop) {
        std::error_code code;
        if (!fs::is_symlink(fs::symlink_status(path, code)))
            return path;
        fs::path target = fs::read_symlink(path, code);
        if (code)
            return Result<fs::path>::failure(SystemError(path, code.value()));
        path = target.is_absolute() ? target : path.parent_path() / target;
    }
    return Result<fs::path>::failure(SystemError(path, ELOOP));
}

fs::path FolderOrCurrent(const fs::path& folder)
{
    return folder.empty() ? fs::path(".") : folder;
}

// The new content of a file until it is whole: an unnamed file in the
// target's folder (O_TMPFILE), which a killed program leaves nowhere, or a
// temporary file beside the target. It takes a name only to be renamed over
// the target, and is removed when it goes out of scope unless it was.
class StagedFile {
public:
    ~StagedFile() { discard(); }
    StagedFile() = default;
    StagedFile(const StagedFile&) = delete;
    StagedFile& operator=(const StagedFile&) = delete;

    void discard()
    {
        if (!m_path.empty() && !m_renamed)
            ::unlink(m_path.c_str());
        m_path.clear();
        m_fd.reset();
    }

    // errno of the failure, or 0.
    int openUnnamed(const fs::path& folder)
    {
#ifdef O_TMPFILE
        const int fd = ::open(FolderOrCurrent(folder).c_str(), O_TMPFILE | O_WRONLY | O_CLOEXEC, 0644);
        if (fd < 0)
            return errno;
        m_fd = std::make_unique<Descriptor>(fd);
        return 0;
#else
        (void)folder;
        return EOPNOTSUPP;
#endif
    }

    int createNamed(const fs::path& target)
    {
        for (int attempt = 0; attempt < 100; ++attempt) {
            fs::path candidate = NextTemporaryPath(target);
            const int fd = ::open(candidate.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0644);
            if (fd >= 0) {
                m_fd = std::make_unique<Descriptor>(fd);
                m_path = std::move(candidate);
                return 0;
            }
            if (errno != EEXIST)
                return errno;
        }
        return EEXIST;
    }

    // rename() takes only a name, and link() cannot replace one, so the
    // unnamed file is linked to a temporary name first; for the moment
    // until the rename it is an ordinary temporary file.
    int giveName(const fs::path& target)
    {
        const std::string self = "/proc/self/fd/" + std::to_string(m_fd->get());
        for (int attempt = 0; attempt < 100; ++attempt) {
            fs::path candidate = NextTemporaryPath(target);
            int linked = ::linkat(AT_FDCWD, self.c_str(), AT_FDCWD, candidate.c_str(), AT_SYMLINK_FOLLOW);
#ifdef AT_EMPTY_PATH
            // Without /proc a program with the right to may link the
            // descriptor itself.
            if (linked != 0 && errno != EEXIST)
                linked = ::linkat(m_fd->get(), "", AT_FDCWD, candidate.c_str(), AT_EMPTY_PATH);
#endif
            if (linked == 0) {
                m_path = std::move(candidate);
                return 0;
            }
            if (errno != EEXIST)
                return errno;
        }
        return EEXIST;
    }

    Descriptor& descriptor()
    {
        return *m_fd;
    }
    const fs::path& path() const
    {
        return m_path;
    }
    void renamed()
    {
        m_renamed = true;
    }

private:
    static fs::path NextTemporaryPath(const fs::path& target)
    {
        static std::atomic<unsigned> serial {0};
        return target.parent_path() / TemporaryName(target.filename().string(), serial++);
    }

    std::unique_ptr<Descriptor> m_fd;
    fs::path m_path;
    bool m_renamed = false;
};

int WriteAll(int fd, std::string_view bytes)
{
    std::size_t written = 0;
    while (written < bytes.size()) {
        const ssize_t n = ::write(fd, bytes.data() + written, bytes.size() - written);
        if (n < 0) {
            if (errno == EINTR)
                continue;
            return errno;
        }
        written += static_cast<std::size_t>(n);
    }
    return 0;
}

// The replaced file's owner, group and permissions go to its successor. A
// different owner can only be set by root; for anyone else the file stays
// theirs, which is what it was for them already.
int TakeOverAttributes(int fd, const struct stat& replaced)
{
    if (replaced.st_uid != ::geteuid() || replaced.st_gid != ::getegid()) {
        if (::fchown(fd, replaced.st_uid, replaced.st_gid) != 0) {
            // Not allowed: keep ours.
        }
    }
    return ::fchmod(fd, replaced.st_mode & 07777) != 0 ? errno : 0;
}

// The whole content, the replaced file's attributes, and on the disk.
int FillStagedFile(Descriptor& fd, std::string_view bytes, const struct stat* replaced)
{
    int error = WriteAll(fd.get(), bytes);
    if (error == 0 && replaced)
        error = TakeOverAttributes(fd.get(), *replaced);
    if (error == 0 && ::fsync(fd.get()) != 0)
        error = errno;
    return error;
}

// The content staged under a temporary name beside `target`: errno, or 0.
int Stage(StagedFile& staged, const fs::path& target, std::string_view bytes, const struct stat* replaced,
          Staging staging)
{
    if (staging == Staging::Unnamed && staged.openUnnamed(target.parent_path()) == 0) {
        if (const int error = FillStagedFile(staged.descriptor(), bytes, replaced); error != 0)
            return error;
        if (staged.giveName(target) == 0)
            return 0;
        // Unnamed files that cannot be named (no /proc): start over the
        // ordinary way, which reports its own errors.
        staged.discard();
    }
    if (const int error = staged.createNamed(target); error != 0)
        return error;
    return FillStagedFile(staged.descriptor(), bytes, replaced);
}

void SyncFolder(const fs::path& folder)
{
    const int fd = ::open(folder.empty() ? "." : folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0)
        return;
    ::fsync(fd);
    ::close(fd);
}

} // namespace

Result<std::string> ReadFileBytes(const fs::path& path, std::size_t cap)
{
    // Looked at before opening: opening a FIFO waits for a writer, and
    // opening a device may do things of its own.
    struct stat info { };
    if (::stat(path.c_str(), &info) != 0)
        return Result<std::string>::failure(SystemError(path, errno));
    if (auto problem = Unreadable(path, info, cap))
        return Result<std::string>::failure(*problem);
    Descriptor fd(::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NOCTTY | O_NONBLOCK));
    if (fd.get() < 0)
        return Result<std::string>::failure(SystemError(path, errno));
    // And again after, for a file swapped in between.
    if (::fstat(fd.get(), &info) != 0)
        return Result<std::string>::failure(SystemError(path, errno));
    if (auto problem = Unreadable(path, info, cap))
        return Result<std::string>::failure(*problem);

    std::string bytes;
    bytes.reserve(static_cast<std::size_t>(info.st_size));
    std::array<char, 16384> chunk {};
    for (;;) {
        const ssize_t n = ::read(fd.get(), chunk.data(), chunk.size());
        if (n < 0) {
            if (errno == EINTR)
                continue;
            return Result<std::string>::failure(SystemError(path, errno));
        }
        if (n == 0)
            break;
        // A file that grows while it is read still meets the cap.
        if (bytes.size() + static_cast<std::size_t>(n) > cap)
            return Result<std::string>::failure(TooLarge(path, cap));
        bytes.append(chunk.data(), static_cast<std::size_t>(n));
    }
    return bytes;
}

Status WriteFileAtomic(const fs::path& path, std::string_view bytes, Staging staging)
{
    const auto target = FollowLinks(path);
    if (!target)
        return Status::failure(target.error());
    struct stat replaced { };
    const bool replacing = ::stat(target->c_str(), &replaced) == 0;
    if (replacing && S_ISDIR(replaced.st_mode))
        return Status::failure(SystemError(path, EISDIR));
    if (replacing && !S_ISREG(replaced.st_mode))
        return Status::failure("Cannot write \"" + path.string() + "\": it is not a regular file.");

    // A save killed while its file had a temporary name left it here, and
    // the start-up only tidies the program's own folders.
    RemoveStaleTemporaryFiles(FolderOrCurrent(target->parent_path()));
    StagedFile staged;
    int error = Stage(staged, *target, bytes, replacing ? &replaced : nullptr, staging);
    if (error == 0 && staged.descriptor().close() != 0)
        error = errno;
    if (error == 0 && ::rename(staged.path().c_str(), target->c_str()) != 0)
        error = errno;
    if (error != 0)
        return Status::failure(SystemError(path, error));
    staged.renamed();
    // The rename itself is only durable once the folder is.
    SyncFolder(target->parent_path());
    return Success();
}

void RemoveStaleTemporaryFiles(const fs::path& folder)
{
    std::vector<fs::path> stale;
    std::error_code code;
    const auto now = fs::file_time_type::clock::now();
    for (fs::directory_iterator it(folder, code), end; !code && it != end; it.increment(code)) {
        const auto writer = TemporaryFileWriter(it->path().filename().string());
        std::error_code entryCode;
        if (!writer || !fs::is_regular_file(it->symlink_status(entryCode)))
            continue;
        const auto written = it->last_write_time(entryCode);
        const bool old = !entryCode && now - written > kStaleAge;
        if (old || ProcessIsGone(*writer))
            stale.push_back(it->path());
    }
    // Removed after the listing: a folder changed while it is read may skip
    // or repeat entries.
    for (const auto& file : stale)
        fs::remove(file, code);
}

std::vector<std::string> SplitLines(std::string_view text)
{
    std::vector<std::string> lines;
    std::size_t start = 0;
    while (start < text.size()) {
        auto end = text.find('\n', start);
        const bool last = end == std::string_view::npos;
        if (last)
            end = text.size();
        std::string_view line = text.substr(start, end - start);
        if (!line.empty() && line.back() == '\r')
            line.remove_suffix(1);
        lines.emplace_back(line);
        start = end + 1;
    }
    return lines;
}

Result<std::string> ReadTextFile(const fs::path& path, std::size_t cap)
{
    auto bytes = ReadFileBytes(path, cap);
    if (!bytes)
        return bytes;
    const auto text = TextFileContent(*bytes);
    if (!text)
        return Result<std::string>::failure("Cannot read \"" + path.string() + "\": " + text.error() + ".");
    return std::string(*text);
}

Result<std::vector<std::string>> ReadTextLines(const fs::path& path, std::size_t cap)
{
    auto text = ReadTextFile(path, cap);
    if (!text)
        return Result<std::vector<std::string>>::failure(text.error());
    return SplitLines(*text);
}

std::string JoinLinesCrLf(const std::vector<std::string>& lines)
{
    std::string text;
    for (const auto& line : lines) {
        text += line;
        text += "\r\n";
    }
    return text;
}

Status WriteTextLines(const fs::path& path, const std::vector<std::string>& lines)
{
    return WriteFileAtomic(path, JoinLinesCrLf(lines));
}

} // namespace boxmill
