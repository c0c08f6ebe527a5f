// The pure translations: key names, key matrices, DPI registers, lighting and
// the macro format.

#include "view/dpiregisters.h"
#include "view/keymatrix.h"
#include "view/keynametable.h"
#include "view/lighting.h"
#include "view/macroencoder.h"

#include <QtTest>

using macroencoder::Event;
using Bytes = QList<int>;

namespace {

keymatrix::Assignment translated(std::initializer_list<uchar> page, ChipFamily family = ChipFamily::F553)
{
    keymatrix::Assignment a{};
    std::copy(page.begin(), page.end(), a.begin());
    return keymatrix::translate(a, family);
}

QVariantList pageValues(const QList<keymatrix::Assignment> &buttons)
{
    QVariantList values;
    for (const auto &button : buttons)
        for (uchar v : button)
            values.append(int(v));
    while (values.size() < keymatrix::kMatrixSize)
        values.append(0);
    return values;
}

keymatrix::Assignment button(const keymatrix::Matrix &m, int k)
{
    return {m[size_t(4 * k)], m[size_t(4 * k + 1)], m[size_t(4 * k + 2)], m[size_t(4 * k + 3)]};
}

Bytes encode(const QList<Event> &events, int repeat = 1)
{
    return macroencoder::encode(events, repeat, KeyNameTable::shared());
}

} // namespace

class TestEncoders : public QObject
{
    Q_OBJECT

private slots:
    void keyNamesBothWays()
    {
        KeyNameTable table;
        QCOMPARE(int(table.rows().size()), 133);
        QCOMPARE(table.codeOf("Intl2"), 0x88);
        QCOMPARE(table.nameOf(0x89), QStringLiteral("Intl2"));
        QCOMPARE(table.codeOf("\\"), 0x31);
        QCOMPARE(table.nameOf(0x32), QStringLiteral("\\"));
        QCOMPARE(table.nameOf(0x10), QStringLiteral("M"));
        QCOMPARE(table.nameOf(0x74), QString());
        QCOMPARE(table.codeOf("Nope"), 0);
        QCOMPARE(table.nameOf(0x4F), QStringLiteral("►"));
        QCOMPARE(table.codeOf("KPEnter"), 0x58);
        QCOMPARE(table.codeOf("F24"), 0x73);
        QCOMPARE(table.codeOf("MS-B5"), 0xF4);

        // Replacement names by position; a macro stored with an English name still finds its key.
        QStringList german = table.names();
        german[40] = QStringLiteral("Leertaste");
        german[1] = QString();
        table.setNames(german.mid(0, 50));
        QCOMPARE(table.nameOf(0x2C), QStringLiteral("Leertaste"));
        QCOMPARE(table.codeOf("Leertaste"), 0x2C);
        QCOMPARE(table.codeOf("Space"), 0x2C);
        QCOMPARE(table.nameOf(0x05), QStringLiteral("B"));
        table.reset();
        QCOMPARE(table.codeOf("Leertaste"), 0);
    }

    void pageCodesBecomeDeviceCodes_data()
    {
        QTest::addColumn<QList<int>>("page");
        QTest::addColumn<int>("family");
        QTest::addColumn<QList<int>>("device");
        const int f553 = int(ChipFamily::F553);
        const int f560 = int(ChipFamily::F560);
        QTest::newRow("left button") << QList<int>{0, 0, 0xF0, 0} << f553 << QList<int>{1, 0, 0xF0, 0};
        QTest::newRow("double fire") << QList<int>{0, 0xF0, 0x1E, 2} << f553 << QList<int>{12, 0, 0, 0};
        QTest::newRow("0x1E without times 2") << QList<int>{0, 0, 0x1E, 0} << f553 << QList<int>{1, 0, 0x1E, 0};
        QTest::newRow("fire") << QList<int>{1, 4, 30, 5} << f553 << QList<int>{10, 4, 30, 5};
        QTest::newRow("combination") << QList<int>{2, 1, 4, 5} << f553 << QList<int>{0, 1, 4, 5};
        QTest::newRow("media") << QList<int>{3, 0, 0xE9, 0} << f553 << QList<int>{3, 0, 0xE9, 0};
        QTest::newRow("macro slot 2") << QList<int>{4, 1, 2, 0} << f553 << QList<int>{9, 1, 3, 0};
        QTest::newRow("DPI+") << QList<int>{5, 0, 1, 0} << f553 << QList<int>{7, 0, 1, 0};
        QTest::newRow("sniper on 560") << QList<int>{5, 0, 4, 0} << f560 << QList<int>{11, 0, 1, 1};
        QTest::newRow("sniper on 553") << QList<int>{5, 0, 4, 0} << f553 << QList<int>{7, 0, 4, 1};
        QTest::newRow("windows") << QList<int>{6, 8, 7, 0} << f553 << QList<int>{0, 8, 7, 0};
        QTest::newRow("shortcut") << QList<int>{7, 0, 0xE0, 6} << f553 << QList<int>{0, 0, 0xE0, 6};
        QTest::newRow("gun") << QList<int>{8, 0, 2, 0} << f553 << QList<int>{8, 0, 2, 0};
        QTest::newRow("fixed") << QList<int>{0xFF, 0, 1, 0} << f553 << QList<int>{4, 0, 1, 0};
        QTest::newRow("unknown code kept") << QList<int>{0x20, 1, 2, 3} << f553 << QList<int>{0x20, 1, 2, 3};
    }

