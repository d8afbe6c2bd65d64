#include "support/SlowPipe.h"

#include <QFile>

#include <chrono>
#include <csignal>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

SlowPipe::SlowPipe(const QString &path, Pace pace) : m_path(QFile::encodeName(path).toStdString()), m_pace(pace)
{
    // A reader that goes away must not end the test.
    std::signal(SIGPIPE, SIG_IGN);
    m_made = ::mkfifo(m_path.c_str(), 0600) == 0;
    if (m_made)
        m_writer = std::thread([this] { write(); });
}

SlowPipe::~SlowPipe()
{
    m_stop = true;
    // A writer still waiting for its reader is let go.
    const int unblock = ::open(m_path.c_str(), O_RDONLY | O_NONBLOCK);
    if (m_writer.joinable())
        m_writer.join();
    if (unblock >= 0)
        ::close(unblock);
}

void SlowPipe::write()
{
    const int out = ::open(m_path.c_str(), O_WRONLY);
    if (out < 0)
        return;
    const std::string header = "500, 0, 1.0, 100, 100, 0.0, 0.0\n1, S\n1, U\n";
    bool open = ::write(out, header.data(), header.size()) > 0;
    while (m_pace == Pace::StallAfterHeader && !m_stop)
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    std::string step;
    for (int line = 0; line < 100 * 100; ++line)
        step += "1.5\n";
    for (int s = 0; s < 500 && open && !m_stop; ++s) {
        open = ::write(out, step.data(), step.size()) == static_cast<ssize_t>(step.size());
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
    ::close(out);
}
