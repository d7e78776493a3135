#pragma once

#include "ui/render/render_launcher.h"

#include <QStringList>

namespace xc::test {

// Answers the output-size window as a test says and notes which settings windows were opened;
// renders for real through the render window unless told otherwise.
class RecordingRenderWindows : public ui::RenderWindows {
public:
    std::optional<ui::OutputChoice> output;  // nothing: the window was closed
    QStringList opened;                      // "output VCD", "otherSettings", "albumLength", "render …"
    bool renderForReal = true;

    std::optional<ui::OutputChoice> chooseOutput(QWidget*, const QString& kind) override
    {
        opened.append(QStringLiteral("output ") + kind);
        return output;
    }
    RenderResult render(QWidget* parent, AlbumModel& model, const Workspace& workspace, const RenderRequest& request,
                        const QString& displayName) override
    {
        opened.append(QStringLiteral("render ") + displayName);
        if (!renderForReal)
            return RenderResult{RenderOutcome::Completed, {}, 0};
        return RenderWindows::render(parent, model, workspace, request, displayName);
    }
    void otherSettings(QWidget*, AlbumModel&) override { opened.append(QStringLiteral("otherSettings")); }
    void albumLength(QWidget*, AlbumModel&) override { opened.append(QStringLiteral("albumLength")); }
    void textEffects(QWidget*, AlbumModel&, const Workspace&, ui::Dialogs&) override { opened.append(QStringLiteral("textEffects")); }
    void karaoke(QWidget*, AlbumModel&, const Workspace&, ui::Dialogs&) override { opened.append(QStringLiteral("karaoke")); }
    QString chooseLyricsType(QWidget*) override
    {
        opened.append(QStringLiteral("lyricsType"));
        return lyricsType::lrc;
    }
};

}  // namespace xc::test