    void pageCodesBecomeDeviceCodes()
    {
        QFETCH(QList<int>, page);
        QFETCH(int, family);
        QFETCH(QList<int>, device);
        const auto result = translated({uchar(page[0]), uchar(page[1]), uchar(page[2]), uchar(page[3])}, ChipFamily(family));
        QCOMPARE(QList<int>({result[0], result[1], result[2], result[3]}), device);
    }

    void normalMatrixRearrangesButtons()
    {
        QList<keymatrix::Assignment> buttons(16, keymatrix::Assignment{2, 0, 0, 0});
        buttons[3] = {0, 0, 0xF3, 0};
        buttons[4] = {0, 0, 0xF4, 0};
        buttons[6] = {5, 0, 2, 0};
        buttons[7] = {1, 4, 30, 5};
        const keymatrix::Matrix m = keymatrix::normalMatrix(pageValues(buttons), ChipFamily::F553);
        QCOMPARE(button(m, 3), (keymatrix::Assignment{1, 0, 0xF4, 0}));
        QCOMPARE(button(m, 4), (keymatrix::Assignment{1, 0, 0xF3, 0}));
        QCOMPARE(button(m, 7), button(m, 6));
        QCOMPARE(button(m, 7), (keymatrix::Assignment{7, 0, 2, 0}));
        QVERIFY(!keymatrix::hasGunKey(m));

        // Too few values count as zero (a page code 0 assignment); the matrix is always 64 bytes.
        const keymatrix::Matrix shortList = keymatrix::normalMatrix({0, 0, 0xF0}, ChipFamily::F553);
        QCOMPARE(button(shortList, 0), (keymatrix::Assignment{1, 0, 0xF0, 0}));
        QCOMPARE(button(shortList, 15), (keymatrix::Assignment{1, 0, 0, 0}));
    }

    void recoilLayers_data()
    {
        QTest::addColumn<int>("family");
        QTest::addColumn<int>("presets");
        QTest::addColumn<QList<int>>("gunKeyLayers"); // the gun key in matrices 1 to 4, 16 bytes
        QTest::addColumn<int>("block0Byte2");
        const int f553 = int(ChipFamily::F553);
        const int f560 = int(ChipFamily::F560);
        QTest::newRow("560, one preset") << f560 << 1 << QList<int>{8, 0, 1, 0, 8, 0, 0, 0, 8, 0, 0, 0, 8, 0, 0, 0} << 7;
        QTest::newRow("560, two presets") << f560 << 2 << QList<int>{8, 0, 1, 0, 8, 0, 3, 0, 8, 0, 0, 0, 8, 0, 0, 0} << 15;
        QTest::newRow("560, three presets") << f560 << 3 << QList<int>{8, 0, 1, 0, 8, 0, 3, 0, 8, 0, 3, 0, 8, 0, 0, 0} << 31;
        QTest::newRow("560, unknown count") << f560 << 5 << QList<int>{8, 0, 5, 0, 8, 0, 0, 0, 8, 0, 0, 0, 8, 0, 0, 0} << -1;
        QTest::newRow("553, two presets") << f553 << 2 << QList<int>{8, 0, 1, 1, 8, 0, 1, 2, 8, 0, 1, 0, 8, 0, 1, 0} << -1;
        QTest::newRow("553, three presets") << f553 << 3 << QList<int>{8, 0, 1, 1, 8, 0, 1, 2, 8, 0, 1, 3, 8, 0, 1, 0} << -1;
        QTest::newRow("553, unknown count") << f553 << 7 << QList<int>{8, 0, 1, 0, 8, 0, 1, 0, 8, 0, 1, 0, 8, 0, 1, 0} << -1;
    }

