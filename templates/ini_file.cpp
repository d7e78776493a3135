#include "templates/ini_file.h"

#include <QStringList>

namespace xc {

namespace {
constexpr qsizetype maxValueLength = 2047;
QString keyOf(const QString& section, const QString& key) { return section.toLower() + QLatin1Char('\n') + key.toLower(); }
}  // namespace

IniFile IniFile::parse(const QByteArray& text)
{
    IniFile ini;
    QString section;
    QString decoded = QString::fromUtf8(text);
    if (decoded.startsWith(QChar(0xFEFF)))
        decoded.remove(0, 1);
    for (QString line : decoded.split(QLatin1Char('\n'))) {
        line = line.trimmed();
        if (line.isEmpty() || line.startsWith(QLatin1Char(';')))
            continue;
        if (line.startsWith(QLatin1Char('[')) && line.endsWith(QLatin1Char(']'))) {
            section = line.mid(1, line.size() - 2).trimmed();
            continue;
        }
        const qsizetype eq = line.indexOf(QLatin1Char('='));
        if (eq <= 0)
            continue;
        const QString key = keyOf(section, line.left(eq).trimmed());
        if (!ini.m_values.contains(key))  // the first occurrence of a key wins
            ini.m_values.insert(key, line.mid(eq + 1).trimmed().left(maxValueLength));
    }
    return ini;
}

QString IniFile::value(const QString& section, const QString& key) const
{
    return m_values.value(keyOf(section, key));
}

}  // namespace xc
