// libFuzzer target: the decoders of the read chain and of the identification
// on any reply a module might send, and the readers of raw line bytes: the
// frame classifier of the module search and the exchange view's decoder of
// the Modbus client's log. The first byte picks the decoder; for a block the
// rest are its registers, two bytes each.

#include "module/catalogue.h"
#include "module/codec.h"
#include "module/registers.h"
#include "line/rawanswer.h"
#include "line/rtuframe.h"
#include "modbus/traffic.h"

#include <cmath>
#include <cstdint>
#include <cstdlib>

namespace {

void require(bool condition)
{
    if (!condition)
        std::abort();
}

// What the window shows: a number that reads back, or the dash with its tooltip.
void show(float v)
{
    const zt::LiveText shown = zt::liveText(v);
    bool number = false;
    shown.text.toDouble(&number);
    require(number == std::isfinite(v));
    require(shown.toolTip.isEmpty() == number);
}

void identify(const QVector<quint16> &r)
{
    const zt::Identification id = zt::decodeIdentification(r);
    require(!id.valid || r.size() >= zt::reg::IdentCount);
    require(id.plb || (id.plbAddress == 0 && id.plbSpeedCode == 0 && id.plbFormatCode == 0));
    zt::catalogue::layoutForCode(id.moduleCode);
    zt::catalogue::unitLabelsForCode(id.moduleCode);
}

void decodeBlock(int block, const QVector<quint16> &r)
{
    switch (block) {
    case 0:
        identify(r);
        break;
    case 1: {
        zt::LiveValues live;
        if (zt::decodeLive(r, &live)) {
            for (int ch = 0; ch < 2; ++ch) {
                for (float v : {live.input[ch], live.temperature[ch], live.output[ch], live.coldJunction[ch]})
                    show(v);
            }
        }
        break;
    }
    case 2: {
        zt::ConfigValues config;
        if (zt::decodeConfig(r, &config)) {
            for (int ch = 0; ch < 2; ++ch) {
                require(!zt::formatFloat(config.pLimitMin[ch]).isEmpty());
                require(!zt::formatFloat(config.pLimitMax[ch]).isEmpty());
            }
        }
        break;
    }
    case 3: {
        zt::OptionValues options;
        require(zt::decodeOptions(r, &options) == (r.size() >= zt::reg::OptionCount));
        break;
    }
    case 4: {
        zt::LimitValues limits;
        require(zt::decodeLimits(r, &limits) == (r.size() >= 6));
        break;
    }
    default: {
        zt::InversionValues inversion;
        require(zt::decodeInversion(r, &inversion) == !r.isEmpty());
        break;
    }
    }
}

// What came back on the raw line after an identification request to the
// address of the first byte.
void classifyLine(const QByteArray &bytes)
{
    using zt::line::Answer;
    if (bytes.isEmpty())
        return;
    const QByteArray received = bytes.mid(1);
    const Answer answer = zt::line::classify(zt::line::identificationRequest(quint8(bytes.at(0))), received);
    require((answer.kind == Answer::Nothing) == received.isEmpty());
    require(answer.registers.size() * 2 <= received.size());
    require(answer.kind == Answer::Reply || answer.kind == Answer::OtherAddress || answer.registers.isEmpty());
}

// A request and its reply, cut where the first byte says.
void decodeExchange(const QByteArray &bytes)
{
    if (bytes.isEmpty())
        return;
    const int cut = quint8(bytes.at(0)) % bytes.size();
    const QByteArray request = bytes.mid(1, cut), reply = bytes.mid(1 + cut);
    const zt::traffic::Frame asked = zt::traffic::decodeRequest(request);
    require(asked.values.size() * 2 <= request.size());
    const zt::traffic::Event event = zt::traffic::decodeReply(reply, request);
    require(event.bytes == reply);
    require(event.frame.values.size() * 2 <= reply.size());
}

// Lines of the Modbus client's log, in order.
void readLog(const QByteArray &bytes)
{
    zt::traffic::LogReader reader;
    for (const QByteArray &line : bytes.split('\n')) {
        const auto event = reader.read(QString::fromLatin1(line), QDateTime());
        require(!event || (event->direction == zt::traffic::Direction::Request) == (event->outcome == zt::traffic::Outcome::Sent));
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    if (size == 0)
        return 0;
    const QByteArray rest(reinterpret_cast<const char *>(data) + 1, int(size - 1));
    switch (data[0] % 9) {
    case 6: classifyLine(rest); return 0;
    case 7: decodeExchange(rest); return 0;
    case 8: readLog(rest); return 0;
    default: break;
    }
    QVector<quint16> registers;
    for (size_t i = 1; i + 1 < size; i += 2)
        registers << quint16(data[i] << 8 | data[i + 1]);
    decodeBlock(data[0] % 9, registers);
    return 0;
}