    void recoilLayers()
    {
        QFETCH(int, family);
        QFETCH(int, presets);
        QFETCH(QList<int>, gunKeyLayers);
        QFETCH(int, block0Byte2);
        QList<keymatrix::Assignment> buttons(16, keymatrix::Assignment{2, 0, 0, 0});
        buttons[5] = {8, 0, uchar(presets), 0};
        const keymatrix::Matrix normal = keymatrix::normalMatrix(pageValues(buttons), ChipFamily(family));
        QVERIFY(keymatrix::hasGunKey(normal));
        keymatrix::Matrix firmware{};
        for (size_t i = 0; i < firmware.size(); ++i)
            firmware[i] = uchar(i % 5); // the layers start from the firmware assignment as stored
        std::fill(firmware.begin() + 20, firmware.begin() + 24, 0); // the gun key's own entry

        const auto set = keymatrix::withRecoilLayers(normal, firmware, {90, 100, 110}, ChipFamily(family));
        QList<int> layers;
        for (const auto &matrix : set.matrices)
            for (uchar v : button(matrix, 5))
                layers.append(v);
        QCOMPARE(layers, gunKeyLayers);
        QCOMPARE(set.block0Byte2, block0Byte2);
        QCOMPARE(button(set.matrices[0], 0), button(normal, 0));
        QCOMPARE(button(set.matrices[1], 0), (keymatrix::Assignment{11, 0, 90, 0}));
        QCOMPARE(button(set.matrices[2], 0), (keymatrix::Assignment{11, 1, 100, 0}));
        QCOMPARE(button(set.matrices[3], 0), (keymatrix::Assignment{11, 2, 110, 0}));
        QCOMPARE(button(set.matrices[1], 9), button(firmware, 9));
        QCOMPARE(button(set.matrices[1], 3), button(firmware, 3)); // not rearranged
    }

    void dpiRegisters_data()
    {
        QTest::addColumn<QString>("sensor");
        QTest::addColumn<int>("dpi");
        QTest::addColumn<int>("value");
        QTest::newRow("3360 1600") << "3360" << 1600 << 15;
        QTest::newRow("4090 3200") << "4090" << 3200 << 31;
        QTest::newRow("4090 6000") << "4090" << 6000 << 0x5E;
        QTest::newRow("unknown sensor as 4090") << "3366" << 6000 << 0x5E;
        QTest::newRow("3050 800") << "3050" << 800 << 4;
        QTest::newRow("3050 1000") << "3050" << 1000 << 4;
        QTest::newRow("3050 1001") << "3050" << 1001 << 5;
        QTest::newRow("3050 3200") << "3050" << 3200 << 0x47;
        QTest::newRow("3050 5000") << "3050" << 5000 << 0;
        QTest::newRow("3389 12750") << "3389" << 12750 << 255;
        QTest::newRow("3389 12800") << "3389" << 12800 << 0;
        QTest::newRow("3389 16000") << "3389" << 16000 << 64;
    }

    void dpiRegisters()
    {
        QFETCH(QString, sensor);
        QFETCH(int, dpi);
        QFETCH(int, value);
        QCOMPARE(int(dpiregisters::registerFor(sensor, dpi)), value);
    }

    void highDpiFlagsOnlyFor3389()
    {
        const QVariantList values{400, 12750, 12800, 16000, 800, 800, 800, 800};
        const auto with3389 = dpiregisters::convert("3389", values);
        QVERIFY(with3389.sendsHighDpiFlags);
        QCOMPARE(int(with3389.highDpiFlags), 0b1100);
        QVERIFY(!dpiregisters::convert("3360", values).sendsHighDpiFlags);
        QCOMPARE(int(dpiregisters::stageMask(4)), 0x0F);
        QCOMPARE(int(dpiregisters::stageMask(12)), 0xFF);
        QCOMPARE(int(dpiregisters::stageMask(0)), 0);
        QCOMPARE(dpiregisters::convert("3360", {400}).values[7], uchar(255)); // a missing value is 0 DPI
    }

    void lightingTriples()
    {
        using T = lighting::Triple;
        QCOMPARE(lighting::colourfulEffect(5, 2, 3), (T{5, 192, 5}));
        QCOMPARE(lighting::colourfulEffect(0, 0, 0), (T{1, 0, 0}));
        QCOMPARE(lighting::colourfulEffect(8, 4, 4), (T{8, 255, 11}));
        QCOMPARE(lighting::colourfulEffect(9, 0, 1), (T{9, 64, 15}));
        QCOMPARE(lighting::colourfulEffect(10, 3, 2), (T{10, 128, 22}));
        QCOMPARE(lighting::colourfulEffect(3, 4, 4), (T{0, 0, 0}));
        QCOMPARE(lighting::colourfulEffect(1, 9, 9), (T{3, 0, 0}));
        QCOMPARE(lighting::basicEffect(2, 4, 0), (T{3, 6, 1}));
        QCOMPARE(lighting::basicEffect(1, 4, 0), (T{2, 5, 1}));
        QCOMPARE(lighting::basicEffect(4, 2, 0), (T{2, 3, 3}));
        QCOMPARE(lighting::basicEffect(0, 0, 4), (T{1, 10, 1}));
        QCOMPARE(lighting::basicEffect(3, 1, 1), (T{0, 0, 0}));
    }

