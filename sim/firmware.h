#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

#include <array>
#include <map>

#include "view/chipfamily.h"

namespace sim {

using ::ChipFamily;

// What the mouse keeps, as far as the host can change or read it.
struct FirmwareState
{
    static constexpr int kProfiles = 4;
    static constexpr int kProfileBlocks = 5;
    static constexpr int kProfileBlockSize = 128;

    // Keyboard options: four bytes on the 553 family, the first two on the 560.
    std::array<uchar, 4> keyboardOptions{};
    // Report rate and current DPI stage (counted from 1) per on-device profile;
    // the 553 family has one setting, kept in profile 1.
    std::array<uchar, kProfiles> reportRate{1, 1, 1, 1};
    std::array<uchar, kProfiles> currentDpi{1, 1, 1, 1};
    uchar currentProfile = 1;     // 560: 02H; 553: the current key matrix (02H)
    uchar dpiStageCount = 0;      // 553 11H
    QByteArray dpiRegisters;      // 553 11H, 8 bytes
    std::array<uchar, 4> gunData{};
    std::array<uchar, 3> fixedColour{};
    std::array<uchar, 3> ledEffect{};
    uchar ledColourType = 0;
    QByteArray ledColours;        // 553 10H, 24 or 4 bytes
    std::map<int, QByteArray> keyMatrices; // by the index the host sends
    std::map<int, QByteArray> macros;      // by macro slot
    std::array<QByteArray, kProfileBlocks> profileBlocks; // 560 0CH / 8CH
};

// What kind of mouse the firmware is.
struct FirmwareConfig
{
    ChipFamily family = ChipFamily::F553;
    bool encrypted = false;
    QString secrecyCode = QStringLiteral("472915");
    int reportLength = 32;
    uchar currentProfile = 1; // the on-device profile in use when plugged in
};

// The mouse firmware of either chip family. It understands plain and
// enciphered command reports, keeps what it is told and answers what it is
// asked. Not thread-safe: the virtual mouse serialises access.
class Firmware
{
public:
    static constexpr int kReportSize = 9;

    using Config = FirmwareConfig;

    explicit Firmware(const Config &config = {});

    const Config &config() const { return m_config; }
    const FirmwareState &state() const { return m_state; }

    // A feature report from the host (report ID first). Returns the command
    // report as the firmware understood it, deciphered when encryption is on.
    QByteArray receiveCommand(const QByteArray &report);
    // The answer report for hid_get_feature_report.
    QByteArray answer() const { return m_answer; }
    // One output report (report ID first) of a block that follows a command.
    void receiveOutput(const QByteArray &report);
    // Input reports the firmware has ready on the command interface.
    QList<QByteArray> takeInput();

    // The user pressed the DPI button; returns the 4-byte event report.
    QByteArray pressDpiButton(int stage);

    // A readable account of the stored state.
    QString describe() const;

private:
    void execute(const QByteArray &command);
    void storeBlock(uchar code, uchar target, const QByteArray &block);
    void answerWith(std::initializer_list<uchar> values, uchar code);
    void queueBlock(const QByteArray &block);
    void codeBytes(uchar (&code)[8]) const;

    Config m_config;
    FirmwareState m_state;
    QByteArray m_answer;
    QList<QByteArray> m_input;
    // The block announced by the last command, until it is complete.
    uchar m_blockCode = 0;
    uchar m_blockTarget = 0;
    int m_blockExpected = 0;
    QByteArray m_block;
};

} // namespace sim
