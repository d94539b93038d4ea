#pragma once

#include "core/batch/evaluation.h"

#include <functional>
#include <stop_token>
#include <string>
#include <vector>

namespace sorvik1 {

// The permanence files of a folder and its sub-folders.
struct FolderListing {
    std::vector<std::string> files;   // every "*.txt" to read, sorted by path
    std::vector<FileRefusal> refused; // what was left out and why, sorted by path
    bool cancelled = false;
};

// Opens a folder for the walk as openat(parent, name, flags) does: a
// descriptor, or -1 with errno set. A folder that can be read but not
// entered counts as not opened (EACCES). Tests pass their own, since a
// user with every right enters every folder.
using FolderOpen = std::function<int(int parent, const char* name, int flags)>;
int systemFolderOpen(int parent, const char* name, int flags);

// Every "*.txt" below `folder` is either listed to be read or refused with
// a German reason. Folders are opened relative to their parent, so a path of
// any length is walked. A link to a file is followed, and a file met again
// (through a link or a hard link) is refused as the same file as the first,
// in path order. A link to a folder inside `folder` leads where the walk goes
// anyway; one to a folder outside is refused, so a link to "/" never walks
// the whole system. Each folder is visited once, so a link loop ends; a stop
// request ends the listing early.
FolderListing permanenceFilesIn(const std::string& folder, std::stop_token stop,
                                const FolderOpen& open = systemFolderOpen);

} // namespace sorvik1
