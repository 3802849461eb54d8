// The lines of the folder tree in the add-folder dialog: the drive's root,
// each folder down to the open one, then the open folder's sub-folders.
#pragma once
#include <string>
#include <vector>

struct FolderLine {
    std::string Text;
    int Level;  // indentation steps
    bool Open;  // on the path to the open folder (or that folder itself)
};

// `path` is the open folder as the system gives it: a drive root with its
// backslash ("C:\"), any other folder without one. A UNC path's root is
// "\\server\share\".
std::vector<FolderLine> FolderLines(const std::string& path, const std::vector<std::string>& subfolders);
// The folder line `index` stands for; "" if there is no such line.
std::string FolderLinePath(const std::string& path, const std::vector<std::string>& subfolders, int index);
