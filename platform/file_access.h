#pragma once
#include <string>

// Read-only means no write permission bit, whoever runs the program: a folder
// or file that an operator has made read-only is treated as such even when
// the program runs as the superuser, who could write it anyway.

// True when the path exists and has at least one write permission bit.
bool HasWriteBit(const std::string& path);
// The folder that holds the path ("a/b/c.txt" gives "a/b", "c.txt" gives ".").
std::string ParentFolder(const std::string& path);
// Whether a file may be created or replaced at the path: an existing file must
// have a write bit, and its folder too (a new entry changes the folder).
bool MayWriteFile(const std::string& path);
