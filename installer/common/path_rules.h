// Path rules of the installation tools: the trailing backslash, the program
// folder below an install root, the folder levels the installer creates, and
// the folder part of a path chosen in the save dialog. Paths are ANSI text.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace orva::installer {

// Appends a backslash unless the last backslash is already the last
// character; an empty text stays empty. Changes the argument and returns it.
std::string& AddBackslash(std::string& path);
// The same on a copy, for expressions.
std::string WithBackslash(std::string path);

// Whether the path holds a blank (the driver tools' command lines are not
// quoted, so the installer refuses to run from such a folder).
bool ContainsBlank(std::string_view path);

// AddBackslash(AddBackslash(root) + "EXE"): always ends with a backslash.
std::string ProgramFolderFor(std::string root);

// The folders to create, outermost first, for a folder path that ends with a
// backslash: for each backslash after the first one, the text up to and
// including it. The walk stops at the last backslash, or before a doubled
// backslash ("C:\A\\B\" gives only "C:\A\").
std::vector<std::string> FolderLevels(std::string_view folder);

// The path up to and including its last backslash (the folder the user stood
// in when choosing a file name); empty when there is no backslash.
std::string FolderPartOf(std::string_view chosenPath);

} // namespace orva::installer
