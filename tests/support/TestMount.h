#pragma once

#include <QString>

#include <memory>

// A file system mounted over a folder for one test, unmounted when it goes:
// a small tmpfs to fill up, or the folder itself bound read-only. Mounting
// needs root and a system that allows it; both return nothing otherwise,
// and the test skips.
class TestMount
{
public:
    static std::unique_ptr<TestMount> smallDisk(const QString &folder, int kilobytes);
    static std::unique_ptr<TestMount> readOnly(const QString &folder);
    ~TestMount();
    TestMount(const TestMount &) = delete;
    TestMount &operator=(const TestMount &) = delete;

private:
    explicit TestMount(QString folder) : m_folder(std::move(folder)) {}
    QString m_folder;
};
