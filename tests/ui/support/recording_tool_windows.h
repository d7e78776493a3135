#pragma once

#include "ui/tools/tool_windows.h"

#include <QStringList>

namespace xc::test {

// Notes which tool window a command opened, and the photo it was opened on.
class RecordingToolWindows : public ui::ToolWindows {
public:
    QStringList opened;  // "photoCropping 0", "templateManager", …
    bool photoCropping(const ui::ToolContext& context) override
    {
        opened.append(QStringLiteral("photoCropping %1").arg(context.selectedPhoto));
        return false;
    }
    bool templateManager(const ui::ToolContext&) override { return note("templateManager"); }
    bool lyricsMaker(const ui::ToolContext&) override { return note("lyricsMaker"); }
    bool pictureEffects(const ui::ToolContext&) override { return note("pictureEffects"); }
    bool introVideo(const ui::ToolContext&) override { return note("introVideo"); }

private:
    bool note(const char* name)
    {
        opened.append(QString::fromLatin1(name));
        return false;
    }
};

}  // namespace xc::test
