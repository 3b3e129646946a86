#include "settings/inifile.h"

#include <QMap>

#include <algorithm>

namespace zt::ini {

namespace {

QString sectionName(const Section &s)
{
    // The settings store keeps keys outside any section in "General".
    return s.name.isEmpty() ? QStringLiteral("General") : unescapeName(s.name);
}

int hexDigit(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

// The value of `count` hex digits at `at`, or -1.
int hexValue(const QByteArray &text, int at, int count)
{
    if (at + count > text.size())
        return -1;
    int value = 0;
    for (int i = at; i < at + count; ++i) {
        const int digit = hexDigit(text.at(i));
        if (digit < 0)
            return -1;
        value = value * 16 + digit;
    }
    return value;
}

QVector<QByteArray> splitLines(const QByteArray &text)
{
    QVector<QByteArray> lines;
    int start = 0;
    for (int i = 0; i < text.size(); ++i) {
        if (text.at(i) != '\n' && text.at(i) != '\r')
            continue;
        lines.append(text.mid(start, i - start));
        if (text.at(i) == '\r' && i + 1 < text.size() && text.at(i + 1) == '\n')
            ++i;
        start = i + 1;
    }
    if (start < text.size())
        lines.append(text.mid(start));
    return lines;
}

} // namespace

QString unescapeName(const QByteArray &name)
{
    QByteArray bytes;
    QString out;
    const auto flush = [&] { out += QString::fromUtf8(bytes); bytes.clear(); };
    for (int i = 0; i < name.size(); ++i) {
        const char c = name.at(i);
        if (c == '%' && i + 1 < name.size() && name.at(i + 1) == 'U') {
            const int unit = hexValue(name, i + 2, 4);
            if (unit >= 0) {
                flush();
                out += QChar(ushort(unit));
                i += 5;
                continue;
            }
        } else if (c == '%') {
            const int byte = hexValue(name, i + 1, 2);
            if (byte >= 0) {
                bytes += char(byte);
                i += 2;
                continue;
            }
        }
        bytes += c == '\\' ? '/' : c;
    }
    flush();
    return out;
}

bool unescapeValue(const QByteArray &value, QString *out)
{
    QByteArray v = value.trimmed();
    if (v.startsWith("@@"))
        v.remove(0, 1);
    else if (v.startsWith('@'))
        return false;

    QByteArray bytes;
    bool quoted = false;
    for (int i = 0; i < v.size(); ++i) {
        const char c = v.at(i);
        if (c == '"') {
            quoted = !quoted;
        } else if (c == '\\') {
            if (++i == v.size())
                return false;
            static const char escapes[] = "a\ab\bf\fn\nr\rt\tv\v\"\"''??\\\\;;,,";
            const char *match = nullptr;
            for (const char *e = escapes; *e; e += 2)
                if (*e == v.at(i))
                    match = e + 1;
            if (match) {
                bytes += *match;
            } else if (v.at(i) == 'x' && hexValue(v, i + 1, 2) >= 0) {
                bytes += char(hexValue(v, i + 1, 2));
                i += 2;
            } else {
                return false;
            }
        } else if (!quoted && (c == ',' || c == ';')) {
            return false;  // a list, or a comment the store would drop
        } else {
            bytes += c;
        }
    }
    if (quoted)
        return false;
    *out = QString::fromUtf8(bytes);
    return true;
}

bool parse(const QByteArray &text, Document *doc, SyntaxError *error)
{
    *doc = Document();
    *error = SyntaxError();
    if (const int nul = text.indexOf('\0'); nul >= 0) {
        *error = {int(splitLines(text.left(nul + 1)).size()), SyntaxError::Binary};
        return false;
    }
    QByteArray body = text;
    if (body.startsWith("\xEF\xBB\xBF"))
        body.remove(0, 3);

    doc->sections.append(Section());
    int number = 0;
    for (const QByteArray &raw : splitLines(body)) {
        ++number;
        const QByteArray line = raw.trimmed();
        if (line.isEmpty() || line.startsWith(';') || line.startsWith('#'))
            continue;
        if (line.startsWith('[')) {
            const int close = line.indexOf(']');
            if (close < 0) {
                *error = {number, SyntaxError::UnclosedSection};
                return false;
            }
            if (close != line.size() - 1) {
                *error = {number, SyntaxError::TextAfterSection};
                return false;
            }
            doc->sections.append(Section{line.mid(1, close - 1).trimmed(), {}});
            continue;
        }
        const int equals = line.indexOf('=');
        if (equals < 0) {
            *error = {number, SyntaxError::NoEquals};
            return false;
        }
        const QByteArray key = line.left(equals).trimmed();
        if (key.isEmpty()) {
            *error = {number, SyntaxError::EmptyKey};
            return false;
        }
        doc->sections.last().entries.append({key, line.mid(equals + 1).trimmed(), number});
    }
    return true;
}

QVector<const Entry *> Document::find(const QString &section, const QString &key) const
{
    QVector<const Entry *> found;
    for (const Section &s : sections) {
        if (sectionName(s) != section)
            continue;
        for (const Entry &e : s.entries)
            if (unescapeName(e.key) == key)
                found.append(&e);
    }
    return found;
}

void Document::set(const QString &section, const QString &key, const QByteArray &value)
{
    bool placed = false;
    Section *first = nullptr;
    for (Section &s : sections) {
        if (sectionName(s) != section)
            continue;
        if (!first)
            first = &s;
        for (int i = 0; i < s.entries.size(); ++i) {
            if (unescapeName(s.entries.at(i).key) != key)
                continue;
            if (placed) {
                s.entries.remove(i--);
            } else {
                s.entries[i].value = value;
                placed = true;
            }
        }
    }
    if (placed)
        return;
    if (!first) {
        sections.append(Section{section.toUtf8(), {}});
        first = &sections.last();
    }
    first->entries.append({key.toUtf8(), value, 0});
}

QByteArray serialize(const Document &doc)
{
#ifdef Q_OS_WIN
    const QByteArray eol = "\r\n";
#else
    const QByteArray eol = "\n";
#endif
    // Sections of the same name are one section, under its first spelling.
    QMap<QString, Section> merged;
    QVector<Entry> general;
    for (const Section &s : doc.sections) {
        if (s.name.isEmpty()) {
            general += s.entries;
            continue;
        }
        Section &into = merged[sectionName(s)];
        if (into.name.isEmpty())
            into.name = s.name;
        into.entries += s.entries;
    }
    const auto byKey = [](const Entry &a, const Entry &b) { return unescapeName(a.key) < unescapeName(b.key); };
    const auto writeEntries = [&](QVector<Entry> entries, QByteArray *out) {
        std::stable_sort(entries.begin(), entries.end(), byKey);
        for (const Entry &e : entries)
            *out += e.key + '=' + e.value + eol;
    };

    QByteArray out;
    writeEntries(general, &out);
    for (const Section &s : merged) {
        if (!out.isEmpty())
            out += eol;
        out += '[' + s.name + ']' + eol;
        writeEntries(s.entries, &out);
    }
    // The reader drops a byte-order mark that opens the file: a key kept
    // from a section without a name may begin with one, and must keep it.
    if (out.startsWith("\xEF\xBB\xBF"))
        out.prepend("\xEF\xBB\xBF");
    return out;
}

} // namespace zt::ini
