#include "module/codec.h"

#include <QtTest>

#include <cstring>
#include <limits>

using namespace zt;

namespace {

// Registers of a float32, low word first.
QVector<quint16> words(float v)
{
    quint32 bits;
    std::memcpy(&bits, &v, sizeof bits);
    return {quint16(bits & 0xFFFF), quint16(bits >> 16)};
}

// A block of `count` zeros with the float `v` at index `at`.
QVector<quint16> blockWith(int count, int at, float v)
{
    QVector<quint16> block(count, 0);
    const QVector<quint16> w = words(v);
    block[at] = w[0];
    block[at + 1] = w[1];
    return block;
}

} // namespace

class TstCodec : public QObject
{
    Q_OBJECT

private slots:
    void float32_data();
    void float32();
    void formatFloat_data();
    void formatFloat();
    void liveText_data();
    void liveText();
    void int16_data();
    void int16();
    void firmwareDateText_data();
    void firmwareDateText();
    void liveFields_data();
    void liveFields();
    void liveZeros();
    void configBlock_data();
    void configBlock();
    void options_data();
    void options();
    void limits();
    void inversion_data();
    void inversion();
    void blockTooShort_data();
    void blockTooShort();
};

void TstCodec::float32_data()
{
    QTest::addColumn<QVector<quint16>>("registers");
    QTest::addColumn<int>("index");
    QTest::addColumn<float>("value");

    QTest::newRow("25") << QVector<quint16>{0x0000, 0x41C8} << 0 << 25.0f;
    QTest::newRow("-100") << QVector<quint16>{0x0000, 0xC2C8} << 0 << -100.0f;
    // 0x3FC00000 = 1.5; a swapped word order would read 0x00003FC0.
    QTest::newRow("low word first") << QVector<quint16>{0x0000, 0x3FC0} << 0 << 1.5f;
    // 0x40490FDB = 3.14159274; without the low word it would be 3.140625.
    QTest::newRow("both words used") << QVector<quint16>{0x0FDB, 0x4049} << 0 << 3.14159274f;
    QTest::newRow("at an offset") << QVector<quint16>{0xFFFF, 0x0000, 0x41C8} << 1 << 25.0f;
}

void TstCodec::float32()
{
    QFETCH(QVector<quint16>, registers);
    QFETCH(int, index);
    QFETCH(float, value);
    QCOMPARE(decodeFloat32(registers, index), value);
}

void TstCodec::formatFloat_data()
{
    QTest::addColumn<double>("value");
    QTest::addColumn<QString>("text");

    QTest::newRow("integer") << 25.0 << "25";
    QTest::newRow("negative") << -100.0 << "-100";
    QTest::newRow("zero") << 0.0 << "0";
    QTest::newRow("six significant digits") << 123.456789 << "123.457";
    QTest::newRow("fraction") << 1.0 / 3.0 << "0.333333";
    QTest::newRow("large switches to exponent") << 1234567.0 << "1.23457e+06";
    QTest::newRow("float widened") << double(20.1f) << "20.1";
}

void TstCodec::formatFloat()
{
    QFETCH(double, value);
    QFETCH(QString, text);
    QCOMPARE(zt::formatFloat(value), text);
}

void TstCodec::liveText_data()
{
    QTest::addColumn<float>("value");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("toolTip");

    const QString none = QStringLiteral("Нет достоверного значения");
    QTest::newRow("NaN") << std::numeric_limits<float>::quiet_NaN() << "—" << none;
    QTest::newRow("+Inf") << std::numeric_limits<float>::infinity() << "—" << none;
    QTest::newRow("-Inf") << -std::numeric_limits<float>::infinity() << "—" << none;
    // Finite, however odd: shown as the module sent it.
    QTest::newRow("denormal") << std::numeric_limits<float>::denorm_min() << "1.4013e-45" << "";
    QTest::newRow("1e30") << 1e30f << "1e+30" << "";
    QTest::newRow("ordinary") << 12.5f << "12.5" << "";
}

void TstCodec::liveText()
{
    QFETCH(float, value);
    QFETCH(QString, text);
    QFETCH(QString, toolTip);
    const LiveText shown = zt::liveText(value);
    QCOMPARE(shown.text, text);
    QCOMPARE(shown.toolTip, toolTip);
}

