#include "view/keynametable.h"

namespace {

std::vector<KeyNameTable::Row> builtInRows()
{
    std::vector<KeyNameTable::Row> rows;
    const auto add = [&rows](int code, const QString &name) { rows.push_back({code, name}); };
    const auto addRun = [&add](int first, int last, const QString &prefix, int number) {
        for (int code = first; code <= last; ++code)
            add(code, prefix + QString::number(number++));
    };

    for (int code = 0x04; code <= 0x1D; ++code)
        add(code, QString(QChar('A' + code - 0x04)));
    addRun(0x1E, 0x26, QString(), 1);
    add(0x27, QStringLiteral("0"));
    const char *const punctuation[] = {"Enter", "Esc", "Back", "Tab", "Space", "-", "=", "[", "]",
                                       "\\", "\\", ";", "'", "`", ",", ".", "/", "Caps"};
    int code = 0x28;
    for (const char *name : punctuation)
        add(code++, QString::fromUtf8(name));
    addRun(0x3A, 0x45, QStringLiteral("F"), 1);
    const char *const navigation[] = {"Prt", "Scr", "Pau", "Ins", "Hom", "Pgu", "Del", "End", "PgD",
                                      "►", "◄", "▼", "▲", "Num", "KP/", "KP*", "KP-", "KP+", "KPEnter"};
    code = 0x46;
    for (const char *name : navigation)
        add(code++, QString::fromUtf8(name));
    addRun(0x59, 0x61, QStringLiteral("KP"), 1);
    const char *const keypadTail[] = {"KP0", "KP.", "Eur2", "App", "Power", "KP="};
    code = 0x62;
    for (const char *name : keypadTail)
        add(code++, QString::fromUtf8(name));
    addRun(0x68, 0x73, QStringLiteral("F"), 13);
    add(0x85, QStringLiteral("Keypad"));
    // Two codes share "Intl2": looking the name up gives the first.
    add(0x87, QStringLiteral("Intl1"));
    add(0x88, QStringLiteral("Intl2"));
    add(0x89, QStringLiteral("Intl2"));
    add(0x8A, QStringLiteral("Intl4"));
    add(0x8B, QStringLiteral("Intl5"));
    add(0x90, QStringLiteral("Lang1"));
    add(0x91, QStringLiteral("Lang2"));
    const char *const modifiers[] = {"LCtrl", "LShift", "LAlt", "LWin", "RCtrl", "RShift", "RAlt", "RWin"};
    code = 0xE0;
    for (const char *name : modifiers)
        add(code++, QString::fromUtf8(name));
    const char *const buttons[] = {"MS-L", "MS-R", "MS-M", "MS-B4", "MS-B5"};
    code = 0xF0;
    for (const char *name : buttons)
        add(code++, QString::fromUtf8(name));
    return rows;
}

} // namespace

KeyNameTable::KeyNameTable()
    : m_rows(builtInRows())
    , m_builtIn(m_rows)
{
}

KeyNameTable &KeyNameTable::shared()
{
    static KeyNameTable table;
    return table;
}

QString KeyNameTable::nameOf(int code) const
{
    for (const Row &row : m_rows) {
        if (row.code == code)
            return row.name;
    }
    return {};
}

int KeyNameTable::codeOf(const QString &name) const
{
    for (const auto *rows : {&m_rows, &m_builtIn}) {
        for (const Row &row : *rows) {
            if (row.name == name)
                return row.code;
        }
    }
    return 0;
}

QStringList KeyNameTable::names() const
{
    QStringList all;
    for (const Row &row : m_rows)
        all.append(row.name);
    return all;
}

void KeyNameTable::setNames(const QStringList &names)
{
    // An empty text would make a key nameless; it keeps the name it has.
    for (size_t i = 0; i < m_rows.size() && i < size_t(names.size()); ++i) {
        if (!names.at(int(i)).isEmpty())
            m_rows[i].name = names.at(int(i));
    }
}

void KeyNameTable::reset()
{
    m_rows = m_builtIn;
}
