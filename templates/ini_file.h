#pragma once

#include <QByteArray>
#include <QHash>
#include <QString>

namespace xc {

// A parameter file in INI syntax. Section and key names compare without regard to letter case;
// values are text of at most 2047 characters; a missing key reads as the empty text.
class IniFile {
public:
    static IniFile parse(const QByteArray& text);
    QString value(const QString& section, const QString& key) const;

private:
    QHash<QString, QString> m_values;  // "section\nkey" in lower case → value
};

}  // namespace xc
