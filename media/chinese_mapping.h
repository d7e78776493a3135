#pragma once

#include <QString>

namespace xc {

enum class ChineseScript { Simplified, Traditional };

// Converts Chinese text to simplified or traditional characters (phrase by phrase, as the
// mapping dictionaries give it); other characters pass unchanged. When the mapping data cannot be
// loaded the text is returned as it is and a warning is logged once.
QString convertChineseScript(const QString& text, ChineseScript target);

}  // namespace xc
