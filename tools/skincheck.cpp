// skincheck: every problem of a skin at once, in the words of the program's
// own error boxes, for the people who draw skins.
//   skincheck [--strict] <skin folder> [description file]
// Exit status: 0 no errors, 1 errors (under --strict also warnings), 2 bad usage.
#include <cstdio>

#include "SkinCheck.h"

int main(int argc, char** argv)
{
    // Plain stdio: the streams library would add most of a megabyte to the
    // skincheck.exe that ships beside Quorvel.exe.
    std::string out, err;
    const int status = RunSkinCheck(std::vector<std::string>(argv + 1, argv + argc), out, err);
    fputs(out.c_str(), stdout);
    fputs(err.c_str(), stderr);
    return status;
}
