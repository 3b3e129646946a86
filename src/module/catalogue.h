#pragma once

#include <QString>
#include <QVector>

namespace zt {

// Which panels the current module type has.
struct ModuleLayout {
    bool modulePresent = false;
    bool ch0Input = false;
    bool ch1Input = false;
    bool secondOutput = false;  // one input, but a second analogue output on channel 1
    bool ch0P = false;
    bool ch1P = false;
    bool ch0TI = false;
    bool ch1TI = false;
    bool ch0RTD = false;
    bool ch1RTD = false;
    bool ch0AI = false;
    bool plbModule = false;     // the RS-485 parameter tab

    bool operator==(const ModuleLayout &o) const;
    bool operator!=(const ModuleLayout &o) const { return !(*this == o); }
};

// The module types in the order the user sees them; position 0 is the empty
// entry, "no module type".
namespace catalogue {

int count();
QString name(int position);            // "" for 0 and out of range
quint16 code(int position);            // 0 for 0 and out of range
int positionOfCode(quint16 code);      // -1 when not in the catalogue, 0 included
int positionOfName(const QString &name); // 0 for "", -1 when unknown
ModuleLayout layout(int position);     // all false for 0 and out of range
ModuleLayout layoutForCode(quint16 code); // all false for a code not in the catalogue
QString inputUnit(int position);

// The kind of every input of a type: one kind per module.
enum class InputKind { None, Thermocouple, Rtd, P, Current };
InputKind inputKind(int position);     // None for 0 and out of range       // "мВ", "Ом" or "мА"; "" for 0

// Unit labels of the input value per channel; a null QString leaves that label
// as it is.
struct UnitLabels {
    QString ch0, ch1;
};
UnitLabels unitLabelsForCode(quint16 moduleCode);  // a module identified online
UnitLabels unitLabelsForPosition(int position);    // a type chosen offline

} // namespace catalogue

struct Identification {
    bool valid = false;        // signature 2021, family 7 or 3, all 15 values present
    quint16 moduleCode = 0;    // as composed for the catalogue (PLB: 0xC207 / 0xC208)
    bool plb = false;
    // The PLB module's own RS-485 settings; 0 unless `plb`.
    int plbAddress = 0;
    quint16 plbSpeedCode = 0;
    quint16 plbFormatCode = 0;
    QString firmware;          // firmware date text, normally "dd.MM.yy"
};
Identification decodeIdentification(const QVector<quint16> &block);

} // namespace zt
