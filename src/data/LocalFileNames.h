#pragma once

#include <QString>
#include <QStringList>

#include <string>

class QUrl;

// To the system a file name is bytes, and not every name is valid text: a
// folder named in Latin-1 does not survive a trip through QString. Paths stay
// bytes (std::string) from where the user gives them to where a file is opened;
// these convert at the edges.
namespace LocalFileNames {

// The command line as text, for a parser. An argument that is not valid text
// stands in the list as a token that toPath() turns back into its bytes and
// display() into readable text.
QStringList arguments(int argc, char **argv);

// The path an argument or a text names, in the system's bytes.
std::string toPath(const QString &text);

// A path as text for a title or a message; bytes that are no text become
// replacement characters.
QString display(const std::string &path);
QString display(const QString &text);

// The local file a URL names (a dropped file), in the system's bytes.
std::string fromUrl(const QUrl &url);

// What a file dialog handed back for a proposed path: the proposal's own bytes
// when the user kept it (a dialog sees a name that is no text only as its
// display), else the chosen text's.
std::string chosenPath(const QString &chosen, const std::string &proposed);

} // namespace LocalFileNames
