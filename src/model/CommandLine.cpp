#include "CommandLine.h"

#include <cctype>

bool IsRestoreSwitch(const std::string& commandLine)
{
    size_t at = commandLine.find_first_not_of(" \t");
    if (at == std::string::npos)
        return false;
    const bool quoted = commandLine[at] == '"';
    at += quoted;
    const size_t end = commandLine.find_first_of(quoted ? "\"" : " \t", at);
    const std::string word = commandLine.substr(at, end == std::string::npos ? std::string::npos : end - at);
    if (word.empty() || (word[0] != '/' && word[0] != '-'))
        return false;
    std::string name = word.substr(1);
    for (char& c : name)
        c = char(std::tolower(static_cast<unsigned char>(c)));
    return name == "restore";
}
