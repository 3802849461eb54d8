#include "CommandLine.h"

#include "../base/Convert.h"

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
    return LowerCase(word.substr(1)) == "restore";
}
