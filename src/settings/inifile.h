#pragma once

#include <QByteArray>
#include <QString>
#include <QVector>

// INI text as settings files hold it, read strictly and written back without
// turning any value into an object: every value stays the bytes the file
// holds. Section and key names may carry %-escapes ("%20", "%U0416"), as
// other INI writers of the settings store produce them.
namespace zt::ini {

struct Entry {
    QByteArray key;    // as spelt in the file, trimmed
    QByteArray value;  // as spelt in the file, trimmed; escapes and quotes kept
    int line = 0;      // 1-based
};

struct Section {
    QByteArray name;   // between the brackets; empty for the lines before any header
    QVector<Entry> entries;
};

struct Document {
    QVector<Section> sections;

    // The entries named `key` in every section named `section` (both compared
    // after %-unescaping), in file order.
    QVector<const Entry *> find(const QString &section, const QString &key) const;
    // Gives `key` of `section` the value: the first such entry takes it and
    // any further ones go; a missing section or key is added.
    void set(const QString &section, const QString &key, const QByteArray &value);
};

struct SyntaxError {
    int line = 0;
    enum Kind { None, Binary, UnclosedSection, TextAfterSection, NoEquals, EmptyKey } kind = None;
};

// Lines end in LF, CRLF or CR; a UTF-8 byte-order mark is skipped; blank
// lines and lines beginning with ';' or '#' are comments. Anything else is a
// section header or key=value.
bool parse(const QByteArray &text, Document *doc, SyntaxError *error);

// Sections sorted by name, as the settings store writes them, keys sorted
// within each; the lines before any header first. Comments are not kept.
QByteArray serialize(const Document &doc);

QString unescapeName(const QByteArray &name);

// A value as the settings store reads one plain string: outer spaces gone,
// "..." quoting and backslash escapes resolved. False for what the store
// would not read as one plain string: a value beginning with '@' (it would be
// taken for a serialised object), a list (an unquoted ','), a bad escape.
bool unescapeValue(const QByteArray &value, QString *out);

} // namespace zt::ini
