#include "Files.h"

#include "Errors.h"

bool FileHolds(const std::string& path, const std::string& data)
{
    if (!FileExists(path))
        return false;
    try {
        InFile in(path);
        std::string have;
        char buffer[4096];
        for (size_t n; (n = in.Read(buffer, sizeof buffer)) > 0;) {
            have.append(buffer, n);
            if (have.size() > data.size())
                return false;
        }
        return have == data;
    } catch (const Exception&) {
        return false;
    }
}

namespace {
// FNV-1a, 64 bits: quick, and no edit a person or a program makes to a small
// text file collides by chance.
const uint64_t HashStart = 14695981039346656037ull;
uint64_t HashOn(uint64_t h, const char* data, size_t size)
{
    for (size_t i = 0; i < size; ++i)
        h = (h ^ static_cast<unsigned char>(data[i])) * 1099511628211ull;
    return h;
}
} // namespace

FileFingerprint FingerprintOf(const std::string& path)
{
    FileFingerprint f;
    if (!FileExists(path))
        return f;
    f.Exists = true;
    f.Hash = HashStart;
    InFile in(path);
    char buffer[16384];
    for (size_t n; (n = in.Read(buffer, sizeof buffer)) > 0;) {
        f.Size += n;
        f.Hash = HashOn(f.Hash, buffer, n);
    }
    return f;
}

FileFingerprint FingerprintOfData(const std::string& data)
{
    return {true, data.size(), HashOn(HashStart, data.data(), data.size())};
}

std::string ReadFileFrom(const std::string& path, uint64_t offset)
{
    InFile in(path);
    std::string out;
    char buffer[16384];
    uint64_t at = 0;
    for (size_t n; (n = in.Read(buffer, sizeof buffer)) > 0; at += n)
        if (at + n > offset)
            out.append(buffer + (offset > at ? offset - at : 0), buffer + n);
    return out;
}
