// The file layer of the native build (unit tests, fuzzers, tools), with
// errno mapped to the Windows codes the program reports.
#include <cerrno>
#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include "Errors.h"
#include "Files.h"

namespace {
int WindowsCode(int err)
{
    switch (err) {
    case ENOENT: return ioFileNotFound;
    case ENOTDIR: return 3;
    case EMFILE: return 4;
    case EACCES:
    case EPERM:
    case EISDIR:
    case EROFS: return ioAccessDenied;
    case ENOSPC:
    case EDQUOT: return ioDiskFull;
    }
    return 1000 + err;
}

[[noreturn]] void Fail()
{
    throw InOutError(WindowsCode(errno));
}

void WriteAll(int fd, const std::string& data)
{
    for (size_t done = 0; done < data.size();) {
        const ssize_t n = write(fd, data.data() + done, data.size() - done);
        if (n <= 0) {
            const int err = n < 0 ? errno : ENOSPC;
            close(fd);
            errno = err;
            Fail();
        }
        done += size_t(n);
    }
}
} // namespace

InFile::InFile(const std::string& path)
{
    const int fd = open(path.c_str(), O_RDONLY);
    if (fd < 0)
        Fail();
    struct stat st;
    if (fstat(fd, &st) == 0 && S_ISDIR(st.st_mode)) {
        close(fd);
        throw InOutError(ioAccessDenied);
    }
    Handle = fd;
}

InFile::~InFile()
{
    close(int(Handle));
}

size_t InFile::Read(char* buffer, size_t size)
{
    const ssize_t n = read(int(Handle), buffer, size);
    if (n < 0)
        Fail();
    return size_t(n);
}

const char PathSeparator = '/';

bool FolderExists(const std::string& path)
{
    struct stat st;
    return stat(path.c_str(), &st) == 0 && S_ISDIR(st.st_mode);
}

std::vector<std::string> FilesIn(const std::string& folder)
{
    std::vector<std::string> names;
    DIR* dir = opendir(folder.c_str());
    if (!dir)
        return names;
    while (const dirent* e = readdir(dir)) {
        struct stat st;
        const std::string path = folder + "/" + e->d_name;
        if (stat(path.c_str(), &st) == 0 && S_ISREG(st.st_mode))
            names.push_back(e->d_name);
    }
    closedir(dir);
    return names;
}

bool FileExists(const std::string& path)
{
    struct stat st;
    return stat(path.c_str(), &st) == 0 && S_ISREG(st.st_mode);
}

void CreateEmptyFile(const std::string& path)
{
    const int fd = open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    if (fd < 0)
        Fail();
    close(fd);
}

void SaveFileAtomic(const std::string& path, const std::string& data)
{
    if (FileHolds(path, data))
        return;
    // A read-only file is the user's way of saying "keep this" (and root
    // would otherwise rename over it).
    struct stat st;
    if (stat(path.c_str(), &st) == 0 && (S_ISDIR(st.st_mode) || (st.st_mode & 0222) == 0))
        throw InOutError(ioAccessDenied);
    const std::string temp = path + ".new";
    const int fd = open(temp.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    if (fd < 0)
        Fail();
    try {
        WriteAll(fd, data);
    } catch (...) {
        unlink(temp.c_str());
        throw;
    }
    if (fsync(fd) != 0 || close(fd) != 0 || rename(temp.c_str(), path.c_str()) != 0) {
        const int err = errno;
        unlink(temp.c_str());
        errno = err;
        Fail();
    }
}
