// SPDX-License-Identifier: GPL-3.0-or-later
#include "FileIo.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <random>
#include <system_error>

#include <fcntl.h>
#include <unistd.h>

namespace boxmill {

namespace fs = std::filesystem;

namespace {

std::string SystemError(const fs::path& path, int error)
{
    return "Cannot access \"" + path.string() + "\": " + std::strerror(error) + ".";
}

fs::path TemporaryBeside(const fs::path& path)
{
    std::random_device device;
    const auto suffix = std::to_string(device() % 1000000u);
    return fs::path(path).concat(".tmp" + suffix);
}

} // namespace

Result<std::string> ReadFileBytes(const fs::path& path)
{
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        const int error = errno != 0 ? errno : ENOENT;
        return Result<std::string>::failure(SystemError(path, error));
    }
    std::error_code code;
    if (fs::is_directory(path, code))
        return Result<std::string>::failure(SystemError(path, EISDIR));
    std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    if (in.bad())
        return Result<std::string>::failure(SystemError(path, EIO));
    return bytes;
}

Status WriteFileAtomic(const fs::path& path, std::string_view bytes)
{
    const fs::path temporary = TemporaryBeside(path);
    const int fd = ::open(temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0644);
    if (fd < 0)
        return Status::failure(SystemError(path, errno));
    std::size_t written = 0;
    while (written < bytes.size()) {
        const ssize_t n = ::write(fd, bytes.data() + written, bytes.size() - written);
        if (n < 0) {
            if (errno == EINTR)
                continue;
            const int error = errno;
            ::close(fd);
            ::unlink(temporary.c_str());
            return Status::failure(SystemError(path, error));
        }
        written += static_cast<std::size_t>(n);
    }
    if (::fsync(fd) != 0 || ::close(fd) != 0) {
        const int error = errno;
        ::unlink(temporary.c_str());
        return Status::failure(SystemError(path, error));
    }
    if (std::rename(temporary.c_str(), path.c_str()) != 0) {
        const int error = errno;
        ::unlink(temporary.c_str());
        return Status::failure(SystemError(path, error));
    }
    return Success();
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

Result<std::vector<std::string>> ReadTextLines(const fs::path& path)
{
    auto bytes = ReadFileBytes(path);
    if (!bytes)
        return Result<std::vector<std::string>>::failure(bytes.error());
    return SplitLines(*bytes);
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
