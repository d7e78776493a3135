#pragma once

#include <QString>
#include <QStringList>

#include <functional>

namespace xc {

// One of the render window's text logs. It keeps at most `maxLines` lines, dropping the oldest
// first, and tells its listener about every line added.
class RenderLog {
public:
    static constexpr int progressLogLines = 32000;

    explicit RenderLog(int maxLines = progressLogLines) : m_maxLines(maxLines) {}

    void add(const QString& line);
    void clear() { m_lines.clear(); }
    const QStringList& lines() const { return m_lines; }
    void setListener(std::function<void(const QString&)> listener) { m_listener = std::move(listener); }

private:
    int m_maxLines;
    QStringList m_lines;
    std::function<void(const QString&)> m_listener;
};

}  // namespace xc
