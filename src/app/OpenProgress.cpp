#include "app/OpenProgress.h"

#include "data/OpenedFile.h"

#include <algorithm>

OpenProgress OpenProgress::of(const OpenWatch &watch)
{
    OpenProgress progress;
    const long long size = watch.fileSize;
    if (size > 0)
        progress.perMille = static_cast<int>(std::clamp(watch.bytesRead * 1000 / size, 0LL, 1000LL));
    else if (size == 0)
        progress.perMille = 1000;
    const int step = watch.step;
    const int stepCount = watch.stepCount;
    progress.text = step < 1 ? QStringLiteral("Reading the header")
                             : QStringLiteral("Reading step %1 of %2").arg(step).arg(stepCount);
    return progress;
}
