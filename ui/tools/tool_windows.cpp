#include "ui/tools/tool_windows.h"

#include "ui/shell/command_map.h"
#include "core/album_model.h"
#include "ui/shell/dialogs.h"
#include "ui/tools/intro_video_window.h"
#include "ui/tools/lrc_maker_window.h"
#include "ui/tools/picture_effects_window.h"

namespace xc::ui {

bool ToolWindows::photoCropping(const ToolContext& context)
{
    context.dialogs.message(context.parent, comingLaterNotice);
    return false;
}

bool ToolWindows::templateManager(const ToolContext& context)
{
    context.dialogs.message(context.parent, comingLaterNotice);
    return false;
}

bool ToolWindows::lyricsMaker(const ToolContext& context)
{
    return LrcMakerWindow::open(context);
}

bool ToolWindows::pictureEffects(const ToolContext& context)
{
    PictureEffectsWindow window(context.model, context.workspace, context.dialogs, context.parent);
    window.exec();
    return false;  // the boards do not show picture effects; the side panel counts them
}

bool ToolWindows::introVideo(const ToolContext& context)
{
    IntroVideoWindow window(context.model.settings, context.dialogs, context.parent);
    window.exec();
    return false;  // the boards do not show the intro
}

}  // namespace xc::ui
