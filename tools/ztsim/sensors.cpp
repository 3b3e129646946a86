#include "sensors.h"

#include <iterator>

const Thermocouple *thermocouple(uint16_t code)
{
    // Indexed by range code: lower and upper bound in °C, mean mV/°C.
    static const Thermocouple table[] = {
        {-210, 1200, 0.0545},   //  0 J
        {-200, 1372, 0.0410},   //  1 K
        {-200, 400, 0.0500},    //  2 T
        {-200, 1000, 0.0700},   //  3 E
        {-50, 1768, 0.0100},    //  4 R
        {-50, 1768, 0.0095},    //  5 S
        {250, 1820, 0.0050},    //  6 B
        {-200, 1300, 0.0340},   //  7 N
        {-200, 800, 0.0780},    //  8 L
        {0, 2500, 0.0135},      //  9 A1
        {0, 1800, 0.0140},      // 10 A2
        {0, 1800, 0.0140},      // 11 A3
    };
    return code < std::size(table) ? &table[code] : nullptr;
}

bool rtdSensor(uint16_t code, RtdSensor &sensor)
{
    // The code is (nominal << 4) | characteristic.
    struct Characteristic {
        int lower, upper;
        double alpha;
    };
    static const Characteristic characteristics[] = {
        {-200, 850, 0.00385},  // Pt
        {-200, 850, 0.00391},  // П
        {-50, 200, 0.00426},   // Cu
        {-180, 200, 0.00428},  // М
        {-60, 180, 0.00617},   // H
    };
    static const double nominals[] = {50, 100, 500, 1000};

    const unsigned nominal = code >> 4;
    const unsigned characteristic = code & 0x0F;
    if (nominal < 1 || nominal > std::size(nominals) || characteristic >= std::size(characteristics))
        return false;
    if (nominal == 1 && characteristic == 4)  // there is no 50 Ω H sensor
        return false;

    const Characteristic &c = characteristics[characteristic];
    sensor = {c.lower, c.upper, nominals[nominal - 1], c.alpha};
    return true;
}
