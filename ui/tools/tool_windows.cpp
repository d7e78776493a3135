#include "ui/tools/tool_windows.h"

#include "core/album_model.h"
#include "ui/shell/command_map.h"
#include "ui/shell/dialogs.h"
#include "ui/tools/intro_video_window.h"
#include "ui/tools/lrc_maker_window.h"
#include "ui/tools/photo_crop_window.h"
#include "ui/tools/picture_effects_window.h"
#include "ui/tools/template_manager_window.h"

namespace xc::ui {

bool ToolWindows::photoCropping(const ToolContext& context)
{
    PhotoCropWindow window(context.model, context.workspace, context.dialogs, context.selectedPhoto, context.parent);
    window.exec();
    return window.changedAlbum();
}

bool ToolWindows::templateManager(const ToolContext& context)
{
    if (context.model.photos.isEmpty()) {
        context.dialogs.message(context.parent, noPhotosNotice);
        return false;
    }
    TemplateManagerWindow window(context.model, context.workspace, context.dialogs, context.random, context.selectedPhoto,
                                 context.parent);
    window.exec();
    return window.changed();
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
