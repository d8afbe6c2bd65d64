#pragma once

#include "data/OpenedFile.h"
#include "data/Reporter.h"

#include <QObject>

#include <condition_variable>
#include <memory>
#include <mutex>
#include <string>
#include <thread>

// Reads a file on a thread of its own while the program goes on. Its messages
// reach the program's reporter on the program's thread one at a time, the
// reading waiting until each is answered; its signals arrive there too.
class BackgroundOpen : public QObject, private OpenObserver
{
    Q_OBJECT

public:
    BackgroundOpen(std::string path, Reporter &reporter, QObject *parent = nullptr);
    // Cancels the open and waits for its thread, which removes what it made.
    ~BackgroundOpen() override;

    void start();
    // The open ends soon after, as a failed one; no message of it shows any more.
    void cancel();

    const std::string &path() const { return m_path; }
    const OpenWatch &watch() const { return m_watch; }
    // Known once headerRead() came.
    const SeamHeader &header() const { return m_header; }
    const FilePath &names() const { return m_names; }
    const std::shared_ptr<StepCache> &cache() const { return m_cache; }
    // The file read; filled once finished() came with a successful result.
    OpenedFile &file() { return m_file; }

signals:
    void headerRead();
    void stepsReady(int count);
    void finished(OpenResult result);

private:
    // The reporter of the reading thread.
    class Messenger : public Reporter
    {
    public:
        explicit Messenger(BackgroundOpen &owner) : m_owner(owner) {}
        void report(const std::string &message) override;
        void reportSteps(const std::string &message, int firstStep, int lastStep) override;

    private:
        BackgroundOpen &m_owner;
    };
    struct Message
    {
        std::string text;
        int firstStep = 0;
        int lastStep = 0;
    };

    void onHeaderRead(const FilePath &names, const SeamHeader &header,
                      const std::shared_ptr<StepCache> &cache) override;
    void onStepsReady(int count) override;
    // On the reading thread: hands the message over and waits until it is answered or the open cancelled.
    void pass(Message message);
    // On the program's thread.
    void showMessage();

    const std::string m_path;
    Reporter &m_reporter;
    Messenger m_messenger{*this};
    OpenWatch m_watch;
    OpenedFile m_file;
    SeamHeader m_header;
    FilePath m_names;
    std::shared_ptr<StepCache> m_cache;

    std::mutex m_mutex;
    std::condition_variable m_answered;
    Message m_message;
    bool m_messageWaiting = false;
    std::thread m_thread;
};
