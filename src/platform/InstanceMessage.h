// Corvane — SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

// What a second start of Corvane tells the running one, and the names both derive from the
// Data folder so they meet: the lock file, the fallback lock and the local socket. No I/O
// besides resolving the folder's canonical path; TSingleInstance does the talking.
namespace corvane {

struct TInstanceRequest {
    QStringList arguments; // the second start's command line, program name first
    QByteArray startupId; // DESKTOP_STARTUP_ID (X11 startup notification)
    QByteArray activationToken; // XDG_ACTIVATION_TOKEN (Wayland)

    bool operator==(const TInstanceRequest&) const = default;
};

// What the running Corvane answers: an end status for the second start and the texts it
// prints on standard output and standard error. A start that only brings the window to the
// front gets the empty reply.
struct TInstanceReply {
    int exitCode = 0;
    QString output;
    QString error;

    bool operator==(const TInstanceReply&) const = default;
};

namespace InstanceMessage {
// Whole messages never exceed this; a peer that sends more is not Corvane.
constexpr qsizetype maxBytes = 4096;
// Longest startup id or activation token carried; real ones are under 100 characters.
constexpr qsizetype maxTokenBytes = 512;
// Each text of a reply is cut to this many bytes: a list printed by --list stays far below.
constexpr qsizetype maxReplyTextBytes = 1 << 20;
} // namespace InstanceMessage

// The request as bytes: "CORVANE", a version byte, the payload's length (2 bytes, big
// endian), then the startup id, the activation token and each argument, each followed by a
// NUL. Arguments that would make the message longer than maxBytes are left off from the
// end; tokens longer than maxTokenBytes or holding anything but printable ASCII go empty.
QByteArray encodeInstanceRequest(const TInstanceRequest& request);

enum class DecodeState {
    Incomplete, // a proper beginning; more bytes are needed
    Complete, // exactly one well-formed message
    Invalid, // not Corvane's message, too long, or bytes after its end
};

// Reads what a peer sent so far. `request` is filled only when the result is Complete.
DecodeState decodeInstanceRequest(const QByteArray& bytes, TInstanceRequest* request);

// The running Corvane's answer once it has taken a request.
QByteArray instanceAcknowledgement();

// The acknowledgement followed by the reply: the end status (one byte, 0 to 255), then each
// text as its UTF-8 length (4 bytes, big endian) and bytes. A second start that reads only
// the acknowledgement still understands it.
QByteArray encodeInstanceReply(const TInstanceReply& reply);

// Reads an answer so far. Complete also for the acknowledgement alone, followed by the end of
// the connection (`ended`), which reads as the empty reply.
DecodeState decodeInstanceReply(const QByteArray& bytes, bool ended, TInstanceReply* reply);

// Whether the request carries all of `arguments`: encodeInstanceRequest leaves off what would
// not fit.
bool requestCarriesAll(const TInstanceRequest& request);

// The Data folder as the file system resolves it: symbolic links followed, no trailing
// separator, "." and ".." gone. A folder not created yet is resolved through its parent, and
// failing that made absolute and clean, so the result is the same before and after it exists.
QString canonicalDataPath(const QString& dataFolder);

// A short key for a canonical Data path (hexadecimal, 24 characters): equal paths give equal
// keys, different paths different ones.
QString instanceKey(const QString& canonicalPath);

// The lock beside Data: a sibling of the Data folder named after it, "<...>/Data.lock".
QString lockPathBeside(const QString& canonicalPath);

// The lock used where the folder beside Data cannot be written: in the runtime folder, named
// by the key. Empty when there is no runtime folder.
QString fallbackLockPath(const QString& runtimeDir, const QString& key);

// The local socket's name: a full path in the runtime folder when there is one and the path
// fits a Unix socket address, else a bare name that Qt places in the temporary folder.
QString instanceSocketName(const QString& runtimeDir, const QString& key);

} // namespace corvane
