#include "sim/firmware.h"

#include "device/cipher.h"
#include "device/command_report.h"

#include <QStringList>

namespace sim {
namespace {

constexpr uchar kProbe = 0x00;
constexpr uchar kEventReportId = 0x06;
constexpr uchar kDpiEvent = 0x07;

bool isBlockCommand(ChipFamily family, uchar code)
{
    if (family == ChipFamily::F553)
        return code == 0x10 || code == 0x11 || code == 0x12 || code == 0x13;
    return code == 0x0C || code == 0x0D || code == 0x0F;
}

QString hex(const QByteArray &bytes)
{
    return QString::fromLatin1(bytes.toHex(' '));
}

template <size_t N>
QString hex(const std::array<uchar, N> &bytes)
{
    return hex(QByteArray(reinterpret_cast<const char *>(bytes.data()), int(N)));
}

} // namespace

Firmware::Firmware(const Config &config)
    : m_config(config)
{
    for (auto &block : m_state.profileBlocks)
        block = QByteArray(FirmwareState::kProfileBlockSize, '\0');
    m_state.currentProfile = config.currentProfile;
}

void Firmware::codeBytes(uchar (&code)[8]) const
{
    std::fill(code, code + 8, 0);
    const QByteArray text = m_config.secrecyCode.toLatin1().left(6);
    for (int i = 0; i < text.size(); ++i)
        code[i + 1] = uchar(text.at(i));
}

QByteArray Firmware::receiveCommand(const QByteArray &report)
{
    if (report.size() != kReportSize)
        return {};
    QByteArray command = report;
    if (m_config.encrypted) {
        uchar code[8];
        codeBytes(code);
        cipher::decrypt(reinterpret_cast<uchar *>(command.data()) + 1, code);
    }
    m_answer = QByteArray(kReportSize, '\0');
    m_blockExpected = 0;
    m_block.clear();
    const auto *bytes = reinterpret_cast<const uchar *>(command.constData());
    // A report that does not add up (a wrong secrecy code, line noise) is ignored.
    if (commandChecksum(bytes + 1) == bytes[kChecksumIndex])
        execute(command);
    return command;
}

void Firmware::answerWith(std::initializer_list<uchar> values, uchar code)
{
    CommandReport answer{};
    answer[1] = code;
    int i = 2;
    for (uchar v : values)
        answer[size_t(i++)] = v;
    answer[kChecksumIndex] = commandChecksum(&answer[1]);
    if (m_config.encrypted) {
        uchar key[8];
        codeBytes(key);
        cipher::encrypt(&answer[1], key);
    }
    m_answer = QByteArray(reinterpret_cast<const char *>(answer.data()), kReportSize);
}

void Firmware::execute(const QByteArray &command)
{
    const auto b = [&command](int i) { return uchar(command.at(i)); };
    const uchar code = b(1);
    FirmwareState &s = m_state;

    if (code == kProbe) {
        answerWith({b(2), b(3), b(4), b(5)}, code);
        return;
    }
    if (isBlockCommand(m_config.family, code)) {
        m_blockCode = code;
        m_blockTarget = b(2);
        m_blockExpected = b(3);
        if (m_config.family == ChipFamily::F553 && code == 0x10)
            s.ledColourType = b(2);
        if (m_config.family == ChipFamily::F553 && code == 0x11)
            s.dpiStageCount = b(2);
        return;
    }

    const auto profileIndex = [&b](int at) { return qBound(0, int(b(at)) - 1, FirmwareState::kProfiles - 1); };
    if (m_config.family == ChipFamily::F553) {
        switch (code) {
        case 0x01: s.reportRate[0] = b(2); break;
        case 0x02: s.currentProfile = b(2); break;
        case 0x03: s.keyboardOptions = {b(2), b(3), b(4), b(5)}; break;
        case 0x04: s.gunData = {b(3), b(4), b(5), b(6)}; break;
        case 0x0B: s.currentDpi[0] = b(2); break;
        case 0x0C: s.fixedColour = {b(2), b(3), b(4)}; break;
        case 0x0D: s.ledEffect = {b(2), b(3), b(4)}; break;
        case 0x83: answerWith({s.keyboardOptions[0], s.keyboardOptions[1], s.keyboardOptions[2], s.keyboardOptions[3]}, code); break;
        case 0x8B: answerWith({s.currentDpi[0]}, code); break;
        default: break;
        }
        return;
    }
    switch (code) {
    case 0x01: s.keyboardOptions[0] = b(2); s.keyboardOptions[1] = b(3); break;
    case 0x02: s.currentProfile = b(2); break;
    case 0x03: s.reportRate[size_t(profileIndex(2))] = b(3); break;
    case 0x04: s.currentDpi[size_t(profileIndex(2))] = b(3); break;
    case 0x81: answerWith({s.keyboardOptions[0], s.keyboardOptions[1]}, code); break;
    case 0x82: answerWith({s.currentProfile}, code); break;
    case 0x84: answerWith({b(2), s.currentDpi[size_t(profileIndex(2))]}, code); break;
    case 0x8C:
        answerWith({b(2)}, code);
        if (b(2) < FirmwareState::kProfileBlocks)
            queueBlock(s.profileBlocks[b(2)]);
        break;
    default: break;
    }
}

void Firmware::receiveOutput(const QByteArray &report)
{
    if (m_blockExpected <= 0 || report.isEmpty())
        return;
    m_block += report.mid(1);
    if (m_block.size() < m_blockExpected)
        return;
    storeBlock(m_blockCode, m_blockTarget, m_block.left(m_blockExpected));
    m_blockExpected = 0;
    m_block.clear();
}

void Firmware::storeBlock(uchar code, uchar target, const QByteArray &block)
{
    FirmwareState &s = m_state;
    if (m_config.family == ChipFamily::F553) {
        switch (code) {
        case 0x10: s.ledColours = block; break;
        case 0x11: s.dpiRegisters = block; break;
        case 0x12: s.keyMatrices[target] = block; break;
        case 0x13: s.macros[target] = block; break;
        default: break;
        }
        return;
    }
    switch (code) {
    case 0x0C:
        if (target < FirmwareState::kProfileBlocks)
            s.profileBlocks[target] = block;
        break;
    case 0x0D: s.keyMatrices[target] = block; break;
    case 0x0F: s.macros[target] = block; break;
    default: break;
    }
}

void Firmware::queueBlock(const QByteArray &block)
{
    const int slice = qMax(1, m_config.reportLength);
    for (int offset = 0; offset < block.size(); offset += slice)
        m_input.append(block.mid(offset, slice).leftJustified(slice, '\0'));
}

QList<QByteArray> Firmware::takeInput()
{
    QList<QByteArray> input;
    input.swap(m_input);
    return input;
}

QByteArray Firmware::pressDpiButton(int stage)
{
    const uchar value = uchar(stage);
    const int profile = m_config.family == ChipFamily::F560
        ? qBound(0, int(m_state.currentProfile) - 1, FirmwareState::kProfiles - 1)
        : 0;
    m_state.currentDpi[size_t(profile)] = value;
    return QByteArray::fromRawData("\x06\x07\x00", 3) + char(value);
}

QString Firmware::describe() const
{
    const FirmwareState &s = m_state;
    QStringList lines;
    const bool is560 = m_config.family == ChipFamily::F560;
    lines << QStringLiteral("Chip family %1, %2, report length %3")
                 .arg(is560 ? QStringLiteral("560") : QStringLiteral("553"),
                      m_config.encrypted ? QStringLiteral("encrypted (code %1)").arg(m_config.secrecyCode)
                                         : QStringLiteral("plain"))
                 .arg(m_config.reportLength);
    lines << QStringLiteral("Keyboard options: %1").arg(hex(s.keyboardOptions));
    lines << QStringLiteral("Report rate per profile: %1").arg(hex(s.reportRate));
    lines << QStringLiteral("Current DPI stage per profile: %1").arg(hex(s.currentDpi));
    lines << QStringLiteral("%1: %2").arg(is560 ? QStringLiteral("Current profile") : QStringLiteral("Current key matrix"))
                 .arg(s.currentProfile);
    if (!is560) {
        lines << QStringLiteral("DPI stages in use: %1, registers: %2").arg(s.dpiStageCount).arg(hex(s.dpiRegisters));
        lines << QStringLiteral("LED effect: %1, fixed colour: %2").arg(hex(s.ledEffect), hex(s.fixedColour));
        lines << QStringLiteral("LED colours (type %1): %2").arg(s.ledColourType).arg(hex(s.ledColours));
        lines << QStringLiteral("Recoil data: %1").arg(hex(s.gunData));
    }
    for (const auto &[index, matrix] : s.keyMatrices)
        lines << QStringLiteral("Key matrix %1: %2").arg(index).arg(hex(matrix.left(64)));
    for (const auto &[slot, macro] : s.macros)
        lines << QStringLiteral("Macro slot %1: %2").arg(slot).arg(hex(macro.left(32)) + QStringLiteral(" …"));
    if (is560) {
        // Lighting (71 to 73) and DPI (82 to 100) are what the host changes most.
        for (int i = 0; i < FirmwareState::kProfileBlocks; ++i)
            lines << QStringLiteral("Profile block %1, bytes 71-100: %2").arg(i).arg(hex(s.profileBlocks[size_t(i)].mid(71, 30)));
    }
    return lines.join(QLatin1Char('\n'));
}

} // namespace sim
