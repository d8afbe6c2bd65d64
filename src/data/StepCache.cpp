#include "data/StepCache.h"

#include "data/Reporter.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <algorithm>
#include <cerrno>
#include <climits>
#include <cstring>
#include <filesystem>

namespace {

// Checking more names than this up front costs more than moving a set that
// meets a taken name later.
constexpr int maxNamesCheckedFirst = 100000;

std::string reasonOf(int error)
{
    return std::strerror(error);
}

// Cache files reach 4 GiB, beyond the long offsets of std::fseek on some systems.
bool seekTo(std::FILE *file, std::uint64_t offset)
{
#if defined(_WIN32)
    return _fseeki64(file, static_cast<__int64>(offset), SEEK_SET) == 0;
#elif defined(__unix__) || defined(__APPLE__)
    return fseeko(file, static_cast<off_t>(offset), SEEK_SET) == 0;
#else
    return offset <= static_cast<std::uint64_t>(LONG_MAX) && std::fseek(file, static_cast<long>(offset), SEEK_SET) == 0;
#endif
}

// A file of the step being written goes, unless another program put its own under the name meanwhile.
void removeIfStill(const std::string &name, const std::optional<FileIdentity> &identity)
{
    if (identity && FileIdentity::ofName(name) == identity)
        std::remove(name.c_str());
}

std::string folderOf(const QString &path)
{
    return QFile::encodeName(QDir::toNativeSeparators(path)).toStdString()
           + static_cast<char>(QDir::separator().toLatin1());
}

// Whether the path is the root folder, also through links: nothing of an open
// goes there.
bool isRootFolder(const QString &path)
{
    const QString canonical = QFileInfo(path).canonicalFilePath();
    return QDir(canonical.isEmpty() ? QDir::cleanPath(QDir(path).absolutePath()) : canonical).isRoot();
}

struct PrivateFolderBase
{
    QString path;
    bool madeWhenMissing; // the cache location's own folder is; the temporary folder must exist
};

// Where private folders may go, in the order tried: the user's cache location,
// then the temporary folder. A cache location in the root folder is what a
// missing HOME gives ("/.cache"); it is no user's, so it is left out.
std::vector<PrivateFolderBase> privateFolderBases()
{
    std::vector<PrivateFolderBase> bases;
    const QString cache = QStandardPaths::writableLocation(QStandardPaths::GenericCacheLocation);
    if (!cache.isEmpty() && !isRootFolder(QFileInfo(cache).absolutePath()))
        bases.push_back({cache + "/sembla", true});
    if (!isRootFolder(QDir::tempPath()))
        bases.push_back({QDir::tempPath(), false});
    return bases;
}

} // namespace

StepCache::StepCache(std::string inputDirectory, int expectedFiles)
    : m_inputDirectory(std::move(inputDirectory)), m_expectedFiles(std::clamp(expectedFiles, 1, maxNamesCheckedFirst)),
      m_directory(m_inputDirectory)
{
}

StepCache::~StepCache()
{
    removeFiles(nullptr);
}

std::string StepCache::directory() const
{
    std::lock_guard<std::mutex> lock(m_mutex);
    return m_directory;
}

bool StepCache::isPrivate() const
{
    std::lock_guard<std::mutex> lock(m_mutex);
    return m_privateFolder != nullptr;
}

std::string StepCache::nameIn(const std::string &directory, int step) const
{
    return directory + "SemTmp" + std::to_string(step) + ".bin";
}

int StepCache::fileStep(int step) const
{
    return m_sharedFrom > 0 && step >= m_sharedFrom ? m_sharedFrom - 1 : step;
}

std::string StepCache::fileName(int step) const
{
    std::lock_guard<std::mutex> lock(m_mutex);
    return nameIn(m_directory, fileStep(step));
}

bool StepCache::isReady(int step) const
{
    std::lock_guard<std::mutex> lock(m_mutex);
    const int file = fileStep(step);
    return file >= 1 && file <= static_cast<int>(m_written.size());
}

bool StepCache::namesFreeBeside(int count) const
{
    for (int step = 1; step <= count; ++step) {
        std::error_code error;
        if (std::filesystem::symlink_status(nameIn(m_inputDirectory, step), error).type()
            != std::filesystem::file_type::not_found)
            return false;
    }
    return true;
}

