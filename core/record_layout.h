#pragma once

#include <QString>

#include <span>

namespace xc {

// One column of a record table: the member that holds it, its field identifier and its caption.
template <typename Record>
struct FieldInfo {
    QString Record::*member;
    const char* id;
    const char* caption;
};

template <typename Record>
using RecordLayout = std::span<const FieldInfo<Record>>;

}  // namespace xc
