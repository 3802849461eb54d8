// skincheck: every problem of a skin at once, in the words of the program's
// own error boxes, for the people who draw skins.
//   skincheck [--strict] <skin folder> [description file]
// Exit status: 0 no errors, 1 errors (under --strict also warnings), 2 bad usage.
#include <iostream>

#include "SkinCheck.h"

int main(int argc, char** argv)
{
    return RunSkinCheck(std::vector<std::string>(argv + 1, argv + argc), std::cout, std::cerr);
}
