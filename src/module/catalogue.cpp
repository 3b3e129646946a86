#include "module/catalogue.h"

#include "module/codec.h"
#include "module/registers.h"

#include <QCoreApplication>

namespace zt {

bool ModuleLayout::operator==(const ModuleLayout &o) const
{
    return modulePresent == o.modulePresent && ch0Input == o.ch0Input
        && ch1Input == o.ch1Input && secondOutput == o.secondOutput
        && ch0P == o.ch0P && ch1P == o.ch1P && ch0TI == o.ch0TI && ch1TI == o.ch1TI
        && ch0RTD == o.ch0RTD && ch1RTD == o.ch1RTD && ch0AI == o.ch0AI
        && plbModule == o.plbModule;
}

namespace {

// Module type code: low byte the input kind, bits 8-9 the number of inputs,
// bit 14 the PLB family, bit 15 a second analogue output.
constexpr quint16 KindMask = 0x00FF;
constexpr quint16 PlbBit = 0x4000;
constexpr quint16 SecondOutputBit = 0x8000;
constexpr quint16 KindTI = 0x07;
constexpr quint16 KindRTD = 0x08;
constexpr quint16 KindP = 0x15;
constexpr quint16 KindAI = 0x03;

int inputCount(quint16 code) { return (code >> 8) & 0x03; }

struct Entry {
    const char *name;
    quint16 code;
};

const Entry entries[] = {
    {"", 0},
    {"ZT-1TI-1AO", 0x0107},
    {"ZT-1TI-2AO", 0x8107},
    {"ZT-2TI-2AO", 0x8207},
    {"ZT-1RTD-1AO", 0x0108},
    {"ZT-1RTD-2AO", 0x8108},
    {"ZT-2RTD-2AO", 0x8208},
    {"ZT-1P-1AO", 0x0115},
    {"ZT-1P-2AO", 0x8115},
    {"ZT-2P-2AO", 0x8215},
    {"ZT-1AI-2AO", 0x8103},
    {"PLB-2TI-4-20-M", 0xC207},
    {"PLB-2RTD-4-20-M", 0xC208},
};
constexpr int entryCount = int(sizeof entries / sizeof entries[0]);

bool isModulePosition(int position) { return position > 0 && position < entryCount; }

QString unitOfKind(quint16 kind)
{
    switch (kind) {
    case KindTI: return QCoreApplication::translate("zt::catalogue", "мВ");
    case KindRTD:
    case KindP: return QCoreApplication::translate("zt::catalogue", "Ом");
    case KindAI: return QCoreApplication::translate("zt::catalogue", "мА");
    }
    return QString();
}

} // namespace

namespace catalogue {

int count() { return entryCount; }

QString name(int position)
{
    return isModulePosition(position) ? QString::fromLatin1(entries[position].name) : QString();
}

quint16 code(int position)
{
    return isModulePosition(position) ? entries[position].code : 0;
}

int positionOfCode(quint16 code)
{
    for (int p = 1; p < entryCount; ++p)
        if (entries[p].code == code)
            return p;
    return -1;
}

int positionOfName(const QString &name)
{
    for (int p = 0; p < entryCount; ++p)
        if (name == QLatin1String(entries[p].name))
            return p;
    return -1;
}

ModuleLayout layoutForCode(quint16 code)
{
    ModuleLayout l;
    if (positionOfCode(code) < 0)
        return l;
    const bool two = inputCount(code) == 2;
    const quint16 kind = code & KindMask;
    l.modulePresent = true;
    l.ch0Input = true;
    l.ch1Input = two;
    l.secondOutput = !two && (code & SecondOutputBit);
    l.ch0TI = kind == KindTI;
    l.ch1TI = two && kind == KindTI;
    l.ch0RTD = kind == KindRTD;
    l.ch1RTD = two && kind == KindRTD;
    l.ch0P = kind == KindP;
    l.ch1P = two && kind == KindP;
    l.ch0AI = kind == KindAI;
    l.plbModule = code & PlbBit;
    return l;
}

ModuleLayout layout(int position) { return layoutForCode(code(position)); }

InputKind inputKind(int position)
{
    switch (code(position) & KindMask) {
    case KindTI: return InputKind::Thermocouple;
    case KindRTD: return InputKind::Rtd;
    case KindP: return InputKind::P;
    case KindAI: return InputKind::Current;
    }
    return InputKind::None;
}

QString inputUnit(int position)
{
    return isModulePosition(position) ? unitOfKind(code(position) & KindMask) : QString();
}

UnitLabels unitLabelsForCode(quint16 moduleCode)
{
    const int position = positionOfCode(moduleCode);
    if (position < 0)
        return {};
    const QString unit = inputUnit(position);
    // Channel 1 shows the unit on two-output types, except the current-input
    // type, whose second channel is an output only.
    const bool ch1 = (moduleCode & SecondOutputBit) && (moduleCode & KindMask) != KindAI;
    return {unit, ch1 ? unit : QString()};
}

UnitLabels unitLabelsForPosition(int position)
{
    if (!isModulePosition(position))
        return {};
    const QString unit = inputUnit(position);
    const bool ch1 = (code(position) & KindMask) != KindAI;
    return {unit, ch1 ? unit : QString()};
}

} // namespace catalogue

Identification decodeIdentification(const QVector<quint16> &block)
{
    using namespace reg;
    const auto at = [&block](int address) { return block.at(address - IdentBlock); };

    Identification id;
    if (block.size() < IdentCount || at(Signature) != Signature2021)
        return id;
    const quint16 family = at(Family);
    if (family != FamilyZT && family != FamilyPLB)
        return id;

    id.valid = true;
    id.moduleCode = at(ReportedType);
    if (at(OutputMarker) == SecondOutputMarker)
        id.moduleCode |= SecondOutputBit;
    // A PLB module reports the code of its ZT twin; only the family tells them apart.
    if (family == FamilyPLB && (id.moduleCode == 0x8207 || id.moduleCode == 0x8208)) {
        id.moduleCode |= PlbBit;
        id.plb = true;
        id.plbAddress = at(PlbAddress);
        id.plbSpeedCode = at(PlbSpeed);
        id.plbFormatCode = at(PlbFormat);
    }
    // A PLB module keeps its line settings among the registers that carry the
    // date; an address of 32..127 would read as a character of it.
    QVector<quint16> dateRegisters = block.mid(0, IdentCount);
    if (id.plb) {
        for (int address : {PlbAddress, PlbSpeed, PlbFormat})
            dateRegisters[address - IdentBlock] = 0;
    }
    id.firmware = firmwareDateText(dateRegisters);
    return id;
}

} // namespace zt
