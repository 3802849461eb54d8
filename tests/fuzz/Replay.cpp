// Runs one fuzz target over every file in the folders named on the command
// line: the seed corpus and every crash ever found, under the sanitizers, in
// the ordinary test run. A sanitizer report aborts; a missing folder or no
// file at all fails too, so a wrong path cannot pass quietly.
#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <memory>
#include <string>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size);

int main(int argc, char** argv)
{
    namespace fs = std::filesystem;
    if (argc < 2) {
        std::fprintf(stderr, "usage: %s folder...\n", argv[0]);
        return 2;
    }
    size_t ran = 0;
    for (int i = 1; i < argc; ++i) {
        std::error_code ec;
        std::vector<fs::path> files;
        for (fs::directory_iterator it(argv[i], ec), end; !ec && it != end; it.increment(ec))
            if (it->is_regular_file() && it->path().filename() != "README.md")
                files.push_back(it->path());
        if (ec) {
            std::fprintf(stderr, "replay: %s: %s\n", argv[i], ec.message().c_str());
            return 1;
        }
        std::sort(files.begin(), files.end());
        for (const fs::path& f : files) {
            std::ifstream in(f, std::ios::binary);
            const std::string text{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
            if (in.bad()) {
                std::fprintf(stderr, "replay: cannot read %s\n", f.c_str());
                return 1;
            }
            // An exact-size copy, so that a read one byte past the end is caught.
            const std::unique_ptr<uint8_t[]> bytes(new uint8_t[text.size()]);
            std::copy(text.begin(), text.end(), bytes.get());
            std::printf("%s\n", f.c_str());
            std::fflush(stdout);
            LLVMFuzzerTestOneInput(bytes.get(), text.size());
            ++ran;
        }
    }
    std::printf("replay: ran %zu files\n", ran);
    return ran ? 0 : 1;
}
