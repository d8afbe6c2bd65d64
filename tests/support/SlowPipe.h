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
    enum class Pace {
        Steady,          // the steps as above
        StallAfterHeader // the header, then nothing: the pipe stays open and silent
    };
    explicit SlowPipe(const QString &path, Pace pace = Pace::Steady);
    // Stops writing and waits for the writer.
    ~SlowPipe();
    SlowPipe(const SlowPipe &) = delete;
    SlowPipe &operator=(const SlowPipe &) = delete;

    bool made() const { return m_made; }

private:
    void write();

    std::string m_path;
    Pace m_pace;
    bool m_made = false;
    std::atomic<bool> m_stop{false};
    std::thread m_writer;
};
