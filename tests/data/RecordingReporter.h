#pragma once

// The recording reporter lives in tests/support; this name stays for the tests that include it from here.
#include "support/RecordingReporter.h"
