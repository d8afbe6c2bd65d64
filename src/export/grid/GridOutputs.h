#pragma once

#include "export/OutputFile.h"
#include "export/TextLines.h"

#include <memory>
#include <string>
#include <vector>

// The files of one export, which appear under their names together or not at
// all: each is written beside its name first, and commit() renames them only
// once every one of them is complete. A file is written either as a stream of
// bytes or, for a library that wants a path, under a temporary path.
class GridOutputs
{
public:
    GridOutputs() = default;
    GridOutputs(const GridOutputs &) = delete;
    GridOutputs &operator=(const GridOutputs &) = delete;
    ~GridOutputs() { cancel(); }

    // A file to write bytes to; nullptr with the reason in error when it cannot be made.
    OutputFile *stream(const std::string &target, std::string &error);
    // A text file to write lines to, drained into the file as it grows.
    TextLines *text(const std::string &target, std::string &error);
    // A temporary path beside the target for a library to write the file to;
    // empty with the reason in error. Such a file cannot go into a FIFO or a device.
    std::string path(const std::string &target, std::string &error);

    // False with the reason in error once a write to a file has failed, so
    // that a writer stops at once rather than at the end.
    bool healthy(std::string &error) const;
    // The files made so far completed: their bytes flushed and their handles
    // closed, their names still to be taken by commit(). False with the reason
    // in error; the set is then given up.
    bool finishAll(std::string &error);
    // Every file finished, then every one renamed into place; on false the
    // reason is in error and none is left.
    bool commit(std::string &error);
    void cancel();

private:
    OutputFile *add(const std::string &target, bool regularOnly, std::string &error);

    struct Output
    {
        std::string target;
        std::unique_ptr<OutputFile> file;
        std::unique_ptr<TextLines> lines; // of a text file
    };
    std::vector<Output> m_outputs;
};

// The message of a file that could not be written: "Cannot write PATH (reason)."
std::string cannotWrite(const std::string &path, const std::string &reason);
