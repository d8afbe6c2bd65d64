#pragma once

#include "data/FileIdentity.h"

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <memory>
#include <mutex>
#include <string>
#include <vector>

class QTemporaryDir;
class Reporter;

// The step cache files of one open. Each is created new, never over a file or
// a link that has the name already; it is read back and removed only while it
// is still the file this open wrote.
//
// The files go beside the input ("SemTmp" + step + ".bin") when that folder
// takes them and the names are free; otherwise the whole set goes into a
// private folder made for this open in the user's cache location.
//
// One thread writes the steps in order while others may read the steps that
// are written.
class StepCache
{
public:
    // inputDirectory ends with its separator. expectedFiles: how many files the
    // open may write, so that a set whose names are partly taken goes elsewhere
    // from the start.
    explicit StepCache(std::string inputDirectory, int expectedFiles = 1);
    ~StepCache();
    StepCache(const StepCache &) = delete;
    StepCache &operator=(const StepCache &) = delete;

    // The folder the files are in (or go to), with its separator.
    std::string directory() const;
    bool isPrivate() const;
    // The file that holds the step.
    std::string fileName(int step) const;
    // Whether the step can be read: its file, or the one it shares, is written.
    bool isReady(int step) const;

    // Writing one step: begin creates its file, append adds values, end closes
    // it. begin and end return false with the reason in error; after a failed
    // append or end the step's file is gone.
    bool beginStep(int step, std::string &error);
    void append(const void *bytes, std::size_t size);
    bool endStep(std::string &error);
    // The step begun holds nothing new: its file goes, and it and every later
    // step hold what the step before holds (steps wholly beyond the input's end).
    void shareFromStep(int step);
    // Every later step holds what the last step written holds.
    void shareAfterLastStep();

    // Reads `size` bytes of the step's file into bytes when the file is still the
    // one written; false with the reason in error otherwise.
    bool read(int step, void *bytes, std::size_t size, std::string &error) const;
    // A piece of a step's file: size bytes from offset.
    struct ByteRun
    {
        std::uint64_t offset = 0;
        std::size_t size = 0;
        void *bytes = nullptr;
    };
    // Reads only these pieces, with the checks of read: the file is still the
    // one written and fileSize bytes long, or false with the reason in error.
    bool read(int step, std::uint64_t fileSize, const std::vector<ByteRun> &runs, std::string &error) const;

    // Removes the files still as they were written, and the private folder;
    // reports files that stay though they should go.
    void removeFiles(Reporter *reporter);

private:
    struct FileCloser
    {
        void operator()(std::FILE *file) const { std::fclose(file); }
    };

    std::string nameIn(const std::string &directory, int step) const;
    bool namesFreeBeside(int count) const;
    std::FILE *createIn(const std::string &directory, int step, int &error) const;
    static std::unique_ptr<QTemporaryDir> makePrivateFolder(std::string &error);
    bool usePrivateFolder(std::string &error);
    bool moveToPrivateFolder(std::string &error);
    int fileStep(int step) const;
    // Closes the file of the step being written and tells what it is: taken once
    // the last byte has reached the file, so that it still matches the name after.
    std::optional<FileIdentity> closeStepFile();

    const std::string m_inputDirectory;
    const int m_expectedFiles;

    mutable std::mutex m_mutex;
    std::string m_directory;                       // where the files are; beside the input until moved
    std::unique_ptr<QTemporaryDir> m_privateFolder; // set once the set went there
    std::vector<FileIdentity> m_written;            // of steps 1, 2, ...
    int m_sharedFrom = 0;                           // steps from here on share the file before; 0: none

    // The step being written.
    std::unique_ptr<std::FILE, FileCloser> m_file;
    int m_step = 0;
    int m_writeError = 0;
};
