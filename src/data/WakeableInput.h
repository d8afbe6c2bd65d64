#pragma once

#include <streambuf>
#include <string>

// Lets one thread end another's wait for input: a wake() makes every read of
// a WakeableInput that watches it, waiting or later, find the end of its input.
// wake() may be called from a signal handler.
class InputWake
{
public:
    InputWake();
    ~InputWake();
    InputWake(const InputWake &) = delete;
    InputWake &operator=(const InputWake &) = delete;

    void wake() noexcept;

private:
    friend class WakeableInput;
    int m_pipe[2] = {-1, -1}; // read end, write end; none where the system has no pipes
};

// A file read for an open. A pipe or a device whose writer is slow, or has not
// come yet, is waited for only until the wake: a cancelled open then ends at
// once instead of when the writer delivers. Short reads are handed on as they
// come, so a reader sees a pipe's data without waiting for a full buffer.
class WakeableInput : public std::streambuf
{
public:
    // wake may be nullptr: reads then wait as long as the input takes.
    WakeableInput(const std::string &path, const InputWake *wake);
    ~WakeableInput() override;
    WakeableInput(const WakeableInput &) = delete;
    WakeableInput &operator=(const WakeableInput &) = delete;

    // 0 when the file is open, else why it is not (an errno value).
    int openError() const { return m_openError; }

protected:
    int_type underflow() override;
    std::streamsize xsgetn(char *bytes, std::streamsize count) override;

private:
    // Up to count bytes, as many as one read gives; 0 at the end, on an error or after the wake.
    std::streamsize readSome(char *bytes, std::streamsize count);

    int m_file = -1;
    int m_openError = 0;
    const InputWake *m_wake = nullptr;
    char m_byte = 0; // the get area of underflow
};
