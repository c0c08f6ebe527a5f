#pragma once

#include <QtGlobal>

// How a command travels after its 9-byte command report.
enum class Transfer {
    SendSettle, // command report, settle pause, optional block, settle pause
    SendQuick,  // command report only, then a short pause in the command
    Read,       // command report, answer report
    ReadBlock,  // command report, answer report (left as it came), block in input reports
};

// One row of a command set: what the firmware expects for one command code.
struct CommandSpec
{
    uchar code;
    Transfer transfer;
    int blockLength;         // 0 when no block follows or answers
    const char *failureLine; // written when the link stays busy
};

// The pause a quick command takes before returning.
constexpr int kQuickCommandPauseMs = 8;
