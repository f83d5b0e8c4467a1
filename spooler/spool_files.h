#pragma once
#include <string>
#include <vector>

// File-system operations of the spool cycle, on plain path texts.

// Names of the regular files in the folder whose extension equals the given
// one without regard to case ("pcf" finds "a.PCF" and "b.pcf"), in name order.
std::vector<std::string> FindFilesWithExtension(const std::string& folder,
                                                const std::string& extension);
bool FileExists(const std::string& path);
bool FolderExists(const std::string& path);
// Removes a file; true when it is gone.
bool DeleteJobFile(const std::string& path);
// Renames the file, or copies and removes it across file systems; true when
// the file is at the target and gone from the source.
bool MoveFileTo(const std::string& source, const std::string& target);
// Free bytes on the file system that holds the path; -1 when unknown.
long long FreeSpace(const std::string& path);
// The file name of a path ("a/b/c.pcf" gives "c.pcf").
std::string BareFileName(const std::string& path);
// The name with its extension replaced ("c.pcf", ".ppv" gives "c.ppv").
std::string WithExtension(const std::string& name, const std::string& extension);
