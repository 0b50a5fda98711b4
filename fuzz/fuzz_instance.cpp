// Corvane — SPDX-License-Identifier: GPL-3.0-or-later
// What reaches Corvane from another process: a peer's bytes on the instance socket (read as a
// request, and as a reply by a second start), and the command line those requests carry. A
// well-formed message must read back to what was encoded; a command line is either refused
// with a reason or read, and a --start value is a duration in range, refused, or no duration.
#include "app/CommandLine.h"
#include "platform/InstanceMessage.h"

#include <cstdlib>

using namespace corvane;

namespace {

void check(bool condition)
{
    if (!condition)
        std::abort();
}

void readLine(const QByteArray& bytes)
{
    QStringList arguments{QStringLiteral("corvane")};
    for (const QByteArray& word : bytes.split('\0'))
        arguments << QString::fromUtf8(word);
    const CommandRead read = readCommandLine(arguments);
    check(read.error.isEmpty() || read.command.kind == CommandKind::None);
    const DurationRead duration = readDuration(arguments.value(1));
    if (duration.state == DurationRead::State::Valid)
        check(duration.seconds >= 1 && duration.seconds <= maxCommandSeconds);
    else if (duration.state == DurationRead::State::Invalid)
        check(!duration.error.isEmpty());
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char*>(data), qsizetype(size));
    TInstanceRequest request;
    if (decodeInstanceRequest(bytes, &request) == DecodeState::Complete) {
        TInstanceRequest again;
        check(
            decodeInstanceRequest(encodeInstanceRequest(request), &again) == DecodeState::Complete);
        check(again == request);
    }
    for (bool ended : {false, true}) {
        TInstanceReply reply;
        if (decodeInstanceReply(bytes, ended, &reply) == DecodeState::Complete) {
            TInstanceReply again;
            check(decodeInstanceReply(encodeInstanceReply(reply), true, &again)
                == DecodeState::Complete);
            check(again == reply);
        }
    }
    readLine(bytes);
    return 0;
}
