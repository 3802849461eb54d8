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
