#pragma once

#include "data/OpenedFile.h"
#include "data/SeamHeader.h"
#include "data/StepGrid.h"

#include <QObject>

#include <memory>
#include <optional>
#include <string>

class BackgroundOpen;
class Reporter;

// The open seam output file: its header, the step in memory and its names.
// Opening reads the whole file once and writes every step to its cache file;
// discarding the contents removes those files again.
class CPlotDoc : public QObject
{
    Q_OBJECT

public:
    static constexpr int pageWidth = 1024;
    static constexpr int pageHeight = 768;

    using OpenResult = ::OpenResult;

    explicit CPlotDoc(Reporter &reporter, QObject *parent = nullptr);
    ~CPlotDoc() override;

    // The File Open sequence for a chosen path, run to its end. The file read
    // replaces the open one only when its open succeeds; an open that fails or
    // is cancelled leaves the document as it was.
    OpenResult openFile(const std::string &filePath, OpenWatch *watch = nullptr);

    // The same sequence on a thread of its own; returns at once. The document
    // shows the new file once its step stepToShow (or its last step, if fewer)
    // is read, the steps after it becoming ready one by one; until the open
    // ends, a failure or a cancel brings the file shown before back. An open
    // in progress is cancelled first.
    void beginOpen(const std::string &filePath, int stepToShow = 1);
    void cancelOpen();
    bool isOpening() const { return m_opening != nullptr; }
    // How the open in progress goes on; nullptr when none is.
    const OpenWatch *openWatch() const;

    // Discards the contents: cancels an open in progress, removes the cache files.
    void DeleteContents();

    bool isLoaded() const { return m_file.grid.allocated(); }
    const SeamHeader &header() const { return m_file.header; }
    StepGrid &grid() { return m_file.grid; }
    const StepGrid &grid() const { return m_file.grid; }
    // Whether the step can be loaded: while a file is being read, only its steps read so far.
    bool stepReady(int step) const;
    // Steps 1 to completeSteps() the file held whole; the later steps it cut off
    // or damaged hold what the reader left. While the file is read, every step
    // counts as whole until the reading meets one that is not.
    int completeSteps() const;

    // Every item's range at every step; nullptr until the file is read whole.
    const StepRanges *stepRanges() const;

    // ReadStep of the grid, reporting a cache file that cannot be read.
    bool loadStep(int step);
    // The step the grid holds; 0 when a load failed and it holds none.
    int heldStep() const { return m_heldStep; }

    std::string GetFileTitle() const { return m_file.names.fileTitle; }
    std::string GetFileDirectory() const { return m_file.names.fileDirectory; }
    const std::string &fileName() const { return m_file.names.fileName; }

    Reporter &reporter() { return m_reporter; }

signals:
    // Every view repaints: the contents changed, or an open ended.
    void updateAllViews();
    void openStarted();
    // After the file shown is settled: the new one, or the one before.
    void openEnded(OpenResult result, const std::string &filePath);
    // More steps of the file being read can be loaded.
    void stepsReady();
    // Just before the views repaint: the file being read goes on screen
    // (replacedAFile when it takes the place of a file shown, which is kept aside),
    // or, after a cancel or a failure, the file shown before it comes back.
    void openingFileShown(bool replacedAFile);
    void previousFileBack();

private:
    void startNextOpen();
    void onOpenStepsReady(int count);
    void onOpenFinished(OpenResult result);
    // Shows the file being read in place of the open one, which is kept aside;
    // false when there is no memory for it (reported).
    bool showOpeningFile(const BackgroundOpen &opening);
    // The file being read goes from the screen, the one kept aside comes back.
    void showPreviousFile();
    void removeCacheFiles(OpenedFile &file);

    Reporter &m_reporter;
    OpenedFile m_file;
    int m_heldStep = 0;

    struct NextOpen
    {
        std::string path;
        int stepToShow = 1;
    };
    std::unique_ptr<BackgroundOpen> m_opening;
    std::optional<NextOpen> m_nextOpen; // waits for the open in progress to end
    int m_stepToShow = 1;
    bool m_showingOpening = false;       // m_file is the file being read
    std::unique_ptr<OpenedFile> m_previous; // the file shown before it
};
