#pragma once

#include <QString>

#include <atomic>
#include <string>
#include <thread>

// A seam file of 500 steps of 100 x 100 elements that arrives through a named
// pipe a step at a time, a few milliseconds apart, until its reader goes: an
// open that stands in the middle for as long as a test needs.
class SlowPipe
{
public:
    explicit SlowPipe(const QString &path);
    // Stops writing and waits for the writer.
    ~SlowPipe();
    SlowPipe(const SlowPipe &) = delete;
    SlowPipe &operator=(const SlowPipe &) = delete;

    bool made() const { return m_made; }

private:
    void write();

    std::string m_path;
    bool m_made = false;
    std::atomic<bool> m_stop{false};
    std::thread m_writer;
};
