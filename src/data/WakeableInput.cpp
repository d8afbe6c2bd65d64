#include "data/WakeableInput.h"

#include <algorithm>
#include <cerrno>
#include <fcntl.h>

#ifdef _WIN32
#include <io.h>
#else
#include <poll.h>
#include <unistd.h>
#endif

#ifdef _WIN32
// No pipes to wait on here: reads wait as long as the input takes.
InputWake::InputWake() = default;
InputWake::~InputWake() = default;
void InputWake::wake() noexcept {}

WakeableInput::WakeableInput(const std::string &path, const InputWake *wake) : m_wake(wake)
{
    m_file = ::_open(path.c_str(), _O_RDONLY | _O_BINARY);
    m_openError = m_file < 0 ? errno : 0;
}

WakeableInput::~WakeableInput()
{
    if (m_file >= 0)
        ::_close(m_file);
}

std::streamsize WakeableInput::readSome(char *bytes, std::streamsize count)
{
    const int got = ::_read(m_file, bytes, static_cast<unsigned>(std::min<std::streamsize>(count, 1 << 30)));
    return got > 0 ? got : 0;
}
#else
InputWake::InputWake()
{
    if (::pipe(m_pipe) != 0)
        return;
    // A wake never blocks, however often it comes; the read end is only ever polled.
    ::fcntl(m_pipe[1], F_SETFL, ::fcntl(m_pipe[1], F_GETFL) | O_NONBLOCK);
    for (int end : m_pipe)
        ::fcntl(end, F_SETFD, FD_CLOEXEC);
}

InputWake::~InputWake()
{
    for (int end : m_pipe)
        if (end >= 0)
            ::close(end);
}

void InputWake::wake() noexcept
{
    const char byte = 1;
    if (m_pipe[1] >= 0)
        [[maybe_unused]] const auto written = ::write(m_pipe[1], &byte, 1);
}

WakeableInput::WakeableInput(const std::string &path, const InputWake *wake) : m_wake(wake)
{
    // Not blocking: opening a FIFO does not wait for its writer, reading does not
    // wait for data; both waits happen in poll, beside the wake.
    m_file = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    m_openError = m_file < 0 ? errno : 0;
}

WakeableInput::~WakeableInput()
{
    if (m_file >= 0)
        ::close(m_file);
}

std::streamsize WakeableInput::readSome(char *bytes, std::streamsize count)
{
    if (m_file < 0)
        return 0;
    const int wakeEnd = m_wake ? m_wake->m_pipe[0] : -1;
    for (;;) {
        pollfd ready[2] = {{m_file, POLLIN, 0}, {wakeEnd, POLLIN, 0}};
        if (::poll(ready, wakeEnd >= 0 ? 2 : 1, -1) < 0) {
            if (errno == EINTR)
                continue;
            return 0;
        }
        if (ready[1].revents != 0)
            return 0;
        const ssize_t got = ::read(m_file, bytes, static_cast<std::size_t>(count));
        if (got >= 0)
            return got;
        if (errno != EAGAIN && errno != EINTR)
            return 0;
    }
}
#endif

WakeableInput::int_type WakeableInput::underflow()
{
    if (readSome(&m_byte, 1) == 0)
        return traits_type::eof();
    setg(&m_byte, &m_byte, &m_byte + 1);
    return traits_type::to_int_type(m_byte);
}

std::streamsize WakeableInput::xsgetn(char *bytes, std::streamsize count)
{
    std::streamsize taken = 0;
    // A byte underflow left comes first.
    if (count > 0 && gptr() < egptr()) {
        *bytes = *gptr();
        gbump(1);
        taken = 1;
    }
    return count > taken ? taken + readSome(bytes + taken, count - taken) : taken;
}