std::FILE *StepCache::createIn(const std::string &directory, int step, int &error) const
{
    // "x": created new or not at all; a name that is taken, even by a link, fails.
    errno = 0;
    std::FILE *file = std::fopen(nameIn(directory, step).c_str(), "wbx");
    error = file ? 0 : (errno != 0 ? errno : EIO);
    // Unbuffered: every byte handed over is in the file at once, so the identity
    // taken before closing is the file's last, and closing writes nothing that
    // could change it.
    if (file)
        std::setvbuf(file, nullptr, _IONBF, 0);
    return file;
}

std::unique_ptr<QTemporaryDir> StepCache::makePrivateFolder(std::string &error)
{
    // A cache location that exists but takes nothing (read-only, full) sends
    // the folder on to the next place.
    QStringList reasons;
    for (const PrivateFolderBase &base : privateFolderBases()) {
        if (base.madeWhenMissing && !QDir().mkpath(base.path)) {
            reasons << base.path + " (it cannot be made)";
            continue;
        }
        auto folder = std::make_unique<QTemporaryDir>(base.path + "/open-XXXXXX");
        if (folder->isValid())
            return folder;
        reasons << base.path + " (" + folder->errorString() + ")";
    }
    error = reasons.isEmpty() ? "Cannot make a folder for the step cache files: there is no cache location or "
                                "temporary folder outside the root folder."
                              : "Cannot make a folder for the step cache files in "
                                    + QFile::encodeName(reasons.join(" or ")).toStdString() + ".";
    return nullptr;
}

bool StepCache::moveToPrivateFolder(std::string &error)
{
    auto folder = makePrivateFolder(error);
    if (!folder)
        return false;
    const std::string to = folderOf(folder->path());
    // Readers wait until the set stands in its new place.
    std::lock_guard<std::mutex> lock(m_mutex);
    for (std::size_t i = 0; i < m_written.size(); ++i) {
        const int step = static_cast<int>(i) + 1;
        const std::string oldName = nameIn(m_directory, step);
        const std::string newName = nameIn(to, step);
        if (FileIdentity::ofName(oldName) != m_written[i]) {
            error = "The step cache file " + oldName + " was changed by another program while the file was read.";
            return false;
        }
        std::error_code moveError;
        std::filesystem::rename(oldName, newName, moveError);
        if (moveError) {
            // Another device: copied, then the original goes.
            moveError.clear();
            std::filesystem::copy_file(oldName, newName, moveError);
            if (moveError) {
                error = "Cannot move the step cache file " + oldName + " to " + newName + " ("
                        + moveError.message() + ").";
                return false;
            }
            std::filesystem::remove(oldName, moveError);
        }
        const auto moved = FileIdentity::ofName(newName);
        if (!moved) {
            error = "Cannot move the step cache file " + oldName + " to " + newName + ".";
            return false;
        }
        m_written[i] = *moved;
    }
    m_directory = to;
    m_privateFolder = std::move(folder);
    return true;
}

bool StepCache::usePrivateFolder(std::string &error)
{
    auto folder = makePrivateFolder(error);
    if (!folder)
        return false;
    std::lock_guard<std::mutex> lock(m_mutex);
    m_directory = folderOf(folder->path());
    m_privateFolder = std::move(folder);
    return true;
}

bool StepCache::beginStep(int step, std::string &error)
{
    m_step = step;
    m_writeError = 0;
    std::FILE *file = nullptr;
    int createError = 0;
    if (m_written.empty() && !isPrivate()) {
        // The first file decides where the whole set goes: beside the input if
        // that folder takes it and every name is free, else a folder of its own.
        if (namesFreeBeside(m_expectedFiles))
            file = createIn(m_inputDirectory, step, createError);
        if (!file && !usePrivateFolder(error))
            return false;
    }
    if (!file)
        file = createIn(directory(), step, createError);
    if (!file && createError == EEXIST && !isPrivate()) {
        // A name beside the input was taken since the set began there.
        if (!moveToPrivateFolder(error))
            return false;
        file = createIn(directory(), step, createError);
    }
    if (!file) {
        error = "Cannot create the step cache file " + nameIn(directory(), step) + " (" + reasonOf(createError) + ").";
        return false;
    }
    m_file.reset(file);
    return true;
}

