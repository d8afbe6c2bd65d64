#pragma once

#include <QStringList>

// One function per verb of sembla-cli; arguments[0] is the verb itself.
int runInfo(const QStringList &arguments);
int runRender(const QStringList &arguments);
int runAscii(const QStringList &arguments);
int runDxf(const QStringList &arguments);
int runConvert(const QStringList &arguments);
int runProbe(const QStringList &arguments);
