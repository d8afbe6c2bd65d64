#pragma once

#include "data/OpenedFile.h"
#include "data/SeamHeader.h"
#include "data/StepGrid.h"

#include <QObject>

#include <string>

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

    // The File Open sequence for a chosen path; every way of opening a file runs
    // it. The file read replaces the open one only when its open succeeds; an
    // open that fails or is cancelled leaves the document as it was.
    OpenResult openFile(const std::string &filePath, OpenWatch *watch = nullptr);
    void DeleteContents();

    bool isLoaded() const { return m_grid.allocated(); }
    const SeamHeader &header() const { return m_header; }
    StepGrid &grid() { return m_grid; }
    const StepGrid &grid() const { return m_grid; }

    // ReadStep of the grid, reporting a cache file that cannot be read.
    bool loadStep(int step);
    // The step the grid holds; 0 when a load failed and it holds none.
    int heldStep() const { return m_heldStep; }

    std::string GetFileTitle() const { return m_fileTitle; }
    std::string GetFileDirectory() const { return m_fileDirectory; }
    const std::string &fileName() const { return m_fileName; }

    Reporter &reporter() { return m_reporter; }

signals:
    // Every view repaints: the contents changed, or an open ended.
    void updateAllViews();

private:
    void clearContents();

    Reporter &m_reporter;
    SeamHeader m_header;
    StepGrid m_grid;
    std::string m_fileTitle;
    std::string m_fileName;
    std::string m_fileDirectory;
    int m_heldStep = 0;
};
