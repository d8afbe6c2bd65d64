#pragma once

#include <QString>

struct OpenWatch;

// What the status bar says of an open in progress, read from its watch.
struct OpenProgress
{
    // Per mille of the file read; -1 when its size is not known (a pipe).
    int perMille = -1;
    // "Reading step 3 of 200", or "Reading the header" before the steps.
    QString text;

    static OpenProgress of(const OpenWatch &watch);
};
