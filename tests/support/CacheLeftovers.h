#pragma once

#include <QString>
#include <QStringList>

#include <functional>

// What the ends of opens at random moments need: a file whose open lasts long
// enough to be cut off in the middle of a step, the wait for its open to be
// under way, and what an open left behind.

// 12 steps of 400 x 400 elements and 3 items, numbers of many widths (about 30
// MB): each step takes several blocks, so an end may fall between any two.
bool writeLongOpenSeam(const QString &path);

// Step cache files in the input's folder, and private cache folders in the
// cache home's "sembla" folder; empty when the open left nothing.
QStringList cacheLeftovers(const QString &inputFolder, const QString &cacheHome);

// Waits until the open has written something (a cache file in the input's
// folder or a private folder), or running() turns false, or 20 seconds passed;
// wait(ms) passes the time (a sleep, or a wait that handles events).
bool waitForCacheFiles(const QString &inputFolder, const QString &cacheHome, const std::function<bool()> &running,
                       const std::function<void(int)> &wait);

// A delay of 0 to maxMs milliseconds, drawn anew each time.
int randomDelay(int maxMs);