void TstCodec::int16_data()
{
    QTest::addColumn<quint16>("word");
    QTest::addColumn<int>("value");

    QTest::newRow("-200") << quint16(0xFF38) << -200;
    QTest::newRow("-40") << quint16(0xFFD8) << -40;
    QTest::newRow("-50") << quint16(0xFFCE) << -50;
    QTest::newRow("1200") << quint16(0x04B0) << 1200;
    QTest::newRow("0") << quint16(0x0000) << 0;
    QTest::newRow("most negative") << quint16(0x8000) << -32768;
    QTest::newRow("most positive") << quint16(0x7FFF) << 32767;
}

void TstCodec::int16()
{
    QFETCH(quint16, word);
    QFETCH(int, value);
    QCOMPARE(int(decodeInt16(word)), value);
    QCOMPARE(encodeInt16(value), word);
}

void TstCodec::firmwareDateText_data()
{
    QTest::addColumn<QVector<quint16>>("block");
    QTest::addColumn<QString>("text");

    QTest::newRow("high byte first") << QVector<quint16>{0x3132} << "12";
    QTest::newRow("space is no date") << QVector<quint16>{0x3120} << "—";
    QTest::newRow("control and high bytes skipped") << QVector<quint16>{0x1F31, 0x802E, 0xFF00} << "1.";
    QTest::newRow("a formula") << QVector<quint16>{0x3D31, 0x2B32} << "—";
    QTest::newRow("empty") << QVector<quint16>() << "";
}

void TstCodec::firmwareDateText()
{
    QFETCH(QVector<quint16>, block);
    QFETCH(QString, text);
    QCOMPARE(zt::firmwareDateText(block), text);
}

void TstCodec::liveFields_data()
{
    // Which field each float of the live block lands in, by register index.
    QTest::addColumn<int>("index");
    QTest::addColumn<QString>("field");
    QTest::addColumn<int>("channel");

    QTest::newRow("r0 input 0") << 0 << "input" << 0;
    QTest::newRow("r2 temperature 0") << 2 << "temperature" << 0;
    QTest::newRow("r4 output 0") << 4 << "output" << 0;
    QTest::newRow("r6 input 1") << 6 << "input" << 1;
    QTest::newRow("r8 temperature 1") << 8 << "temperature" << 1;
    QTest::newRow("r10 output 1") << 10 << "output" << 1;
    QTest::newRow("r12 cold junction 0") << 12 << "coldJunction" << 0;
    QTest::newRow("r14 cold junction 1") << 14 << "coldJunction" << 1;
}

void TstCodec::liveFields()
{
    QFETCH(int, index);
    QFETCH(QString, field);
    QFETCH(int, channel);

    LiveValues live;
    QVERIFY(decodeLive(blockWith(16, index, 25.5f), &live));
    const QMap<QString, const float *> fields = {
        {"input", live.input}, {"temperature", live.temperature},
        {"output", live.output}, {"coldJunction", live.coldJunction}};
    for (auto it = fields.cbegin(); it != fields.cend(); ++it)
        for (int ch = 0; ch < 2; ++ch) {
            const bool target = it.key() == field && ch == channel;
            QCOMPARE(it.value()[ch], target ? 25.5f : 0.0f);
        }
}

void TstCodec::liveZeros()
{
    LiveValues live;
    QVERIFY(decodeLive(QVector<quint16>(16, 0), &live));
    for (float v : {live.input[0], live.temperature[0], live.output[0], live.coldJunction[0],
                    live.input[1], live.temperature[1], live.output[1], live.coldJunction[1]})
        QCOMPARE(zt::formatFloat(v), QStringLiteral("0"));
}

void TstCodec::configBlock_data()
{
    QTest::addColumn<int>("count");
    QTest::newRow("full read") << 56;
    QTest::newRow("re-read") << 50;
    QTest::newRow("shortest decodable") << 44;
}

void TstCodec::configBlock()
{
    QFETCH(int, count);

    QVector<quint16> block(count, 0xAAAA);
    block[0] = 0x20;
    block[1] = 3;
    const QVector<std::pair<int, float>> pLimits = {{34, 10.5f}, {36, 400.0f}, {40, -1.0f}, {42, 2000.0f}};
    for (const auto &[at, v] : pLimits) {
        const QVector<quint16> w = words(v);
        block[at] = w[0];
        block[at + 1] = w[1];
    }

    ConfigValues config;
    QVERIFY(decodeConfig(block, &config));
    QCOMPARE(config.range[0], quint16(0x20));
    QCOMPARE(config.range[1], quint16(3));
    QCOMPARE(config.pLimitMin[0], 10.5f);
    QCOMPARE(config.pLimitMax[0], 400.0f);
    QCOMPARE(config.pLimitMin[1], -1.0f);
    QCOMPARE(config.pLimitMax[1], 2000.0f);
}

