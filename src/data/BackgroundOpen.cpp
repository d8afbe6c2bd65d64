#include "data/BackgroundOpen.h"

#include "data/Reporter.h"

#include <system_error>

BackgroundOpen::BackgroundOpen(std::string path, Reporter &reporter, QObject *parent)
    : QObject(parent), m_path(std::move(path)), m_reporter(reporter)
{
    m_watch.observer = this;
}

BackgroundOpen::~BackgroundOpen()
{
    cancel();
    if (m_thread.joinable())
        m_thread.join();
}

void BackgroundOpen::start()
{
    try {
        m_thread = std::thread([this] {
            const OpenResult result = readSeamFile(m_path, m_messenger, m_file, &m_watch);
            QMetaObject::invokeMethod(this, [this, result] { emit finished(result); }, Qt::QueuedConnection);
        });
    } catch (const std::system_error &error) {
        m_reporter.report("Cannot start reading the file " + m_path + " (" + error.what() + ").");
        QMetaObject::invokeMethod(this, [this] { emit finished(OpenResult::Failed); }, Qt::QueuedConnection);
    }
}

void BackgroundOpen::cancel()
{
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        m_watch.requestCancel();
    }
    m_answered.notify_all();
}

void BackgroundOpen::onHeaderRead(const FilePath &names, const SeamHeader &header,
                                  const std::shared_ptr<StepCache> &cache)
{
    // Read on the program's thread only after the signal, which the event queue orders after these.
    m_names = names;
    m_header = header;
    m_cache = cache;
    emit headerRead();
}

void BackgroundOpen::onStepsReady(int count)
{
    emit stepsReady(count);
}

void BackgroundOpen::Messenger::report(const std::string &message)
{
    m_owner.pass(Message{message, 0, 0});
}

void BackgroundOpen::Messenger::reportSteps(const std::string &message, int firstStep, int lastStep)
{
    m_owner.pass(Message{message, firstStep, lastStep});
}

void BackgroundOpen::pass(Message message)
{
    std::unique_lock<std::mutex> lock(m_mutex);
    if (m_watch.cancel)
        return;
    m_message = std::move(message);
    m_messageWaiting = true;
    QMetaObject::invokeMethod(this, &BackgroundOpen::showMessage, Qt::QueuedConnection);
    m_answered.wait(lock, [this] { return !m_messageWaiting || m_watch.cancel; });
}

void BackgroundOpen::showMessage()
{
    Message message;
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        if (!m_messageWaiting || m_watch.cancel)
            return;
        message = m_message;
    }
    if (message.firstStep > 0)
        m_reporter.reportSteps(message.text, message.firstStep, message.lastStep);
    else
        m_reporter.report(message.text);
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        m_messageWaiting = false;
    }
    m_answered.notify_all();
}
