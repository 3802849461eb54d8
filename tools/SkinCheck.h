// What is wrong with a skin, all at once: the program itself stops at the
// first error box, and a picture that is merely drawn wrong says nothing at
// all. The checks run the program's own readers, hit test and panel layout,
// so their verdicts are the program's.
#pragma once
#include <string>
#include <vector>

enum class Severity { Warning, Error };

struct Finding {
    Severity Level;
    std::string Text;
};

// The description files (*.qvs, in any case) of a folder, sorted by name.
std::vector<std::string> DescriptionFiles(const std::string& folder);

// Every problem of the skin in `folder` described by `file` (an empty name:
// the folder has no description file), with all eight buttons on the panel.
std::vector<Finding> CheckSkin(const std::string& folder, const std::string& file);

std::string FormatFinding(const Finding& f);          // "error: ..." or "warning: ..."
std::string Summary(const std::vector<Finding>& all);  // "1 error, 2 warnings"
bool HasErrors(const std::vector<Finding>& all);

// The command line: skincheck [--strict] <skin folder> [description file].
// Findings and the summary go to `out`, complaints about the arguments to
// `err`. Returns the exit status: 0 no errors, 1 errors (under --strict also
// warnings), 2 bad usage.
int RunSkinCheck(const std::vector<std::string>& args, std::string& out, std::string& err);