void TstCodec::options_data()
{
    QTest::addColumn<quint16>("coldJunctionWord");
    QTest::addColumn<quint16>("fastWord");
    QTest::addColumn<bool>("coldJunction");
    QTest::addColumn<bool>("fast");

    QTest::newRow("all off") << quint16(0) << quint16(0) << false << false;
    QTest::newRow("cold junction 1") << quint16(1) << quint16(0) << true << false;
    QTest::newRow("cold junction any non-zero") << quint16(0x0100) << quint16(0) << true << false;
    QTest::newRow("fast bit 0") << quint16(0) << quint16(0x0003) << false << true;
    QTest::newRow("fast other bits only") << quint16(0) << quint16(0xFFFE) << false << false;
}

void TstCodec::options()
{
    QFETCH(quint16, coldJunctionWord);
    QFETCH(quint16, fastWord);
    QFETCH(bool, coldJunction);
    QFETCH(bool, fast);

    OptionValues options;
    QVERIFY(decodeOptions({coldJunctionWord, 0xFFFF, 0xFFFF, 0xFFFF, fastWord}, &options));
    QCOMPARE(options.coldJunction, coldJunction);
    QCOMPARE(options.fastConversion0, fast);
}

void TstCodec::limits()
{
    LimitValues limits;
    QVERIFY(decodeLimits({0x0000, 0x04B0, 3, 0xFF38, 0xFFD8, 4, 9, 9, 9, 9}, &limits));
    QCOMPARE(int(limits.min[0]), 0);
    QCOMPARE(int(limits.max[0]), 1200);
    QCOMPARE(limits.wiring[0], quint16(3));
    QCOMPARE(int(limits.min[1]), -200);
    QCOMPARE(int(limits.max[1]), -40);
    QCOMPARE(limits.wiring[1], quint16(4));
}

void TstCodec::inversion_data()
{
    QTest::addColumn<quint16>("word");
    QTest::addColumn<bool>("ch0");
    QTest::addColumn<bool>("ch1");

    QTest::newRow("none") << quint16(0) << false << false;
    QTest::newRow("output 0") << quint16(1) << true << false;
    QTest::newRow("output 1") << quint16(2) << false << true;
    QTest::newRow("both") << quint16(3) << true << true;
    QTest::newRow("other bits ignored") << quint16(0xFFFC) << false << false;
}

void TstCodec::inversion()
{
    QFETCH(quint16, word);
    QFETCH(bool, ch0);
    QFETCH(bool, ch1);

    InversionValues inversion;
    QVERIFY(decodeInversion({word}, &inversion));
    QCOMPARE(inversion.inverted[0], ch0);
    QCOMPARE(inversion.inverted[1], ch1);
}

void TstCodec::blockTooShort_data()
{
    QTest::addColumn<QString>("block");
    QTest::addColumn<int>("needed");

    QTest::newRow("live") << "live" << 16;
    QTest::newRow("configuration") << "configuration" << 44;
    QTest::newRow("options") << "options" << 5;
    QTest::newRow("limits") << "limits" << 6;
    QTest::newRow("inversion") << "inversion" << 1;
}

void TstCodec::blockTooShort()
{
    QFETCH(QString, block);
    QFETCH(int, needed);

    const auto decodes = [&block](int count) {
        const QVector<quint16> r(count, 0);
        if (block == QLatin1String("live")) {
            LiveValues v;
            return decodeLive(r, &v);
        }
        if (block == QLatin1String("configuration")) {
            ConfigValues v;
            return decodeConfig(r, &v);
        }
        if (block == QLatin1String("options")) {
            OptionValues v;
            return decodeOptions(r, &v);
        }
        if (block == QLatin1String("limits")) {
            LimitValues v;
            return decodeLimits(r, &v);
        }
        InversionValues v;
        return decodeInversion(r, &v);
    };
    QVERIFY(decodes(needed));
    QVERIFY(!decodes(needed - 1));
    QVERIFY(!decodes(0));
}

QTEST_GUILESS_MAIN(TstCodec)
#include "tst_codec.moc"