    void macroEncodingExamples()
    {
        // Repeat 300, "A" pressed, 50 ms, released.
        QCOMPARE(encode({{1, "A"}, {0, "50"}, {2, "A"}}, 300),
                 (Bytes{0x01, 0x2C, 5, 0x04, 0x81, 0x04, 0, 0}));
        // Two events 0 ms apart: the first control is 1.
        QCOMPARE(encode({{1, "A"}, {1, "B"}}), (Bytes{0, 1, 1, 0x04, 1, 0x05, 0, 0}));
        // 2 s after a release: 200 units are written as 100 × 20 ms.
        QCOMPARE(encode({{2, "A"}, {0, "2000"}, {1, "B"}}),
                 (Bytes{0, 1, 0x80, 0x04, 0, 1, 0, 100, 1, 0x05, 0, 0}));
        // Delays only, or nothing: the repeat count alone.
        QCOMPARE(encode({{0, "50"}, {0, "70"}}, 2), (Bytes{0, 2}));
        QCOMPARE(encode({}, 2), (Bytes{0, 2}));
        // A single press after a leading delay, and a single release.
        QCOMPARE(encode({{0, "100"}, {1, "A"}}), (Bytes{0, 1, 1, 0x04, 0, 0}));
        QCOMPARE(encode({{0, "100"}, {2, "A"}}), (Bytes{0, 1, 0x81, 0x04, 0, 0}));
        // Mouse buttons by name; a trailing delay is dropped.
        QCOMPARE(encode({{3, "MS-L"}, {0, "30"}, {4, "MS-L"}, {0, "500"}}), (Bytes{0, 1, 3, 0xF0, 0x81, 0xF0, 0, 0}));
        // Absurd delays from a hand-edited file never wrap into negative bytes.
        for (int value : encode({{1, "A"}, {0, "99999999999999"}, {0, "99999999999999"}, {2, "A"}}))
            QVERIFY(value >= 0 && value <= 0xFF);
        // Delays that are not whole units round down, and add up between events.
        QCOMPARE(encode({{1, "A"}, {0, "19"}, {0, "25.5"}, {2, "A"}}), (Bytes{0, 1, 3, 0x04, 0x81, 0x04, 0, 0}));
    }

    void longDelayUnits_data()
    {
        QTest::addColumn<int>("units");
        QTest::addColumn<Bytes>("pairs"); // what follows the [0, code] pair of the first event
        QTest::newRow("126 fits the control byte") << 126 << Bytes{126, 0x04};
        QTest::newRow("127 needs more pairs") << 127 << Bytes{0, 0x04, 0, 1, 0, 63};
        QTest::newRow("99999") << 99999 << Bytes{0, 0x04, 0, 1, 0xC3, 0x4F};
        QTest::newRow("100000") << 100000 << Bytes{0, 0x04, 0, 2, 0x4E, 0x20};
        QTest::newRow("299999") << 299999 << Bytes{0, 0x04, 0, 2, 0xEA, 0x5F};
        QTest::newRow("300000") << 300000 << Bytes{0, 0x04, 0, 3, 0x75, 0x30};
        QTest::newRow("599999") << 599999 << Bytes{0, 0x04, 0, 3, 0xEA, 0x5F};
        QTest::newRow("600000 without a unit pair") << 600000 << Bytes{0, 0x04, 0x27, 0xC0};
    }

    void longDelayUnits()
    {
        QFETCH(int, units);
        QFETCH(Bytes, pairs);
        const Bytes bytes = encode({{1, "A"}, {0, QString::number(units * 10)}, {1, "B"}});
        QCOMPARE(bytes.mid(2, pairs.size()), pairs);
        QCOMPARE(bytes.mid(2 + pairs.size()), (Bytes{1, 0x05, 0, 0}));
        QCOMPARE(macroencoder::encodedSize({{1, "A"}, {0, QString::number(units * 10)}, {1, "B"}}, KeyNameTable::shared()),
                 int(bytes.size()));
    }
};

QTEST_GUILESS_MAIN(TestEncoders)
#include "tst_encoders.moc"
