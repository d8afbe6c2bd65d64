#pragma once

// The viewer's organisation and application name over settings and folders of
// Qt's test mode, emptied: a test never reads or writes the user's own.
void useTestSettings();
