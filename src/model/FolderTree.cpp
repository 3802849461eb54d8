#include "FolderTree.h"

#include <algorithm>

namespace {
// The root with its backslash, then each folder's name.
std::vector<std::string> Components(const std::string& path)
{
    size_t rootEnd = path.find('\\');
    if (path.compare(0, 2, "\\\\") == 0) {
        // \\server\share\ : the fourth backslash ends the root.
        rootEnd = path.find('\\', 2);
        rootEnd = rootEnd == std::string::npos ? rootEnd : path.find('\\', rootEnd + 1);
    }
    if (rootEnd == std::string::npos)
        return {path + "\\"};
    std::vector<std::string> parts = {path.substr(0, rootEnd + 1)};
    for (size_t at = rootEnd + 1; at < path.size();) {
        const size_t next = std::min(path.find('\\', at), path.size());
        if (next > at)
            parts.push_back(path.substr(at, next - at));
        at = next + 1;
    }
    return parts;
}
} // namespace

std::vector<FolderLine> FolderLines(const std::string& path, const std::vector<std::string>& subfolders)
{
    std::vector<FolderLine> lines;
    const std::vector<std::string> parts = Components(path);
    for (size_t i = 0; i < parts.size(); ++i)
        lines.push_back({parts[i], int(i), true});
    for (const std::string& s : subfolders)
        lines.push_back({s, int(parts.size()), false});
    return lines;
}

std::string FolderLinePath(const std::string& path, const std::vector<std::string>& subfolders, int index)
{
    const std::vector<std::string> parts = Components(path);
    if (index < 0)
        return "";
    std::string out = parts[0];
    if (size_t(index) < parts.size()) {
        for (int i = 1; i <= index; ++i)
            out += (i > 1 ? "\\" : "") + parts[size_t(i)];
        return out;
    }
    const size_t sub = size_t(index) - parts.size();
    if (sub >= subfolders.size())
        return "";
    for (size_t i = 1; i < parts.size(); ++i)
        out += parts[i] + "\\";
    return out + subfolders[sub];
}
