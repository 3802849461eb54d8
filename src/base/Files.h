// Files as the program uses them: opened, read or written, and closed within
// one operation. Failures throw InOutError with the system's error code.
#pragma once
#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

class InFile {
public:
    explicit InFile(const std::string& path);
    ~InFile();
    InFile(const InFile&) = delete;
    InFile& operator=(const InFile&) = delete;
    // Returns 0 at the end of the file.
    size_t Read(char* buffer, size_t size);

private:
    intptr_t Handle;
};

bool FileExists(const std::string& path);
bool FolderExists(const std::string& path);
// The names of the files (not the sub-folders) in a folder, in no order;
// none if it cannot be read.
std::vector<std::string> FilesIn(const std::string& folder);
// What joins a folder and a name in a path: '\\' on Windows.
extern const char PathSeparator;

// Creates the file empty, or empties it.
void CreateEmptyFile(const std::string& path);

// Replaces the whole file with `data` so that a crash, a power failure or a
// full disk at any moment leaves either the old content or the new one: the
// data goes to a temporary file beside it, which then takes the old one's place.
// A file that already holds exactly `data` is left alone.
void SaveFileAtomic(const std::string& path, const std::string& data);
// The file exists and holds exactly `data`.
bool FileHolds(const std::string& path, const std::string& data);

// A file's content in short: whether it is there, its size and a hash of its
// bytes. Two that differ mean the file was changed in between.
struct FileFingerprint {
    bool Exists = false;
    uint64_t Size = 0;
    uint64_t Hash = 0;
    bool operator==(const FileFingerprint& o) const { return Exists == o.Exists && Size == o.Size && Hash == o.Hash; }
    bool operator!=(const FileFingerprint& o) const { return !(*this == o); }
};
// Read in chunks: a file of any size costs little memory.
FileFingerprint FingerprintOf(const std::string& path);
// What a file holding exactly `data` has.
FileFingerprint FingerprintOfData(const std::string& data);
// The file's bytes from `offset` to its end.
std::string ReadFileFrom(const std::string& path, uint64_t offset);

// How a line ends for the reader.
enum class LineRule {
    // CR LF or LF end a line; a lone CR ends the line's text and the rest up
    // to the next LF is skipped (the settings file).
    CrEndsText,
    // CR LF or LF end a line; a CR not followed by LF is dropped (list files).
    CrDropped,
};

// Reads text line by line from a file or from memory. Lines are cut to a
// limit as they are read, so a garbage file of any size costs little memory.
class TextReader {
public:
    explicit TextReader(const std::string& path);
    static TextReader FromMemory(std::string data);
    TextReader(TextReader&&) = default;
    ~TextReader();

    bool Eof();
    // The next line without its end, at most `keep` characters of it; at the
    // end of the file an empty text.
    std::string ReadLine(LineRule rule, size_t keep);
    // Bytes read so far: where the next line begins in the file.
    uint64_t Position() const { return Before + Pos; }
    // Skips blanks, tabs and line ends; reads up to the next blank, tab or
    // line end (at most `keep` characters), then skips the rest of that line.
    std::string ReadWord(size_t keep);

private:
    TextReader() = default;
    int Peek();  // next byte, or -1 at the end
    void Fill();
    std::unique_ptr<InFile> File;
    std::string Buffer;
    size_t Pos = 0;
    uint64_t Before = 0;  // bytes of the file before Buffer
};
