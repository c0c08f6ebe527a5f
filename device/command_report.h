#pragma once

#include <QtGlobal>

#include <array>
#include <initializer_list>

// The 9-byte feature report that carries every command and answer:
// [report ID 0x00, command code, six parameter bytes, checksum].
constexpr int kCommandReportSize = 9;
using CommandReport = std::array<uchar, kCommandReportSize>;
static_assert(sizeof(CommandReport) == kCommandReportSize, "command reports are exactly 9 bytes");

constexpr int kCommandParameterCount = 6;
constexpr int kChecksumIndex = 8;

// Bitwise NOT of the 8-bit sum of the seven bytes at bytes (command code and parameters).
inline uchar commandChecksum(const uchar *bytes)
{
    uchar sum = 0;
    for (int i = 0; i < kCommandParameterCount + 1; ++i)
        sum = uchar(sum + bytes[i]);
    return uchar(~sum);
}

// Builds a command report; parameters beyond those given are 0x00.
inline CommandReport makeCommandReport(uchar code, std::initializer_list<uchar> parameters = {})
{
    CommandReport report{};
    report[1] = code;
    int i = 2;
    for (uchar p : parameters) {
        if (i > kCommandParameterCount + 1)
            break;
        report[size_t(i++)] = p;
    }
    report[kChecksumIndex] = commandChecksum(&report[1]);
    return report;
}

// An answer report holding values from byte 2 on: what a get-command hands
// back when nothing arrives.
inline CommandReport makeAnswerPreset(std::initializer_list<uchar> values)
{
    CommandReport preset{};
    int i = 2;
    for (uchar v : values) {
        if (i >= kCommandReportSize)
            break;
        preset[size_t(i++)] = v;
    }
    return preset;
}
