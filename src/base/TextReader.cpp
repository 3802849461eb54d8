#include "Files.h"

namespace {
const size_t ChunkSize = 16384;
}

TextReader::TextReader(const std::string& path) : File(std::make_unique<InFile>(path)) {}

TextReader::~TextReader() = default;

TextReader TextReader::FromMemory(std::string data)
{
    TextReader r;
    r.Buffer = std::move(data);
    return r;
}

void TextReader::Fill()
{
    if (Pos < Buffer.size() || !File)
        return;
    Before += Buffer.size();
    Buffer.resize(ChunkSize);
    Buffer.resize(File->Read(&Buffer[0], ChunkSize));
    Pos = 0;
    if (Buffer.empty())
        File.reset();
}

int TextReader::Peek()
{
    Fill();
    return Pos < Buffer.size() ? static_cast<unsigned char>(Buffer[Pos]) : -1;
}

bool TextReader::Eof()
{
    return Peek() < 0;
}

std::string TextReader::ReadLine(LineRule rule, size_t keep)
{
    std::string line;
    bool textEnded = false;
    for (int c; (c = Peek()) >= 0;) {
        ++Pos;
        if (c == '\n')
            break;
        if (c == '\r') {
            if (Peek() == '\n') {
                ++Pos;
                break;
            }
            if (rule == LineRule::CrEndsText)
                textEnded = true;
            continue;
        }
        if (!textEnded && line.size() < keep)
            line += char(c);
    }
    return line;
}

std::string TextReader::ReadWord(size_t keep)
{
    int c;
    while ((c = Peek()) == ' ' || c == '\t' || c == '\r' || c == '\n')
        ++Pos;
    std::string word;
    while ((c = Peek()) >= 0 && c != ' ' && c != '\t' && c != '\r' && c != '\n') {
        ++Pos;
        if (word.size() < keep)
            word += char(c);
    }
    ReadLine(LineRule::CrEndsText, 0);
    return word;
}
