#include "cli/addresslist.h"

#include "cli/clitexts.h"
#include "line/linesettings.h"

#include <QRegularExpression>
#include <QStringList>

namespace cli {

namespace {

// Every address once, with a separator each, is about 1000 characters.
constexpr int MaxListLength = 1000;

QString utf8(const char *s) { return QString::fromUtf8(s); }

} // namespace

bool parseAddressList(const QString &text, QVector<int> *addresses, QString *error)
{
    if (text.size() > MaxListLength) {
        *error = utf8(text::AddressListTooLong).arg(MaxListLength);
        return false;
    }
    // Three digits at most: no number can overflow before it is judged.
    static const QRegularExpression item(QStringLiteral("^(\\d{1,3})(?:-(\\d{1,3}))?$"));
    QVector<bool> listed(zt::line::MaxAddress + 1, false);
    QVector<int> result;
    for (const QString &part : text.split(QLatin1Char(','))) {
        const QRegularExpressionMatch m = item.match(part);
        const int low = m.captured(1).toInt();
        const int high = m.captured(2).isEmpty() ? low : m.captured(2).toInt();
        if (!m.hasMatch() || !zt::line::isValidAddress(low) || !zt::line::isValidAddress(high)) {
            *error = utf8(text::BadAddressItem).arg(part);
            return false;
        }
        if (!m.captured(2).isEmpty() && high <= low) {
            *error = utf8(text::AddressRangeDown).arg(part);
            return false;
        }
        for (int address = low; address <= high; ++address) {
            if (listed[address]) {
                *error = utf8(text::AddressTwice).arg(address);
                return false;
            }
            listed[address] = true;
            result << address;
        }
    }
    *addresses = result;
    return true;
}

} // namespace cli
