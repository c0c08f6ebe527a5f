#pragma once

#include <QString>
#include <QStringList>

#include <vector>

// Key codes (USB HID keyboard usages, and 0xF0 to 0xF4 for the mouse buttons)
// and the names the pages show and macro files store. The codes are fixed; the
// names can be replaced per language, in table order.
class KeyNameTable
{
public:
    struct Row
    {
        int code;
        QString name;
    };

    KeyNameTable();

    // The process-wide table the view and the pages share.
    static KeyNameTable &shared();

    // An empty name for a code not in the table.
    QString nameOf(int code) const;
    // The first row whose name matches, else the first row whose built-in
    // name matches (a macro recorded in another language still finds its
    // keys); 0 for a name in neither.
    int codeOf(const QString &name) const;

    const std::vector<Row> &rows() const { return m_rows; }
    QStringList names() const;
    // Replaces the names in table order; rows past the end of names, and rows
    // given an empty name, keep theirs.
    void setNames(const QStringList &names);
    // Back to the built-in names.
    void reset();

private:
    std::vector<Row> m_rows;
    std::vector<Row> m_builtIn;
};
