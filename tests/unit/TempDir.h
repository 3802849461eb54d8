// A fresh folder for one test, removed afterwards.
#pragma once
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

class TempDir {
public:
    TempDir()
    {
        char pattern[] = "/tmp/quorvel-unit-XXXXXX";
        Path = mkdtemp(pattern);
    }
    ~TempDir() { std::filesystem::remove_all(Path); }
    std::string File(const std::string& name) const { return Path + "/" + name; }
    void Write(const std::string& name, const std::string& data) const
    {
        std::ofstream(File(name), std::ios::binary) << data;
    }
    std::string Read(const std::string& name) const
    {
        std::ifstream in(File(name), std::ios::binary);
        std::ostringstream s;
        s << in.rdbuf();
        return s.str();
    }
    bool Exists(const std::string& name) const { return std::filesystem::exists(File(name)); }
    std::string Path;
};
