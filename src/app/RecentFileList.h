#pragma once

#include <string>
#include <vector>

// The list of recently opened files in the application's settings, newest
// first, at most four. Paths are the system's bytes; one that is not valid
// text is stored as bytes, so it opens again.
class RecentFileList
{
public:
    std::vector<std::string> paths() const;
    void add(const std::string &path);
    void remove(const std::string &path);

private:
    void store(const std::vector<std::string> &paths);
};
