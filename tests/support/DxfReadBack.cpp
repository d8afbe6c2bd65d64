#include "support/DxfReadBack.h"

#include <QJsonDocument>
#include <QProcess>

namespace {

const char *const readBackScript = R"(
import collections, json, sys
import ezdxf
doc = ezdxf.readfile(sys.argv[1])
auditor = doc.audit()
msp = doc.modelspace()
entities = list(msp)
print(json.dumps({
    "auditErrors": len(auditor.errors),
    "types": collections.Counter(e.dxftype() for e in entities),
    "layers": collections.Counter(e.dxf.layer for e in entities),
    "texts": [e.dxf.text for e in entities if e.dxftype() == "TEXT"],
    "handles": [int(e.dxf.handle) for e in entities if e.dxftype() in ("TEXT", "SOLID")],
    "colours": [e.dxf.color for e in entities if e.dxftype() == "SOLID"],
    "polylines": [[[v[0], v[1]] for v in e.points()] for e in entities if e.dxftype() == "POLYLINE"],
    "solids": [[[e.dxf.get(c)[0], e.dxf.get(c)[1]] for c in ("vtx0", "vtx1", "vtx2", "vtx3")]
               for e in entities if e.dxftype() == "SOLID"],
    "textPoints": [[e.dxf.insert[0], e.dxf.insert[1]] for e in entities if e.dxftype() == "TEXT"],
}))
)";

} // namespace

DxfReadBack readBackDxf(const std::string &path)
{
    DxfReadBack back;
    const QString python = "/usr/bin/python3";
    static const bool available = QProcess::execute(python, {"-c", "import ezdxf"}) == 0;
    if (!available)
        return back;
    back.readerAvailable = true;
    QProcess process;
    process.start(python, {"-c", readBackScript, QString::fromStdString(path)});
    if (!process.waitForFinished(120000) || process.exitStatus() != QProcess::NormalExit || process.exitCode() != 0) {
        back.failure = "ezdxf could not read " + QString::fromStdString(path) + ": "
                       + QString::fromLocal8Bit(process.readAllStandardError());
        return back;
    }
    QJsonParseError error;
    back.result = QJsonDocument::fromJson(process.readAllStandardOutput(), &error).object();
    if (error.error != QJsonParseError::NoError)
        back.failure = "unreadable answer from ezdxf: " + error.errorString();
    return back;
}
