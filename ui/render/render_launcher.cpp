#include "ui/render/render_launcher.h"

#include "core/album_model.h"
#include "core/keywords.h"
#include "render/output_settings.h"
#include "ui/audio/karaoke_manager_window.h"
#include "ui/effects/text_effect_editor.h"
#include "ui/render/render_window.h"
#include "ui/render/settings_windows.h"
#include "ui/shell/dialogs.h"

#include <QFileInfo>

namespace xc::ui {

namespace {

RenderWindows& defaultRenderWindows()
{
    static RenderWindows windows;
    return windows;
}

const QString saveCaption = QStringLiteral("保存相册");

}  // namespace

std::optional<OutputChoice> RenderWindows::chooseOutput(QWidget* parent, const QString& kind)
{
    OutputSizeWindow window(kind, parent);
    if (window.exec() != QDialog::Accepted)
        return std::nullopt;
    return window.choice();
}

RenderResult RenderWindows::render(QWidget* parent, AlbumModel& model, const Workspace& workspace, const RenderRequest& request,
                                   const QString& displayName)
{
    RenderWindow window(model, workspace, request, displayName, parent);
    window.exec();
    return window.result();
}

void RenderWindows::otherSettings(QWidget* parent, AlbumModel& model)
{
    OtherSettingsWindow window(model.settings, parent);
    window.exec();
}

void RenderWindows::textEffects(QWidget* parent, AlbumModel& model, const Workspace& workspace, Dialogs& dialogs)
{
    TextEffectEditor editor(model, workspace, dialogs, parent);
    editor.exec();
}

void RenderWindows::karaoke(QWidget* parent, AlbumModel& model, const Workspace& workspace, Dialogs& dialogs)
{
    KaraokeManagerWindow window(model, workspace, dialogs, parent);
    window.exec();
}

QString RenderWindows::chooseLyricsType(QWidget* parent)
{
    LyricsTypeWindow window(parent);
    window.exec();
    return window.choice();
}

void RenderWindows::albumLength(QWidget* parent, AlbumModel& model)
{
    AlbumLengthWindow window(model, parent);
    window.exec();
}

RenderLauncher::RenderLauncher(AlbumModel& model, const Workspace& workspace, Dialogs& dialogs, QWidget* parent)
    : m_model(model), m_workspace(workspace), m_dialogs(dialogs), m_parent(parent), m_windows(&defaultRenderWindows())
{
}

void RenderLauncher::makeVideo(const QString& kind)
{
    const std::optional<VideoLauncher> launcher = videoLauncher(kind);
    if (!launcher)
        return;
    if (const Status photos = checkPhotosPresent(m_model); !photos.ok()) {
        m_dialogs.message(m_parent, photos.error());
        return;
    }
    m_model.settings.outputKind = kind;
    const std::optional<OutputChoice> choice = m_windows->chooseOutput(m_parent, kind);
    if (!choice)
        return;
    const QString name = m_dialogs.saveFile(m_parent, saveCaption, launcher->saveFilter());
    if (name.isEmpty())
        return;
    const QString output = videoOutputPath(*launcher, name);
    // An album made earlier is only replaced when the user says so.
    if (QFileInfo::exists(output)
        && !m_dialogs.confirm(m_parent, saveCaption, QStringLiteral("文件“%1”已经存在，要替换它吗？").arg(QFileInfo(output).fileName()),
                              QStringLiteral("替换")))
        return;
    render(RenderRequest{output, choice->size, lyricsType::both}, videoOutputDisplayName(output));
}

void RenderLauncher::makeImageSequence()
{
    if (const Status photos = checkPhotosPresent(m_model); !photos.ok()) {
        m_dialogs.message(m_parent, photos.error());
        return;
    }
    m_model.settings.outputKind = kw::kindImages;
    const std::optional<OutputChoice> choice = m_windows->chooseOutput(m_parent, kw::kindImages);
    if (!choice)
        return;
    const QString folder = m_dialogs.saveFile(m_parent, saveCaption, imageSequenceSaveFilter(choice->imageFormat));
    if (folder.isEmpty())
        return;
    const Result<QString> output = prepareImageSequenceFolder(folder, choice->imageFormat);
    if (!output.ok()) {
        m_dialogs.message(m_parent, output.error());
        return;
    }
    render(RenderRequest{output.value(), choice->size, lyricsType::both}, QFileInfo(folder).fileName());
}

void RenderLauncher::render(RenderRequest request, const QString& displayName)
{
    if (lyricsTypeChoiceNeeded(m_model))
        request.lyricsType = m_windows->chooseLyricsType(m_parent);
    const RenderResult result = m_windows->render(m_parent, m_model, m_workspace, request, displayName);
    if (result.outcome == RenderOutcome::Failed)
        m_dialogs.message(m_parent, result.error.isEmpty() ? QStringLiteral("相册制作失败。") : result.error);
}

}  // namespace xc::ui
