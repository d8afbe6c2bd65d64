#pragma once

#include <cstdio>
#include <optional>
#include <string>

// What tells one file from another that took its name: the device and inode
// it lives on, its size and its modification and status change times. A cache file is checked
// against the identity it had when it was written before it is read or removed.
struct FileIdentity
{
    unsigned long long device = 0;
    unsigned long long inode = 0;
    unsigned long long size = 0;
    long long modified = 0; // nanoseconds
    long long changed = 0;

    bool operator==(const FileIdentity &other) const;
    bool operator!=(const FileIdentity &other) const { return !(*this == other); }

    // The file open in the stream; nothing when the system cannot tell.
    static std::optional<FileIdentity> of(std::FILE *file);
    // The regular file under the name itself, a symbolic link not followed:
    // nothing for a missing name, a link or anything else that is not a regular file.
    static std::optional<FileIdentity> ofName(const std::string &name);
};
