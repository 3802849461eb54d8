// Adding to and deleting from a favourites list, and the names an entry
// gets when the user does not type one.
#pragma once
#include <string>

#include "LaunchList.h"

// The name of a folder entry: a drive root ("D:\") keeps its whole path,
// any other folder its last component.
std::string DefaultDirName(const std::string& path);
// The name of a file entry: the file's name with its extension.
std::string DefaultFileName(const std::string& path);

// Appends an entry, both texts cut to 255 characters. A full list takes no
// 21st entry: false. Neither edit makes a list that was never read whole
// count as read: its file still holds what the user has.
bool AddEntry(LaunchList& list, const std::string& path, const std::string& name);
// Removes entry `n` (1 to Count); the later ones move up. Out of range: nothing.
void DeleteEntry(LaunchList& list, int n);
