#pragma once

#include <QStringList>

namespace xc {

// FFmpeg's own messages (its warnings and errors, in English) are kept here instead of reaching
// the terminal: the render puts them into its log, where `xiangce-cli make --verbose` shows them.
// The user sees our message of what failed. Safe from the encoder's thread.
void keepFfmpegMessages();
// The messages kept since the last call, oldest first.
QStringList takeFfmpegMessages();

}  // namespace xc