void StepCache::append(const void *bytes, std::size_t size)
{
    if (!m_file || m_writeError != 0 || size == 0)
        return;
    errno = 0;
    if (std::fwrite(bytes, 1, size, m_file.get()) != size)
        m_writeError = errno != 0 ? errno : EIO;
}

std::optional<FileIdentity> StepCache::closeStepFile()
{
    // The file is unbuffered: what append handed over is in it already.
    const auto identity = FileIdentity::of(m_file.get());
    errno = 0;
    if (std::fclose(m_file.release()) != 0 && m_writeError == 0)
        m_writeError = errno != 0 ? errno : EIO;
    return identity;
}

bool StepCache::endStep(std::string &error)
{
    const std::string name = nameIn(directory(), m_step);
    const auto identity = closeStepFile();
    if (m_writeError == 0 && !identity)
        m_writeError = EIO;
    if (m_writeError != 0) {
        error = "Cannot write the step cache file " + name + " (" + reasonOf(m_writeError) + ").";
        removeIfStill(name, identity);
        return false;
    }
    std::lock_guard<std::mutex> lock(m_mutex);
    m_written.push_back(*identity);
    return true;
}

void StepCache::shareFromStep(int step)
{
    if (m_file) {
        const std::string name = nameIn(directory(), m_step);
        removeIfStill(name, closeStepFile());
    }
    std::lock_guard<std::mutex> lock(m_mutex);
    m_sharedFrom = step;
}

void StepCache::shareAfterLastStep()
{
    std::lock_guard<std::mutex> lock(m_mutex);
    m_sharedFrom = static_cast<int>(m_written.size()) + 1;
}

bool StepCache::read(int step, void *bytes, std::size_t size, std::string &error) const
{
    return read(step, size, {ByteRun{0, size, bytes}}, error);
}

bool StepCache::read(int step, std::uint64_t fileSize, const std::vector<ByteRun> &runs, std::string &error) const
{
    std::string name;
    FileIdentity written;
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        const int file = fileStep(step);
        name = nameIn(m_directory, file);
        if (file < 1 || file > static_cast<int>(m_written.size())) {
            error = "Step " + std::to_string(step) + " is not read yet.";
            return false;
        }
        written = m_written[static_cast<std::size_t>(file) - 1];
    }
    std::unique_ptr<std::FILE, FileCloser> file(std::fopen(name.c_str(), "rb"));
    if (!file) {
        error = "Cannot read the step cache file " + name + " of step " + std::to_string(step) + " (" + reasonOf(errno)
                + ").";
        return false;
    }
    const auto identity = FileIdentity::of(file.get());
    bool whole = identity && *identity == written && identity->size == fileSize;
    for (std::size_t i = 0; whole && i < runs.size(); ++i) {
        const ByteRun &run = runs[i];
        whole = run.offset + run.size <= fileSize && seekTo(file.get(), run.offset)
                && std::fread(run.bytes, 1, run.size, file.get()) == run.size;
    }
    if (!whole) {
        error = "The step cache file " + name + " no longer holds step " + std::to_string(step)
                + " of the open file: another program changed or replaced it.";
        return false;
    }
    return true;
}

void StepCache::removeFiles(Reporter *reporter)
{
    if (m_file)
        shareFromStep(m_step); // a step begun and never ended: its file goes
    std::lock_guard<std::mutex> lock(m_mutex);
    for (std::size_t i = 0; i < m_written.size(); ++i) {
        const std::string name = nameIn(m_directory, static_cast<int>(i) + 1);
        // A file that is gone, or that another program put under the name, is not ours to remove.
        if (FileIdentity::ofName(name) != m_written[i])
            continue;
        std::error_code error;
        if (!std::filesystem::remove(name, error) && error && reporter)
            reporter->report("Cannot remove the step cache file " + name + " (" + error.message() + ").");
    }
    m_written.clear();
    m_sharedFrom = 0;
    if (m_privateFolder && !m_privateFolder->remove() && reporter)
        reporter->report("Cannot remove the folder of the step cache files " + m_directory + ".");
    m_privateFolder.reset();
    m_directory = m_inputDirectory;
}
