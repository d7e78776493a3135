#pragma once

#include "core/record_layout.h"

#include <QList>
#include <QString>
#include <QStringList>

#include <cassert>

namespace xc {

// An ordered table of text records. Rows are always complete records; columns are addressed by
// the 0-based column numbers of the table's layout (column 0 is the row caption).
template <typename Record>
class RecordTable {
public:
    explicit RecordTable(RecordLayout<Record> layout = Record::layout()) : m_layout(layout) {}

    qsizetype count() const { return m_rows.size(); }
    bool isEmpty() const { return m_rows.isEmpty(); }
    void append(const Record& row) { m_rows.append(row); }
    void insert(qsizetype row, const Record& record) { m_rows.insert(row, record); }
    void remove(qsizetype row) { m_rows.removeAt(row); }
    void clear() { m_rows.clear(); }

    Record& operator[](qsizetype row) { return m_rows[row]; }
    const Record& operator[](qsizetype row) const { return m_rows[row]; }
    Record& last() { return m_rows.last(); }

    QString get(qsizetype row, int column) const { return m_rows[row].*(field(column).member); }
    void set(qsizetype row, int column, const QString& text) { m_rows[row].*(field(column).member) = text; }

    // The row's values in column order, as list views and printers show them.
    QStringList values(qsizetype row) const
    {
        QStringList out;
        for (const auto& f : m_layout)
            out << m_rows[row].*(f.member);
        return out;
    }

    RecordLayout<Record> layout() const { return m_layout; }
    const QList<Record>& rows() const { return m_rows; }
    QList<Record>& rows() { return m_rows; }
    auto begin() { return m_rows.begin(); }
    auto end() { return m_rows.end(); }
    auto begin() const { return m_rows.begin(); }
    auto end() const { return m_rows.end(); }

private:
    const FieldInfo<Record>& field(int column) const
    {
        assert(column >= 0 && std::size_t(column) < m_layout.size());
        return m_layout[std::size_t(column)];
    }

    RecordLayout<Record> m_layout;
    QList<Record> m_rows;
};

}  // namespace xc
