// skincheck: every problem of a skin at once, in the words of the program's
// own error boxes, for the people who draw skins.
//   skincheck <skin folder> [description file]
// Exit status: 0 no errors, 1 errors, 2 bad usage.
#include <cstdio>
#include <filesystem>

#include "SkinCheck.h"

int main(int argc, char** argv)
{
    if (argc < 2 || argc > 3) {
        std::fprintf(stderr, "usage: skincheck <skin folder> [description file]\n"
                             "  without a description file, the folder's one *.qvs file is checked\n");
        return 2;
    }
    const std::string folder = argv[1];
    if (!std::filesystem::is_directory(folder)) {
        std::fprintf(stderr, "skincheck: %s is not a folder\n", folder.c_str());
        return 2;
    }
    std::string file = argc == 3 ? argv[2] : "";
    if (file.empty()) {
        const std::vector<std::string> found = DescriptionFiles(folder);
        if (found.size() > 1) {
            std::string names;
            for (const std::string& name : found)
                names += " " + name;
            std::fprintf(stderr, "skincheck: %s holds several description files:%s; name the one to check\n",
                         folder.c_str(), names.c_str());
            return 2;
        }
        if (!found.empty())
            file = found[0];
    }

    const std::vector<Finding> findings = CheckSkin(folder, file);
    for (const Finding& f : findings)
        std::printf("%s\n", FormatFinding(f).c_str());
    std::printf("%s%s%s: %s\n", folder.c_str(), folder.back() == '/' ? "" : "/", file.c_str(),
                Summary(findings).c_str());
    return HasErrors(findings) ? 1 : 0;
}
