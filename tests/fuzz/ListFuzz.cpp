// A list file may have been edited by hand or cut short by a full disk. Reading
// it from memory has nothing that may fail; the list must stay within its
// slots and texts, and saving it must give a file that reads back the same.
#include "lists/LaunchList.h"
#include "toolkit/Files.h"

#include <vector>

namespace {
void Check(bool ok)
{
    if (!ok)
        __builtin_trap();
}

std::vector<std::string> Read(const std::string& text)
{
    DirList.Count = 0;
    TextReader in = TextReader::FromMemory(text);
    ReadLaunchList(DirList, in);
    Check(DirList.Count <= MaxEntries);
    std::vector<std::string> texts;
    for (unsigned i = 1; i <= DirList.Count; ++i) {
        const LaunchEntry& e = DirList.Slot[i];
        Check(e.Name.size() <= MaxEntryText && e.Path.size() <= MaxEntryText);
        texts.push_back(e.Name);
        texts.push_back(e.Path);
    }
    return texts;
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const std::vector<std::string> first = Read(std::string(reinterpret_cast<const char*>(data), size));
    Check(Read(FormatLaunchList(DirList)) == first);
    return 0;
}
